// MKDIR and RMDIR: one directory level made or removed.

#include <optional>

#include "installer/commands/CommandFiles.h"
#include "installer/commands/FileCommands.h"
#include "installer/commands/FileQuestions.h"
#include "platform/FileOperations.h"
#include "platform/SystemErrors.h"

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
    reportFailure(context, path.error());
    return StepResult::GO_ON;
  }
  std::optional<platform::ContainedPath> contained = changeable(context, *path, directory);
  if (!contained) return StepResult::GO_ON;
  if (platform::Result<void> removed = platform::removeDirectory(*contained); !removed) {
    // A directory that still holds files (the user's own) or is gone already is what RMDIR allows for.
    int32_t code = removed.error().code;
    bool expected = code == platform::ERROR_DIR_NOT_EMPTY || code == platform::ERROR_FILE_NOT_FOUND;
    (expected ? noteFailure : reportFailure)(context, removed.error());
    return StepResult::GO_ON;
  }
  noteChange(context, "removed directory", *path);
  return StepResult::GO_ON;
}

}  // namespace installer
