// drawhost: the host application on the command line. Loads the plug-in modules of its plug-in folder, starts
// them, and runs one command.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "apps/drawhost/Convert.h"
#include "apps/drawhost/PluginListing.h"
#include "host/Host.h"
#include "platform/KeyState.h"

namespace {

/// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

/// The plug-in folder when none is given: ../plugins beside the program (build/plugins for build/bin/drawhost).
std::filesystem::path defaultPluginFolder() {
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "build/plugins";
  return program.parent_path().parent_path() / "plugins";
}

struct Options {
  std::string pluginFolder;
  std::string journal;
  std::vector<std::string> answers;
  bool unloadIdle = false;
};

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file != nullptr && file != stderr) std::fclose(file);
  }
};

constexpr const char* kAnswerHelp =
    "Queue an answer for the next dialog, written DIALOG[/ITEM[=VALUE]]: DIALOG is the dialog's number, window "
    "title or name; ITEM an item's number, label or text (without =VALUE it is pressed: a button clicked, a check "
    "box toggled, a radio button chosen); VALUE the item's new text, number, 1/0 for switches, or a list entry. "
    "A dialog with no answer queued for it is confirmed with OK. Repeatable; answers are used in order.";

}  // namespace

/// Ctrl+C holds Escape down, so that a plug-in's cancel check stops its work as Esc would; a second Ctrl+C
/// stops drawhost.
extern "C" void pressEscape(int) {
  platform::setKeyDown(platform::KEY_ESCAPE, true);
  std::signal(SIGINT, SIG_DFL);
}

int main(int argc, char** argv) {
  CLI::App app{"drawhost: the drawing host. Loads the plug-in modules of its plug-in folder and runs a command."};
  app.require_subcommand(1);
  // Options of drawhost itself may also stand after the command.
  app.fallthrough();
  Options options;
  app.add_option("--plugin-dir", options.pluginFolder, "Plug-in folder (default: ../plugins beside the program)");
  app.add_option("--journal", options.journal, "Write the journal of dialogs, alerts, beeps and menu changes to FILE (- for stderr)")
      ->type_name("FILE");
  // One value per --answer, so that the command after it is not taken for a second answer.
  app.add_option("--answer", options.answers, kAnswerHelp)->type_name("TEXT")->allow_extra_args(false);
  app.add_flag("--unload-idle", options.unloadIdle,
               "Unload each plug-in's code when it is idle and load it again on its next message");
  CLI::App* plugins = app.add_subcommand("plugins", "List every loaded plug-in module with what it registered");
  CLI::App* convertCommand = app.add_subcommand(
      "convert",
      "Convert drawings: `convert plan.svg plan.dxf` writes one file; `convert a.svg b.svg [FOLDER/]` writes a.dxf "
      "and b.dxf beside their drawings or into FOLDER. Each file is written in the format its extension names "
      "(svg, or a plug-in's: see drawhost plugins).");
  std::vector<std::string> files;
  convertCommand->add_option("FILES", files, "The drawings to read (svg, svgz), then optionally the output file or folder")
      ->required();
  std::string toExtension;
  convertCommand->add_option("--to", toExtension, "The format of outputs named after their drawings (default: dxf)")
      ->type_name("EXT");
  drawhost::ConvertSettings convertSettings;
  bool exportOutput = false;
  convertCommand->add_flag("--export", exportOutput, "Write through a plug-in format as Export does (default: as Save As)");
  convertCommand->add_flag("--force", convertSettings.force, "Replace output files that exist already");
  convertCommand->add_flag("-q,--quiet", convertSettings.quiet, "Say nothing about files written whole");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::ParseError& error) {
    app.exit(error);
    return kExitUsage;
  }

  std::unique_ptr<std::FILE, FileCloser> journalFile;
  if (!options.journal.empty()) {
    journalFile.reset(options.journal == "-" ? stderr : std::fopen(options.journal.c_str(), "w"));
    if (!journalFile) {
      std::cerr << "drawhost: " << options.journal << ": cannot write the journal\n";
      return kExitFailure;
    }
  }

  std::vector<drawhost::Conversion> conversions;
  if (*convertCommand) {
    platform::Result<std::vector<drawhost::Conversion>> plan = drawhost::planConversions(files, toExtension);
    if (!plan) {
      std::cerr << "drawhost: convert: " << plan.error().describe() << "\n";
      return kExitUsage;
    }
    conversions = std::move(*plan);
    convertSettings.kind = exportOutput ? drawhost::SaveKind::EXPORT : drawhost::SaveKind::SAVE_AS;
  }

  std::signal(SIGINT, pressEscape);
  host::Host host;
  host.journal().setSink(journalFile.get());
  host.setUnloadIdle(options.unloadIdle);
  // Progress dialogs show as a bar on a terminal; piped or redirected stderr stays free of it.
  if (isatty(STDERR_FILENO) != 0 && !convertSettings.quiet) host.headless().showProgressOn(stderr);
  for (const std::string& text : options.answers) {
    platform::Result<host::Answer> answer = host::parseAnswer(text);
    if (!answer) {
      std::cerr << "drawhost: --answer: " << answer.error().describe() << "\n";
      return kExitUsage;
    }
    host.headless().queue(*answer);
  }

  std::filesystem::path folder = options.pluginFolder.empty() ? defaultPluginFolder() : std::filesystem::path(options.pluginFolder);
  int status = kExitOk;
  if (platform::Result<void> loaded = host.loadPlugins(folder); !loaded) {
    std::cerr << "drawhost: " << loaded.error().describe() << "\n";
    return kExitFailure;
  }
  for (const auto& [module, result] : host.startPlugins()) {
    std::cerr << "drawhost: " << module->path().string() << ": start-up failed with result " << result << "\n";
    status = kExitFailure;
  }

  if (*plugins) {
    std::string listing = drawhost::listPlugins(host);
    if (listing.empty()) std::cerr << "drawhost: no plug-in modules in " << folder.string() << "\n";
    std::cout << listing;
  }
  if (*convertCommand && drawhost::convertAll(host, conversions, convertSettings, std::cout, std::cerr) != kExitOk) {
    status = kExitFailure;
  }

  host.shutdownPlugins();
  for (const std::string& leak : host.leaks()) std::cerr << "drawhost: warning: " << leak << "\n";
  for (const host::Answer& unused : host.headless().pending()) {
    std::cerr << "drawhost: warning: answer not used: " << unused.text() << "\n";
  }
  return status;
}
