#pragma once
// The script's commands: one static table of names and handlers. The run looks a command up here, counts it and
// calls its handler; a command whose effect this build does not have yet has the not-available handler.

#include <span>
#include <string_view>

#include "installer/script/CommandEntry.h"

namespace installer {

/// Counts the command and reports it as not available in this build.
StepResult runNotAvailable(CommandContext& context, std::string_view arguments);
/// Accepts the command and does nothing (ADDINIT, DELINIT).
StepResult runWithoutEffect(CommandContext& context, std::string_view arguments);

/// The commands of the script language, in the order of their documentation.
[[nodiscard]] std::span<const CommandEntry> commandTable();

}  // namespace installer
