#pragma once
// The state of one run from the first step to the closing message.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace installer {

/// The start-up files whose changes decide the closing message, in the order they are checked.
enum class StartupFile : size_t {
  CONFIG_SYS = 0,
  AUTOEXEC_BAT = 1,
  SYSTEM_INI = 2,
  WIN_INI = 3,
};

/// Something that kept the run from doing all its script asked: a command that failed or was refused, a source
/// that was missing, a line that names no command.
struct RunProblem {
  /// The script line (from 1, in the configuration file).
  size_t line = 0;
  /// The command name as written.
  std::string command;
  /// Why, for a person.
  std::string why;
};

/// Everything a run changes as it goes.
struct RunState {
  /// The current step: -1 before the run, then 1 to total.
  int64_t step = -1;
  /// The number of steps.
  size_t total = 0;
  /// The current disk group, from 1.
  size_t diskGroup = 0;
  /// Set by "Yes All": older and same-date files are overwritten without a question.
  bool overwriteAll = false;
  /// One mark per start-up file, set by every command that adds or removes a line in it.
  std::array<bool, 4> changed{};
  /// The status line of the progress page (UTF-8).
  std::string status;
  /// The description of the current disk group (UTF-8).
  std::string comment;
  /// The folder of the current disk group, where relative source paths start (the current directory).
  std::filesystem::path sourceFolder;
  /// True while a step runs, so that timer ticks do not re-enter.
  bool busy = false;
  /// How often each command that this build does not have was met.
  std::map<std::string, size_t> notAvailable;
  /// The line of the configuration file that runs (from 1).
  size_t line = 0;
  /// What went wrong so far, in order.
  std::vector<RunProblem> problems;
  /// Set when the user interface could not answer a box: the run stops as failed, not as cancelled.
  bool interfaceFailed = false;
};

}  // namespace installer
