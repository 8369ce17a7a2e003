// wendrix: the script-driven installer. Reads WENDRIX.INI (or SETUP.INI) in its setup directory, goes through
// its pages and runs the chosen script in a Windows world kept under a root folder. Until the windows are
// drawn it runs unattended, answering pages and boxes from an answers file.

#include <fcntl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "installer/run/SetupRun.h"
#include "installer/ui/Answers.h"
#include "installer/ui/HeadlessUi.h"
#include "installer/ui/RunLog.h"
#include "installer/ui/SetupListing.h"
#include "platform/DriveMap.h"

namespace {

namespace fs = std::filesystem;

/// Exit codes.
constexpr int kExitSuccess = 0;
constexpr int kExitBroken = 1;
constexpr int kExitUsage = 2;
constexpr int kExitCancelled = 3;
constexpr int kExitRestartNeeded = 4;
constexpr int kExitIncomplete = 5;
constexpr int kExitProblems = 6;

struct FileCloser {
  void operator()(std::FILE* file) const {
    if (file != nullptr && file != stderr) std::fclose(file);
  }
};

/// The setup directory when none is given: the folder of the program's own path as it was started (the
/// program itself when it was found on the PATH).
fs::path defaultSetupDirectory(const char* argv0) {
  std::string started = argv0 != nullptr ? argv0 : "";
  if (started.find('/') != std::string::npos) return fs::absolute(fs::path(started).parent_path());
  std::error_code error;
  fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path() : program.parent_path();
}

/// The root when none is given: ~/.wendrix, as a Windows prefix lives in the home folder.
fs::path defaultRoot() {
  const char* home = std::getenv("HOME");
  return home != nullptr && *home != '\0' ? fs::path(home) / ".wendrix" : fs::path(".wendrix");
}

/// The log when none is given: beside the root, named after it (~/.wendrix.log), added to run after run.
fs::path defaultLog(const fs::path& root) { return root.parent_path() / (root.filename().string() + ".log"); }

/// The default log, opened for adding to; a link in its place is not followed, since nobody chose that name.
std::FILE* openDefaultLog(const fs::path& path) {
  int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (descriptor < 0) return nullptr;
  std::FILE* file = fdopen(descriptor, "a");
  if (file == nullptr) close(descriptor);
  return file;
}

constexpr const char* kExitHelp =
    "Exit codes: 0 installed (or removed), nothing to restart; 1 broken configuration or answers, or an unattended "
    "run that could not go on; 2 usage error; 3 cancelled by the user (Cancel, Break, an abort answer, wherever "
    "asked); 4 finished, Windows or the computer must restart; 5 finished, but some commands are not available in "
    "this build; 6 finished, but not everything was done: a command failed or was refused, a source was missing "
    "and skipped, or a script line names no command (listed on stderr and in the log).";

// The time now as "2026-12-11 15:00:00 UTC".
std::string utcNow() {
  std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
  return text;
}

// The problems of a run as the summary lists them, one a line.
std::string problemSummary(const installer::RunOutcome& outcome) {
  std::string text = std::to_string(outcome.problems.size()) + " problem(s); not everything was done:";
  for (const installer::RunProblem& problem : outcome.problems) {
    text += "\n  line " + std::to_string(problem.line) + " " + problem.command + ": " + problem.why;
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "wendrix: the script-driven installer. Reads WENDRIX.INI or SETUP.INI in its setup directory and runs "
      "the chosen install or delete script in the Windows world under --root."};
  app.footer(kExitHelp);
  std::string setupDirectoryText;
  std::string rootText;
  std::string logText;
  std::string answersText;
  bool list = false;
  app.add_option("--setup-dir", setupDirectoryText,
                 "The setup directory (default: the folder the program was started from)")
      ->type_name("DIR");
  app.add_option("--root", rootText,
                 "The folder that holds the drives: DIR/c is C:, DIR/d is D:; Z: is / (default: ~/.wendrix)")
      ->type_name("DIR");
  app.add_option("--log", logText,
                 "Write every page, status line, message box with its answer, step, and the Linux path of every "
                 "file written or removed to FILE (- for stderr; default ROOT.log beside the root, added to)")
      ->type_name("FILE");
  app.add_flag("--list", list, "Print the install sets, install modes and options with their sizes and comments");
  app.set_version_flag("--version", std::string("wendrix ") + WENDRIX_VERSION);
  app.add_option("--answers", answersText,
                 "Run unattended with the answers in FILE: lines of key = value (set, directory, modes, options, "
                 "message.NUMBER, message.FINDMESSAGE, message.default, break); an empty file takes every default")
      ->type_name("FILE");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForVersion& version) {
    return app.exit(version);
  } catch (const CLI::ParseError& error) {
    app.exit(error);
    return kExitUsage;
  }

