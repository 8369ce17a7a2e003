// FLMOVE and MERGE: files that leave their place, moved elsewhere or joined into one.

#include <optional>
#include <system_error>
#include <vector>

#include "installer/commands/CommandFiles.h"
#include "installer/commands/FileCommands.h"
#include "installer/commands/FileQuestions.h"
#include "installer/commands/NamePatterns.h"
#include "platform/FileOperations.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

bool samePath(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return a.lexically_normal() == b.lexically_normal() || fs::equivalent(a, b, error);
}

std::optional<fs::file_time_type> modificationTime(const fs::path& path) {
  std::error_code error;
  fs::file_time_type time = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  return time;
}

void setTime(CommandContext& context, const platform::ContainedPath& path, fs::file_time_type time) {
  if (platform::Result<void> dated = platform::setModificationTime(path, time); !dated) {
    reportFailure(context, dated.error());
  }
}

// Deletes whatever stands at path (a file or a link) before something takes its place; false when it stays.
bool deleteExisting(CommandContext& context, const platform::ContainedPath& path) {
  std::error_code error;
  if (!fs::exists(fs::symlink_status(path.path(), error))) return true;
  if (platform::Result<void> deleted = platform::deleteFile(path); !deleted) {
    reportFailure(context, deleted.error());
    return false;
  }
  noteChange(context, "removed", path.path());
  return true;
}

}  // namespace

StepResult runFileMove(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string source = nextArgument(context, arguments, position);
  std::string destinationPattern = nextArgument(context, arguments, position);
  if (source.empty() || destinationPattern.empty()) return StepResult::GO_ON;
  std::vector<FoundEntry> entries = findEntries(context, source);
  if (entries.empty()) context.recordProblem("nothing matches '" + source + "'; nothing was moved");
  for (const FoundEntry& entry : entries) {
    std::string destination = mapName(destinationPattern, fileNamePart(entry.windowsPath));
    setFileStatus(context, FileMessage::MOVING, {entry.windowsPath, destination});
    StepResult answer = confirmOverwrite(context, destination, entry.windowsPath, true);
    if (answer == StepResult::ABORT) return StepResult::ABORT;
    if (answer == StepResult::SKIP) continue;

    platform::Result<fs::path> from = linuxPathOf(context, entry.windowsPath);
    platform::Result<fs::path> to = linuxPathOf(context, destination);
    if (!from || !to) {
      reportFailure(context, !from ? from.error() : to.error());
      continue;
    }
    if (samePath(*from, *to)) continue;
    std::optional<platform::ContainedPath> leaving = changeable(context, *from, entry.windowsPath);
    if (!leaving) continue;
    std::optional<platform::ContainedPath> arriving = changeable(context, *to, destination);
    if (!arriving) continue;
    std::optional<fs::file_time_type> time = modificationTime(*from);
    (void)deleteExisting(context, *arriving);  // a failure is recorded; the move then fails and says why
    if (platform::Result<void> moved = platform::moveFile(*leaving, *arriving); !moved) {
      reportFailure(context, moved.error());
      continue;
    }
    noteChange(context, "removed", *from);
    noteChange(context, "wrote", *to);
    if (time) setTime(context, *arriving, *time);
  }
  return StepResult::GO_ON;
}

StepResult runMerge(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string destination = nextArgument(context, arguments, position);
  std::vector<std::string> parts;
  while (position < arguments.size()) {
    size_t before = position;
    std::string part = nextArgument(context, arguments, position);
    if (position <= before) break;
    if (!part.empty()) parts.push_back(std::move(part));
  }
  if (destination.empty() || parts.empty()) return StepResult::GO_ON;

  setFileStatus(context, FileMessage::CREATE_FILE, {destination});
  if (confirmOverwrite(context, destination, parts.front(), false) == StepResult::ABORT) return StepResult::ABORT;
  platform::Result<fs::path> targetPath = linuxPathOf(context, destination);
  if (!targetPath) {
    reportFailure(context, targetPath.error());
    return StepResult::GO_ON;
  }
  std::optional<platform::ContainedPath> target = changeable(context, *targetPath, destination);
  // Appending the parts to what is left of an old file would build a wrong file.
  if (!target || !deleteExisting(context, *target)) return StepResult::GO_ON;

  platform::Result<fs::path> first = linuxPathOf(context, parts.front());
  std::optional<fs::file_time_type> firstTime = first ? modificationTime(*first) : std::nullopt;
  bool wrote = false;
  for (const std::string& part : parts) {
    platform::Result<fs::path> from = linuxPathOf(context, part);
    std::optional<fs::file_time_type> partTime = from ? modificationTime(*from) : std::nullopt;
    if (!partTime) {
      context.recordProblem("the part '" + part + "' is missing; it was left out");
      continue;
    }
    std::error_code error;
    bool created = !fs::exists(*targetPath, error);
    std::optional<fs::file_time_type> keptTime =
        created ? (firstTime ? firstTime : partTime) : modificationTime(*targetPath);
    if (platform::Result<void> appended = platform::appendFile(*from, *target); !appended) {
      reportFailure(context, appended.error());
      continue;  // the part stays where it is
    }
    wrote = true;
    if (keptTime) setTime(context, *target, *keptTime);
    std::optional<platform::ContainedPath> used = changeable(context, *from, part);
    if (!used) continue;
    if (platform::Result<void> deleted = platform::deleteFile(*used); !deleted) {
      reportFailure(context, deleted.error());
    } else {
      noteChange(context, "removed", *from);
    }
  }
  if (wrote) noteChange(context, "wrote", *targetPath);
  return StepResult::GO_ON;
}

}  // namespace installer
