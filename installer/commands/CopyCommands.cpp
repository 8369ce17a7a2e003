// FLCOPY, LZCOPY, XFLCOPY and XLZCOPY: copies of single files and of trees, plain or expanded.

#include <optional>
#include <system_error>

#include "installer/commands/CommandFiles.h"
#include "installer/commands/FileCommands.h"
#include "installer/commands/FileQuestions.h"
#include "installer/commands/NamePatterns.h"
#include "installer/ui/MessageTable.h"
#include "platform/AsciiText.h"
#include "platform/FileAttributes.h"
#include "platform/FileOperations.h"
#include "platform/LzExpand.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

enum class CopyKind { PLAIN, EXPAND };

// The longest name (8 + dot + 3) whose expanded name the compressed file may give.
constexpr size_t kShortNameLength = 12;
constexpr size_t kLastDotFirst = 1;
constexpr size_t kLastDotLast = 8;

std::string withBackslash(std::string_view directory) {
  std::string text(directory);
  if (text.empty() || (text.back() != '\\' && text.back() != '/' && text.back() != ':')) text += '\\';
  return text;
}

// A destination that keeps the source's short name takes the name recorded in the compressed file instead, so
// that A.EX_ lands as A.EXE.
std::string expandedDestination(CommandContext& context, const FoundEntry& source, const std::string& destination) {
  std::string_view name = fileNamePart(destination);
  size_t lastDot = name.rfind('.');
  if (!platform::equalsIgnoringAsciiCase(name, fileNamePart(source.windowsPath)) || name.size() > kShortNameLength ||
      lastDot == std::string_view::npos || lastDot < kLastDotFirst || lastDot > kLastDotLast) {
    return destination;
  }
  platform::Result<std::string> expanded = platform::expandedName(source.path);
  if (!expanded) {
    reportFailure(context, expanded.error());
    return destination;
  }
  return std::string(directoryPart(destination)) + *expanded;
}

// A compressed file that does not expand whole is bad installation media: the user is told, and nothing is
// installed in its place. False when the user interface could not show it.
bool reportDamagedSource(CommandContext& context, const std::string& source, const platform::Error& error) {
  std::string text = formatMessage(message(MSG_FAILURE_FORMAT, context.config.language),
                                   {source, std::to_string(error.code)});
  return askUser(context, MSG_FAILURE_FORMAT, text, MSG_TITLE_MESSAGE, kInformationOk).has_value();
}

StepResult copyOneFile(CommandContext& context, const FoundEntry& source, const std::string& destinationPattern,
                       FolderEntries& destinationFolder, CopyKind kind) {
  std::string destination = mapName(destinationPattern, fileNamePart(source.windowsPath));
  if (kind == CopyKind::EXPAND) destination = expandedDestination(context, source, destination);
  std::string name(fileNamePart(destination));
  fs::path to = destinationFolder.pathOf(name);
  setFileStatus(context, FileMessage::COPYING, {source.windowsPath, destination});
  StepResult answer =
      confirmOverwrite(context, FileName(destination, to), FileName(source.windowsPath, source.path), true);
  if (answer == StepResult::ABORT) return StepResult::ABORT;
  if (answer == StepResult::SKIP) return StepResult::GO_ON;

  fs::path from = source.path;
  if (answer == StepResult::RETRIED) {
    platform::Result<fs::path> found = linuxPathOf(context, source.windowsPath);
    if (!found) {
      reportFailure(context, found.error());
      return StepResult::GO_ON;
    }
    from = *found;
  }
  std::optional<platform::ContainedPath> target = changeable(context, to, destination);
  if (!target) return StepResult::GO_ON;
  platform::Result<void> copied = kind == CopyKind::PLAIN
                                      ? platform::copyFile(from, *target, platform::CopiedAttributes::NORMAL)
                                      : platform::expandFile(from, *target);
  if (!copied) {
    reportFailure(context, copied.error());
    bool damaged = copied.error().code == platform::LZ_ERROR_READ;
    if (damaged && !reportDamagedSource(context, source.windowsPath, copied.error())) return StepResult::ABORT;
    return StepResult::GO_ON;
  }
  noteChange(context, "wrote", to);
  destinationFolder.add(to.filename().string());
  if (kind == CopyKind::EXPAND) {
    // The expanded file takes the permission bits of the compressed one; its attributes become normal here.
    if (platform::Result<void> normal = platform::setFileAttributes(*target, platform::ATTRIBUTE_NORMAL); !normal) {
      reportFailure(context, normal.error());
    }
    std::error_code error;
    fs::file_time_type time = fs::last_write_time(from, error);
    if (!error) {
      if (platform::Result<void> dated = platform::setModificationTime(*target, time); !dated) {
        reportFailure(context, dated.error());
      }
    }
  }
  return StepResult::GO_ON;
}

