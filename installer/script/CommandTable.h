#pragma once
// The script's commands: one static table of names and handlers. The run looks a command up here, counts it and
// calls its handler; a command whose effect this build does not have yet has the not-available handler.

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

/// The run's side of a command: its state, the drive map, the user interface. Defined by the run.
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

/// Counts the command and reports it as not available in this build.
StepResult runNotAvailable(CommandContext& context, std::string_view arguments);
/// Accepts the command and does nothing (ADDINIT, DELINIT).
StepResult runWithoutEffect(CommandContext& context, std::string_view arguments);

/// The commands of the script language, in the order of their documentation.
[[nodiscard]] std::span<const CommandEntry> commandTable();

/// The entry of that name in table, or null for a line that is no command.
[[nodiscard]] const CommandEntry* findCommand(std::span<const CommandEntry> table, std::string_view name);

}  // namespace installer
