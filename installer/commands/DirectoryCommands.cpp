// MKDIR and RMDIR: one directory level made or removed.

#include "installer/commands/CommandFiles.h"
#include "installer/commands/FileCommands.h"
#include "installer/commands/FileQuestions.h"
#include "platform/FileOperations.h"

namespace installer {

StepResult runMakeDirectory(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string directory = nextArgument(context, arguments, position);
  if (directory.empty()) return StepResult::GO_ON;
  setFileStatus(context, FileMessage::CREATE_DIRECTORY, {directory});
  return ensureDirectory(context, directory) == StepResult::ABORT ? StepResult::ABORT : StepResult::GO_ON;
}

StepResult runRemoveDirectory(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string directory = nextArgument(context, arguments, position);
  if (directory.empty()) return StepResult::GO_ON;
  setFileStatus(context, FileMessage::REMOVE_DIRECTORY, {directory});
  platform::Result<std::filesystem::path> path = linuxPathOf(context, directory);
  if (!path) {
    noteFailure(context, path.error());
    return StepResult::GO_ON;
  }
  if (!mayChange(context, *path)) return StepResult::GO_ON;
  if (platform::Result<void> removed = platform::removeDirectory(*path); !removed) {
    noteFailure(context, removed.error());
  }
  return StepResult::GO_ON;
}

}  // namespace installer
