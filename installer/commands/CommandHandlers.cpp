// The handlers of the command table that this build provides itself.

#include <string>

#include "installer/commands/CommandContext.h"
#include "installer/commands/CommandTable.h"

namespace installer {

StepResult runNotAvailable(CommandContext& context, std::string_view) {
  std::string name(context.commandName);
  ++context.state.notAvailable[name];
  context.ui.note(name + " is not available in this build; the step does nothing");
  return StepResult::GO_ON;
}

StepResult runWithoutEffect(CommandContext&, std::string_view) { return StepResult::GO_ON; }

}  // namespace installer
