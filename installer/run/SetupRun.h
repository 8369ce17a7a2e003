#pragma once
// A whole run of the installer: the configuration, the search for an existing installation, the pages with the
// directory and disk-space checks, the script in timer ticks with its disk groups and Break, and the closing.

#include <cstddef>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "installer/commands/CommandTable.h"
#include "installer/commands/RunState.h"
#include "installer/script/ConfigText.h"
#include "installer/script/SetupConfig.h"
#include "installer/script/Tokens.h"
#include "installer/ui/UserInterface.h"
#include "platform/DriveMap.h"
#include "platform/Result.h"

namespace installer {

/// The configuration of one setup directory, read once.
struct Setup {
  /// The setup directory (Linux).
  std::filesystem::path setupDirectory;
  /// The configuration buffer.
  ConfigText text;
  /// What [GENERAL] says.
  SetupConfig config;
};

/// The period of the timer that runs the script, one command per tick.
inline constexpr std::chrono::milliseconds kStepPeriod{50};

/// Reads the configuration of setupDirectory. A directory without WENDRIX.INI or SETUP.INI gives an empty
/// configuration (Setup::text.file empty); a file that cannot be read is an error.
[[nodiscard]] platform::Result<Setup> openSetup(const std::filesystem::path& setupDirectory);

/// The macro values for an install directory (UTF-8), in the language's code page.
[[nodiscard]] MacroValues macroValuesFor(LanguageId language, std::string_view installDirectory);

/// How a run ended.
enum class RunEnd {
  /// The script ran to its end; nothing needs a restart.
  SUCCEEDED,
  /// The script ran to its end and changed start-up files: Windows or the computer must restart.
  RESTART_NEEDED,
  /// The user ended it: Cancel on a page, Break or an abort answered Yes, FINDMESSAGE not answered OK.
  CANCELLED,
  /// It could not go on: the user interface could not answer (an unattended run's answers do not fit).
  /// The steps it reached may have made changes.
  FAILED,
};

/// The result of a run.
struct RunOutcome {
  /// How it ended.
  RunEnd end = RunEnd::FAILED;
  /// Why it failed (FAILED only).
  std::string problem;
  /// The steps that ran.
  size_t stepsRun = 0;
  /// The number of steps the run had.
  size_t totalSteps = 0;
  /// The commands this build does not have, with how often each was met.
  std::map<std::string, size_t> notAvailable;
  /// What kept the run from doing all its script asked (failed or refused commands, missing sources, lines that
  /// name no command), in the order met.
  std::vector<RunProblem> problems;
};

/// Runs the installer from its first page to its end with the commands of table.
[[nodiscard]] RunOutcome runSetup(const Setup& setup, const platform::DriveMap& drives, UserInterface& ui,
                                  std::span<const CommandEntry> table = commandTable());

}  // namespace installer
