// REMOVE and XREMOVE: files of one directory, and whole trees.

#include <system_error>

#include "installer/commands/CommandFiles.h"
#include "installer/commands/FileCommands.h"
#include "platform/FileOperations.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

void removeFile(CommandContext& context, const FoundEntry& entry) {
  setFileStatus(context, FileMessage::REMOVE_FILE, {entry.windowsPath});
  if (!mayChange(context, entry.path)) return;
  if (platform::Result<void> deleted = platform::deleteFile(entry.path); !deleted) {
    noteFailure(context, deleted.error());
  }
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
      removeFile(context, entry);
    }
  }
  platform::Result<fs::path> path = linuxPathOf(context, windowsDirectory);
  if (!path) return;
  // A directory that still holds what could not be deleted stays until the next pass.
  if (platform::Result<void> removed = platform::removeDirectory(*path); !removed) {
    noteFailure(context, removed.error());
  }
}

}  // namespace

StepResult runRemove(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string pattern = nextArgument(context, arguments, position);
  if (pattern.empty()) return StepResult::GO_ON;
  for (const FoundEntry& entry : findEntries(context, pattern)) {
    if (!entry.directory) removeFile(context, entry);
  }
  return StepResult::GO_ON;
}

StepResult runTreeRemove(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string directory = nextArgument(context, arguments, position);
  if (directory.empty() || !isWindowsDirectory(context, directory)) return StepResult::GO_ON;
  platform::Result<fs::path> path = linuxPathOf(context, directory);
  if (!path || !mayChange(context, *path)) return StepResult::GO_ON;
  std::error_code error;
  for (int attempt = 1; attempt <= kTreeRemoveAttempts; ++attempt) {
    removeTree(context, directory);
    if (!fs::exists(fs::symlink_status(*path, error))) return StepResult::GO_ON;
  }
  context.ui.note("XREMOVE gave up on " + directory + " after " + std::to_string(kTreeRemoveAttempts) + " attempts");
  return StepResult::GO_ON;
}

}  // namespace installer
