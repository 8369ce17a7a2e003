#pragma once
// The state of one run from the first step to the closing message.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace installer {

/// The start-up files whose changes decide the closing message, in the order they are checked.
enum class StartupFile : size_t {
  CONFIG_SYS = 0,
  AUTOEXEC_BAT = 1,
  SYSTEM_INI = 2,
  WIN_INI = 3,
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
};

}  // namespace installer