// The folder a destination pattern writes into, read once for all the files of one command.
FolderEntries destinationFolderOf(const CommandContext& context, std::string_view destinationPattern) {
  platform::Result<fs::path> folder = linuxPathOf(context, directoryPart(destinationPattern));
  return FolderEntries(folder ? *folder : fs::path());
}

StepResult copyMatchingFiles(CommandContext& context, std::string_view sourcePattern,
                             const std::string& destinationPattern, CopyKind kind) {
  std::vector<FoundEntry> entries = findEntries(context, sourcePattern);
  if (entries.empty()) {
    context.recordProblem("no file matches '" + std::string(sourcePattern) + "'; nothing was copied");
    return StepResult::GO_ON;
  }
  FolderEntries destinationFolder = destinationFolderOf(context, destinationPattern);
  for (const FoundEntry& entry : entries) {
    if (entry.directory) continue;
    if (copyOneFile(context, entry, destinationPattern, destinationFolder, kind) == StepResult::ABORT) {
      return StepResult::ABORT;
    }
  }
  return StepResult::GO_ON;
}

StepResult copyTree(CommandContext& context, const std::string& sourceDirectory,
                    const std::string& destinationDirectory, CopyKind kind, const fs::path& topDestination) {
  if (!isWindowsDirectory(context, sourceDirectory)) return StepResult::GO_ON;
  StepResult made = ensureDirectory(context, destinationDirectory);
  if (made == StepResult::ABORT) return StepResult::ABORT;
  if (made == StepResult::SKIP) return StepResult::GO_ON;  // nothing can be copied into a directory that is not there

  std::string source = withBackslash(sourceDirectory);
  std::string destination = withBackslash(destinationDirectory);
  std::vector<FoundEntry> entries = findEntries(context, source + "*.*");
  FolderEntries destinationFolder = destinationFolderOf(context, destination);
  for (const FoundEntry& entry : entries) {
    if (entry.directory) continue;
    if (copyOneFile(context, entry, destination + "*.*", destinationFolder, kind) == StepResult::ABORT) {
      return StepResult::ABORT;
    }
  }
  for (const FoundEntry& entry : entries) {
    if (!entry.directory) continue;
    // A destination inside the source tree is not copied into itself again.
    std::error_code error;
    if (!topDestination.empty() && fs::equivalent(entry.path, topDestination, error)) continue;
    std::string name(fileNamePart(entry.windowsPath));
    StepResult made = ensureDirectory(context, destination + name);
    if (made == StepResult::ABORT) return StepResult::ABORT;
    if (made == StepResult::SKIP) continue;
    if (copyTree(context, source + name, destination + name, kind, topDestination) == StepResult::ABORT) {
      return StepResult::ABORT;
    }
  }
  return StepResult::GO_ON;
}

StepResult runCopy(CommandContext& context, std::string_view arguments, CopyKind kind) {
  size_t position = 0;
  std::string source = nextArgument(context, arguments, position);
  std::string destination = nextArgument(context, arguments, position);
  if (source.empty() || destination.empty()) return StepResult::GO_ON;
  return copyMatchingFiles(context, source, destination, kind);
}

StepResult runTree(CommandContext& context, std::string_view arguments, CopyKind kind) {
  size_t position = 0;
  std::string source = nextArgument(context, arguments, position);
  std::string destination = nextArgument(context, arguments, position);
  if (source.empty() || destination.empty()) return StepResult::GO_ON;
  if (!isWindowsDirectory(context, source)) {
    context.recordProblem("the folder '" + source + "' does not exist; nothing was copied");
    return StepResult::GO_ON;
  }
  platform::Result<fs::path> top = linuxPathOf(context, destination);
  return copyTree(context, source, destination, kind, top ? *top : fs::path());
}

}  // namespace

StepResult runFileCopy(CommandContext& context, std::string_view arguments) {
  return runCopy(context, arguments, CopyKind::PLAIN);
}

StepResult runExpandCopy(CommandContext& context, std::string_view arguments) {
  return runCopy(context, arguments, CopyKind::EXPAND);
}

StepResult runTreeCopy(CommandContext& context, std::string_view arguments) {
  return runTree(context, arguments, CopyKind::PLAIN);
}

StepResult runExpandTreeCopy(CommandContext& context, std::string_view arguments) {
  return runTree(context, arguments, CopyKind::EXPAND);
}

}  // namespace installer
