#pragma once
// A command of the script language as the script sees it: a name and the handler that runs its line. The script
// counts and checks lines against a table of these; the commands provide the table and the run calls its handlers.

#include <span>
#include <string_view>

namespace installer {

/// What a command step tells the run.
enum class StepResult : int {
  /// Go on with the next step.
  GO_ON = 1,
  /// Abort the installation: the main window closes, nothing done so far is undone.
  ABORT = 3,
  /// The user chose Retry and the file is now there; the run goes on.
  RETRIED = 4,
  /// Skip this file.
  SKIP = 5,
};

/// The run's side of a command: its state, the drive map, the user interface. Defined by the commands.
class CommandContext;

/// Runs one command line. arguments is the text after the command name and its space.
using CommandHandler = StepResult (*)(CommandContext& context, std::string_view arguments);

/// One command of the script language.
struct CommandEntry {
  /// The command name, upper case, compared exactly.
  std::string_view name;
  /// What the command does.
  CommandHandler handler;
};

/// The entry of that name in table, or null for a line that is no command.
[[nodiscard]] const CommandEntry* findCommand(std::span<const CommandEntry> table, std::string_view name);

}  // namespace installer
