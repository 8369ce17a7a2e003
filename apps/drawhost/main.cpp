// drawhost: the host application on the command line. Loads the plug-in modules of its plug-in folder, starts
// them, and runs one command.

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
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

/// The commands, as the user types them.
constexpr std::string_view kCommands[] = {"plugins", "convert", "help"};
/// Options that take a value in the next word (of drawhost and of its commands).
constexpr std::string_view kOptionsWithValue[] = {"--plugin-dir", "--journal", "--answer", "--to"};

/// The index in argv of the command: the first word that is neither an option nor an option's value; 0 for
/// none.
int commandIndex(int argc, char** argv) {
  for (int index = 1; index < argc; ++index) {
    const std::string_view word = argv[index];
    if (word == "--") return 0;
    if (!word.starts_with('-')) return index;
    for (std::string_view option : kOptionsWithValue) {
      if (word == option) ++index;
    }
  }
  return 0;
}

/// The arguments with the command moved to the front, so that any option may stand before or after it: each
/// option then belongs to drawhost or to its command alike.
std::vector<std::string> commandFirst(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (const int command = commandIndex(argc, argv); command > 1) {
    std::rotate(arguments.begin(), arguments.begin() + (command - 1), arguments.begin() + command);
  }
  // CLI11 takes its arguments in reverse order.
  return {arguments.rbegin(), arguments.rend()};
}

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

/// Ctrl+C (and SIGTERM, SIGHUP) hold Escape down, so that a plug-in's cancel check stops its work as Esc would
/// and its output is left as it was; a second signal of the same kind stops drawhost at once.
extern "C" void pressEscape(int signal) {
  platform::setKeyDown(platform::KEY_ESCAPE, true);
  std::signal(signal, SIG_DFL);
}

int main(int argc, char** argv) {
  CLI::App app{"drawhost: the drawing host. Loads the plug-in modules of its plug-in folder and runs a command."};
  app.name("drawhost");
  app.require_subcommand(1);
  app.set_version_flag("--version", "drawhost " DRAWHOST_VERSION);
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
      "Convert drawings: `convert plan.svg plan.dxf` writes plan.dxf; `convert --to dxf a.svg b.svg [FOLDER/]` writes "
      "a.dxf and b.dxf beside their drawings or into FOLDER. Each file is written in the format its extension names "
      "(svg, or a plug-in's: see drawhost plugins). Drawings are never written over.");
  std::vector<std::string> files;
  convertCommand->add_option("FILES", files,
                              "DRAWING OUTPUT, or DRAWING... [FOLDER] with --to: the drawings to read (svg, svgz) "
                              "and where their outputs go")
      ->required();
  std::string toExtension;
  convertCommand->add_option("--to", toExtension, "The format of outputs named after their drawings (dxf, svg, ...)")
      ->type_name("EXT");
  drawhost::ConvertSettings convertSettings;
  bool exportOutput = false;
  convertCommand->add_flag("--export", exportOutput, "Write through a plug-in format as Export does (default: as Save As)");
  convertCommand->add_flag("--force", convertSettings.force,
                           "Replace output files that exist already (never a drawing being read, a folder or a device)");
  convertCommand->add_flag("-q,--quiet", convertSettings.quiet, "Say nothing about files written whole");
  CLI::App* helpCommand = app.add_subcommand("help", "Describe drawhost, or one of its commands");
  std::string helpTopic;
  helpCommand->add_option("COMMAND", helpTopic, "The command to describe");

  if (const int command = commandIndex(argc, argv); command > 0) {
    const std::string_view word = argv[command];
    if (std::find(std::begin(kCommands), std::end(kCommands), word) == std::end(kCommands)) {
      std::cerr << "drawhost: unknown command \"" << word << "\" (the commands are plugins, convert and help; see "
                << "drawhost --help)\n";
      return kExitUsage;
    }
  }

  try {
    std::vector<std::string> arguments = commandFirst(argc, argv);
    app.parse(arguments);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForVersion& version) {
    return app.exit(version);
  } catch (const CLI::ParseError& error) {
    app.exit(error);
    return kExitUsage;
  }
  if (*helpCommand) {
    if (helpTopic.empty()) {
      // App::help would describe the command that was given, help itself.
      std::cout << app.get_formatter()->make_help(&app, "drawhost", CLI::AppFormatMode::Normal);
    } else if (std::find(std::begin(kCommands), std::end(kCommands), helpTopic) == std::end(kCommands)) {
      std::cerr << "drawhost: help: unknown command \"" << helpTopic << "\" (the commands are plugins, convert and help)\n";
      return kExitUsage;
    } else {
      std::cout << app.get_subcommand(helpTopic)->help("drawhost");
    }
    return kExitOk;
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

  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, pressEscape);
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
