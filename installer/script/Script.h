#pragma once
// The script sections: disk-label lines, command lines with their arguments, and the count of the steps a run
// will take, per disk group.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "installer/script/CommandEntry.h"
#include "installer/script/Conditions.h"
#include "installer/script/Tokens.h"

namespace installer {

/// The section header of the script an install type runs: "[INSTALL-SCRIPT]" or "[DELETE-SCRIPT]".
[[nodiscard]] std::string_view scriptHeader(InstallType type);

/// The label of the setup directory itself.
inline constexpr std::string_view kSetupDiskLabel = "#";

/// A disk-label line (":LABEL description"): the label up to a space, the description to the end.
struct DiskLabel {
  /// "#" for the setup directory, else the name of a folder beside it.
  std::string label;
  /// The comment shown while the group runs.
  std::string description;
};

/// The label of a line that begins with ":", else nothing.
[[nodiscard]] std::optional<DiskLabel> diskLabelOf(std::string_view line);

/// A command line split into its name (up to the first space) and its arguments (after that space).
struct CommandLine {
  /// The command name as written.
  std::string_view name;
  /// Everything after the name's space; empty when there is none.
  std::string_view arguments;
};

/// The name and arguments of a command line.
[[nodiscard]] CommandLine commandLineOf(std::string_view line);

/// The next argument of arguments from position: one that begins with a double quote runs to the next double
/// quote (a space after it is skipped); any other runs to the next space (which is consumed). Escapes and macros
/// apply. position ends at the next argument.
[[nodiscard]] std::string readArgument(std::string_view arguments, size_t& position, const MacroValues& macros);

/// True when the argument at position begins with a double quote (quoted arguments must).
[[nodiscard]] bool argumentIsQuoted(std::string_view arguments, size_t position);

/// One disk group of a script section and the commands in it that will run.
struct DiskGroup {
  /// The group's label and description; the commands before the first label line belong to "#".
  DiskLabel label{std::string(kSetupDiskLabel), {}};
  /// The commands of the group that will run.
  size_t commands = 0;
};

/// The disk groups of a script section (from sectionStart, the position after its header, to the next
/// section): every label line starts a group (a label before any command takes over the first, implicit "#"
/// group); every command line of the table whose condition holds counts in the current group.
[[nodiscard]] std::vector<DiskGroup> countCommands(std::string_view buffer, size_t sectionStart,
                                                   const SetupConfig& config, const Selection& selection,
                                                   std::span<const CommandEntry> table);

/// A script line whose name is no command of the table.
struct UnknownCommand {
  /// The line in the configuration file (from 1).
  size_t line = 0;
  /// The name as written.
  std::string name;
};

/// The lines of a script section (from sectionStart to the next section) that name no command of table,
/// whatever their conditions: a misspelt command is the script's fault, not the user's choice.
[[nodiscard]] std::vector<UnknownCommand> unknownCommands(std::string_view buffer, size_t sectionStart,
                                                          LanguageId language, std::span<const CommandEntry> table);

/// The line number (from 1) of the line that starts at position.
[[nodiscard]] size_t lineNumberAt(std::string_view buffer, size_t position);

/// True when a disk label names a folder beside the setup directory: one plain name, not "." or "..", with
/// no separator or drive colon in it.
[[nodiscard]] bool isPlainDiskLabel(std::string_view label);

/// The number of steps of a run: the sum of the groups' commands.
[[nodiscard]] size_t totalSteps(const std::vector<DiskGroup>& groups);

}  // namespace installer
