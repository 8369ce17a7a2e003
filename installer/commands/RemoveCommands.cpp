// REMOVE and XREMOVE: files of one directory, and whole trees.

#include <optional>
#include <system_error>

#include "installer/commands/CommandFiles.h"
#include "installer/commands/FileCommands.h"
#include "platform/FileOperations.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

// Deletes one file or link. Inside XREMOVE a failure is only noted: a later pass may succeed, and the command
// reports the tree it gave up on.
void removeFile(CommandContext& context, const FoundEntry& entry, bool report) {
  setFileStatus(context, FileMessage::REMOVE_FILE, {entry.windowsPath});
  std::optional<platform::ContainedPath> path;
  if (report) {
    path = changeable(context, entry.path, entry.windowsPath);
  } else if (platform::Result<platform::ContainedPath> resolved = resolveForChange(context, entry.path); resolved) {
    path = std::move(resolved).value();
  } else {
    noteFailure(context, resolved.error());
  }
  if (!path) return;
  if (platform::Result<void> deleted = platform::deleteFile(*path); !deleted) {
    (report ? reportFailure : noteFailure)(context, deleted.error());
    return;
  }
  noteChange(context, "removed", entry.path);
}

// One pass over a tree: every file deleted, every emptied directory removed, then the directory itself. Links
// are deleted as files and never followed, so nothing outside the tree goes.
void removeTree(CommandContext& context, const std::string& windowsDirectory) {
  std::string prefix = windowsDirectory;
  if (prefix.back() != '\\' && prefix.back() != '/') prefix += '\\';
  for (const FoundEntry& entry : findEntries(context, prefix + "*.*")) {
    if (entry.directory) {
      removeTree(context, entry.windowsPath);
    } else {
      removeFile(context, entry, false);
    }
  }
  platform::Result<fs::path> path = linuxPathOf(context, windowsDirectory);
  if (!path) return;
  platform::Result<platform::ContainedPath> directory = resolveForChange(context, *path);
  if (!directory) {
    noteFailure(context, directory.error());
    return;
  }
  // A directory that still holds what could not be deleted stays until the next pass.
  if (platform::Result<void> removed = platform::removeDirectory(*directory); !removed) {
    noteFailure(context, removed.error());
    return;
  }
  noteChange(context, "removed directory", *path);
}

}  // namespace

StepResult runRemove(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string pattern = nextArgument(context, arguments, position);
  if (pattern.empty()) return StepResult::GO_ON;
  for (const FoundEntry& entry : findEntries(context, pattern)) {
    if (!entry.directory) removeFile(context, entry, true);
  }
  return StepResult::GO_ON;
}

StepResult runTreeRemove(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string directory = nextArgument(context, arguments, position);
  if (directory.empty() || !isWindowsDirectory(context, directory)) return StepResult::GO_ON;
  platform::Result<fs::path> path = linuxPathOf(context, directory);
  if (!path || !changeable(context, *path, directory)) return StepResult::GO_ON;
  std::error_code error;
  for (int attempt = 1; attempt <= kTreeRemoveAttempts; ++attempt) {
    removeTree(context, directory);
    if (!fs::exists(fs::symlink_status(*path, error))) return StepResult::GO_ON;
  }
  context.recordProblem("gave up on '" + directory + "' after " + std::to_string(kTreeRemoveAttempts) +
                        " attempts; what could not be deleted stays");
  return StepResult::GO_ON;
}

}  // namespace installer
