#include "installer/commands/FileQuestions.h"

#include <chrono>
#include <ctime>
#include <system_error>
#include <tuple>

#include "installer/commands/CommandFiles.h"
#include "installer/ui/MessageTable.h"
#include "platform/FileOperations.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

// The fields a dated file name shows: year, month, day, hour, minute and the second halved (two-second steps).
std::tuple<int, int, int, int, int, int> dateFields(fs::file_time_type time) {
  std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(time)));
  std::tm local{};
  localtime_r(&seconds, &local);
  return {local.tm_year, local.tm_mon, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec / 2};
}

// The file's Linux path: the one the command found, else through the drive map (empty when there is none).
fs::path linuxPathOfFile(const CommandContext& context, const FileName& file) {
  if (!file.linuxPath.empty()) return file.linuxPath;
  platform::Result<fs::path> path = linuxPathOf(context, file.windowsPath);
  return path ? *path : fs::path();
}

bool fileExists(const fs::path& path) {
  std::error_code error;
  return !path.empty() && fs::exists(path, error);
}

fs::file_time_type modificationTime(const fs::path& path) {
  std::error_code error;
  return fs::last_write_time(path, error);
}

platform::Result<void> makeDirectoryAt(CommandContext& context, const fs::path& path) {
  platform::Result<platform::ContainedPath> contained = resolveForChange(context, path);
  if (!contained) return contained.error();
  return platform::makeDirectory(*contained);
}

}  // namespace

DateOrder compareDates(fs::file_time_type destination, fs::file_time_type source) {
  auto destinationFields = dateFields(destination);
  auto sourceFields = dateFields(source);
  if (destinationFields == sourceFields) return DateOrder::SAME;
  return destinationFields > sourceFields ? DateOrder::NEWER : DateOrder::OLDER;
}

bool confirmAbort(CommandContext& context) {
  std::optional<ButtonCode> answer =
      askUser(context, MSG_ABORT_QUESTION, std::string(message(MSG_ABORT_QUESTION, context.config.language)),
              MSG_TITLE_ABORT, kQuestionYesNoNo);
  return !answer || *answer == ButtonCode::YES;
}

StepResult confirmOverwrite(CommandContext& context, const FileName& destination, const FileName& source,
                            bool abortable) {
  bool retried = false;
  fs::path sourcePath = linuxPathOfFile(context, source);
  while (!fileExists(sourcePath)) {
    std::optional<ButtonCode> answer = askUser(context, static_cast<int>(FileMessage::CANNOT_FIND),
                                               fileMessage(context, FileMessage::CANNOT_FIND, {source.windowsPath}),
                                               MSG_TITLE_MESSAGE, kStopAbortRetryIgnore);
    if (!answer) return StepResult::ABORT;
    if (*answer == ButtonCode::IGNORE) {
      context.recordProblem("the source '" + source.windowsPath + "' is missing; it was skipped");
      return StepResult::SKIP;
    }
    if (*answer == ButtonCode::ABORT) {
      if (confirmAbort(context)) return StepResult::ABORT;
      continue;
    }
    retried = true;
    // Look again from the Windows name: the file that turned up may be spelt in another letter case.
    sourcePath = linuxPathOfFile(context, FileName(source.windowsPath));
  }
  fs::path destinationPath = linuxPathOfFile(context, destination);
  if (!fileExists(destinationPath)) return retried ? StepResult::RETRIED : StepResult::GO_ON;

  DateOrder order = compareDates(modificationTime(destinationPath), modificationTime(sourcePath));
  if (order != DateOrder::NEWER && context.state.overwriteAll) return StepResult::GO_ON;
  FileMessage question = order == DateOrder::NEWER  ? FileMessage::EXISTS_NEWER
                         : order == DateOrder::SAME ? FileMessage::EXISTS_SAME_DATE
                                                    : FileMessage::EXISTS_OLDER;
  uint32_t buttons = order == DateOrder::NEWER ? (abortable ? STYLE_OK_CANCEL_ABORT : STYLE_OK_CANCEL)
                                               : (abortable ? STYLE_OK_YES_ALL_CANCEL_ABORT : STYLE_OK_YES_ALL_CANCEL);
  while (true) {
    std::optional<ButtonCode> answer =
        askUser(context, static_cast<int>(question), fileMessage(context, question, {destination.windowsPath}),
                MSG_TITLE_MESSAGE, ICON_INFORMATION | buttons);
    if (!answer) return StepResult::ABORT;
    switch (*answer) {
      case ButtonCode::YES_ALL:
        context.state.overwriteAll = true;
        return StepResult::GO_ON;
      case ButtonCode::CANCEL:
        return abortable ? StepResult::SKIP : StepResult::ABORT;
      case ButtonCode::ABORT:
        if (confirmAbort(context)) return StepResult::ABORT;
        continue;
      default:
        return StepResult::GO_ON;
    }
  }
}

StepResult ensureDirectory(CommandContext& context, std::string_view directory) {
  if (windowsPathExists(context, directory)) return StepResult::GO_ON;
  while (true) {
    platform::Result<fs::path> path = linuxPathOf(context, directory);
    platform::Result<void> made = path ? makeDirectoryAt(context, *path) : platform::Result<void>(path.error());
    if (made) {
      noteChange(context, "created directory", *path);
      return StepResult::GO_ON;
    }
    noteFailure(context, made.error());
    while (true) {
      std::optional<ButtonCode> answer = askUser(
          context, static_cast<int>(FileMessage::CREATE_DIRECTORY_FAILED),
          fileMessage(context, FileMessage::CREATE_DIRECTORY_FAILED, {directory}), MSG_TITLE_MESSAGE,
          ICON_INFORMATION | STYLE_ABORT_RETRY_IGNORE);
      if (!answer) return StepResult::ABORT;
      if (*answer == ButtonCode::IGNORE) {
        context.recordProblem("the directory '" + std::string(directory) + "' was not created: " +
                              made.error().describe() + " (error " + std::to_string(made.error().code) + ")");
        return StepResult::SKIP;
      }
      if (*answer != ButtonCode::ABORT) break;
      if (confirmAbort(context)) return StepResult::ABORT;
    }
  }
}

}  // namespace installer
