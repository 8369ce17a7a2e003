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

void setTime(CommandContext& context, const fs::path& path, fs::file_time_type time) {
  if (platform::Result<void> dated = platform::setModificationTime(path, time); !dated) {
    noteFailure(context, dated.error());
  }
}

}  // namespace

StepResult runFileMove(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string source = nextArgument(context, arguments, position);
  std::string destinationPattern = nextArgument(context, arguments, position);
  if (source.empty() || destinationPattern.empty()) return StepResult::GO_ON;
  for (const FoundEntry& entry : findEntries(context, source)) {
    std::string destination = mapName(destinationPattern, fileNamePart(entry.windowsPath));
    setFileStatus(context, FileMessage::MOVING, {entry.windowsPath, destination});
    StepResult answer = confirmOverwrite(context, destination, entry.windowsPath, true);
    if (answer == StepResult::ABORT) return StepResult::ABORT;
    if (answer == StepResult::SKIP) continue;

    platform::Result<fs::path> from = linuxPathOf(context, entry.windowsPath);
    platform::Result<fs::path> to = linuxPathOf(context, destination);
    if (!from || !to) {
      noteFailure(context, !from ? from.error() : to.error());
      continue;
    }
    if (samePath(*from, *to) || !mayChange(context, *from) || !mayChange(context, *to)) continue;
    std::optional<fs::file_time_type> time = modificationTime(*from);
    std::error_code error;
    if (fs::exists(fs::symlink_status(*to, error))) {
      if (platform::Result<void> deleted = platform::deleteFile(*to); !deleted) noteFailure(context, deleted.error());
    }
    if (platform::Result<void> moved = platform::moveFile(*from, *to); !moved) {
      noteFailure(context, moved.error());
      continue;
    }
    if (time) setTime(context, *to, *time);
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
  platform::Result<fs::path> target = linuxPathOf(context, destination);
  if (!target) {
    noteFailure(context, target.error());
    return StepResult::GO_ON;
  }
  if (!mayChange(context, *target)) return StepResult::GO_ON;
  std::error_code error;
  if (fs::exists(fs::symlink_status(*target, error))) {
    // Appending the parts to what is left of an old file would build a wrong file.
    if (platform::Result<void> deleted = platform::deleteFile(*target); !deleted) {
      noteFailure(context, deleted.error());
      return StepResult::GO_ON;
    }
  }

  platform::Result<fs::path> first = linuxPathOf(context, parts.front());
  std::optional<fs::file_time_type> firstTime = first ? modificationTime(*first) : std::nullopt;
  for (const std::string& part : parts) {
    platform::Result<fs::path> from = linuxPathOf(context, part);
    if (!from) continue;
    std::optional<fs::file_time_type> partTime = modificationTime(*from);
    if (!partTime) continue;  // a part that is not there is left out
    bool created = !fs::exists(*target, error);
    std::optional<fs::file_time_type> keptTime =
        created ? (firstTime ? firstTime : partTime) : modificationTime(*target);
    if (platform::Result<void> appended = platform::appendFile(*from, *target); !appended) {
      noteFailure(context, appended.error());
      continue;  // the part stays where it is
    }
    if (keptTime) setTime(context, *target, *keptTime);
    if (!mayChange(context, *from)) continue;
    if (platform::Result<void> deleted = platform::deleteFile(*from); !deleted) noteFailure(context, deleted.error());
  }
  return StepResult::GO_ON;
}

}  // namespace installer