  if (answersText.empty() && !list) {
    std::cerr << "wendrix: the installer's windows are not built yet; run it unattended with --answers FILE "
                 "(an empty file takes every default)\n";
    return kExitUsage;
  }

  fs::path setupDirectory = setupDirectoryText.empty() ? defaultSetupDirectory(argc > 0 ? argv[0] : nullptr)
                                                       : fs::absolute(setupDirectoryText);
  std::error_code error;
  if (!fs::is_directory(setupDirectory, error)) {
    std::cerr << "wendrix: " << setupDirectory.string() << ": the setup directory does not exist\n";
    return kExitBroken;
  }
  platform::Result<installer::Setup> setup = installer::openSetup(setupDirectory);
  if (!setup) {
    std::cerr << "wendrix: " << setup.error().describe() << "\n";
    return kExitBroken;
  }
  if (setup->text.file.empty()) {
    std::cerr << "wendrix: " << setupDirectory.string() << ": no WENDRIX.INI or SETUP.INI in the setup directory\n";
    return kExitBroken;
  }
  if (setup->text.truncated) {
    std::cerr << "wendrix: " << setup->text.file.string() << ": warning: only the first "
              << installer::kConfigurationLimit << " bytes are read\n";
  }
  if (setup->config.installSets.empty()) {
    std::cerr << "wendrix: " << setup->text.file.string() << ": [GENERAL] declares no install set (INSTALLSET<n>)\n";
    return kExitBroken;
  }
  if (list) {
    std::cout << installer::listSetup(setup->config);
    return kExitSuccess;
  }
  platform::Result<installer::Answers> answers = installer::readAnswers(answersText);
  if (!answers) {
    std::cerr << "wendrix: " << answers.error().describe() << "\n";
    return kExitBroken;
  }

  platform::DriveMap drives(rootText.empty() ? defaultRoot() : fs::path(rootText));
  if (platform::Result<void> prepared = drives.prepare(); !prepared) {
    std::cerr << "wendrix: " << prepared.error().describe() << "\n";
    return kExitBroken;
  }

  // Every run keeps a log: the one named, or the one beside the root that each run adds to.
  fs::path logPath = logText.empty() ? defaultLog(drives.root()) : fs::path(logText);
  std::unique_ptr<std::FILE, FileCloser> logFile(logText == "-" ? stderr
                                                 : logText.empty()  ? openDefaultLog(logPath)
                                                                    : std::fopen(logPath.c_str(), "w"));
  if (!logFile) {
    std::cerr << "wendrix: " << logPath.string() << ": cannot write the log\n";
    return kExitBroken;
  }
  installer::RunLog log(logFile.get());
  log.write("wendrix", std::string(WENDRIX_VERSION) + ", started " + utcNow());
  log.write("setup", setup->text.file.string());
  log.write("root", drives.root().string());
  installer::HeadlessUi ui(*answers, setup->config, log);
  installer::RunOutcome outcome = installer::runSetup(*setup, drives, ui);

  size_t missing = 0;
  std::string missingList;
  for (const auto& [name, count] : outcome.notAvailable) {
    missing += count;
    missingList += (missingList.empty() ? "" : ", ") + name + " (" + std::to_string(count) + ")";
  }
  if (missing > 0) {
    std::string summary = std::to_string(missing) + " step(s) not available in this build: " + missingList;
    std::cerr << "wendrix: " << summary << "\n";
    log.write("not available", summary);
  }

  if (!outcome.problems.empty()) {
    std::string summary = problemSummary(outcome);
    std::cerr << "wendrix: " << summary << "\n";
    log.write("problems", summary);
  }

  int exitCode = kExitSuccess;
  switch (outcome.end) {
    case installer::RunEnd::FAILED:
      std::cerr << "wendrix: " << outcome.problem << "\n";
      log.write("end", "failed: " + outcome.problem);
      exitCode = kExitBroken;
      break;
    case installer::RunEnd::CANCELLED:
      std::cerr << "wendrix: cancelled after " << outcome.stepsRun << " of " << outcome.totalSteps << " step(s)\n";
      log.write("end", "cancelled");
      exitCode = kExitCancelled;
      break;
    case installer::RunEnd::RESTART_NEEDED:
    case installer::RunEnd::SUCCEEDED: {
      // The closing message was the configuration's own; the exit code says what really happened.
      bool restart = outcome.end == installer::RunEnd::RESTART_NEEDED;
      exitCode = !outcome.problems.empty() ? kExitProblems
                 : missing > 0             ? kExitIncomplete
                 : restart                 ? kExitRestartNeeded
                                           : kExitSuccess;
      const char* ending = !outcome.problems.empty() ? "finished with problems"
                           : missing > 0             ? "incomplete"
                           : restart                 ? "restart needed"
                                                     : "success";
      log.write("end", ending);
      break;
    }
  }
  if (logText != "-") std::cerr << "wendrix: log: " << logPath.string() << "\n";
  return exitCode;
}
