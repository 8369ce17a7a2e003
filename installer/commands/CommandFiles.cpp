#include "installer/commands/CommandFiles.h"

#include <algorithm>
#include <system_error>

#include "installer/commands/NamePatterns.h"
#include "installer/script/Language.h"
#include "installer/script/Script.h"
#include "installer/ui/MessageTable.h"
#include "platform/AsciiText.h"

namespace installer {

namespace fs = std::filesystem;

std::string fileMessage(const CommandContext& context, FileMessage number,
                        std::initializer_list<std::string_view> texts) {
  return formatMessage(message(static_cast<int>(number), context.config.language), texts);
}

void setFileStatus(CommandContext& context, FileMessage number, std::initializer_list<std::string_view> texts) {
  context.setStatus(fileMessage(context, number, texts));
}

std::optional<ButtonCode> askUser(CommandContext& context, int number, std::string text, int title,
                                  uint32_t style) {
  MessageBoxRequest box{number, std::move(text), std::string(message(title, context.config.language)), style};
  platform::Result<ButtonCode> answer = context.ui.showMessage(box);
  if (!answer) {
    context.ui.note("no answer to message " + std::to_string(number) + ": " + answer.error().describe() +
                    "; the installation stops");
    context.state.interfaceFailed = true;
    return std::nullopt;
  }
  return *answer;
}

std::string nextArgument(const CommandContext& context, std::string_view arguments, size_t& position) {
  return textToUtf8(readArgument(arguments, position, context.macros), context.config.language);
}

platform::Result<fs::path> linuxPathOf(const CommandContext& context, std::string_view windowsPath) {
  return context.drives.toLinux(windowsPath, context.state.sourceFolder);
}

bool windowsPathExists(const CommandContext& context, std::string_view windowsPath) {
  platform::Result<fs::path> path = linuxPathOf(context, windowsPath);
  std::error_code error;
  return path && fs::exists(*path, error);
}

bool isWindowsDirectory(const CommandContext& context, std::string_view windowsPath) {
  platform::Result<fs::path> path = linuxPathOf(context, windowsPath);
  std::error_code error;
  return path && fs::is_directory(*path, error);
}

platform::Result<platform::ContainedPath> resolveForChange(CommandContext& context, const fs::path& path) {
  return context.writeScope().resolve(path);
}

std::optional<platform::ContainedPath> changeable(CommandContext& context, const fs::path& path,
                                                  std::string_view windowsPath) {
  platform::Result<platform::ContainedPath> resolved = resolveForChange(context, path);
  if (resolved) return std::move(resolved).value();
  const platform::Error& error = resolved.error();
  reportFailure(context, error);
  std::string subject = std::string(context.commandName) + " '" + std::string(windowsPath) + "'";
  std::string text = formatMessage(message(MSG_FAILURE_FORMAT, context.config.language),
                                   {subject, std::to_string(error.code)});
  (void)askUser(context, MSG_FAILURE_FORMAT, text, MSG_TITLE_MESSAGE, kInformationOk);  // OK is its only answer
  return std::nullopt;
}

std::vector<FoundEntry> findEntries(const CommandContext& context, std::string_view pattern) {
  std::vector<FoundEntry> found;
  std::string_view directory = directoryPart(pattern);
  platform::Result<fs::path> folder = linuxPathOf(context, directory);
  if (!folder) return found;
  std::error_code error;
  for (fs::directory_iterator next(*folder, error), end; !error && next != end; next.increment(error)) {
    const fs::directory_entry& entry = *next;
    std::string name = entry.path().filename().string();
    if (!matchName(pattern, name)) continue;
    FoundEntry item;
    item.windowsPath = std::string(directory) + name;
    item.path = entry.path();
    item.link = entry.is_symlink(error);
    item.directory = !item.link && entry.is_directory(error);
    found.push_back(std::move(item));
  }
  std::sort(found.begin(), found.end(),
            [](const FoundEntry& a, const FoundEntry& b) { return a.windowsPath < b.windowsPath; });
  return found;
}

FolderEntries::FolderEntries(fs::path folder) : folder(std::move(folder)) {
  std::error_code error;
  for (fs::directory_iterator next(this->folder, error), end; !error && next != end; next.increment(error)) {
    add(next->path().filename().string());
  }
}

fs::path FolderEntries::pathOf(std::string_view name) const {
  std::string exact(name);
  if (names.contains(exact)) return folder / exact;
  auto match = namesByLowerCase.find(platform::lowerAsciiText(name));
  return folder / (match != namesByLowerCase.end() ? match->second : exact);
}

void FolderEntries::add(const std::string& name) {
  names.insert(name);
  namesByLowerCase.emplace(platform::lowerAsciiText(name), name);
}

void noteFailure(CommandContext& context, const platform::Error& error) {
  context.ui.note("failed (error " + std::to_string(error.code) + "): " + error.describe());
}

void reportFailure(CommandContext& context, const platform::Error& error) {
  context.recordProblem(error.describe() + " (error " + std::to_string(error.code) + ")");
}

void noteChange(CommandContext& context, std::string_view what, const fs::path& path) {
  context.ui.note(std::string(what) + " " + path.string());
}

}  // namespace installer
