// SETATTRIBUTE: the attribute words of a script line applied to the files a pattern finds.

#include <algorithm>
#include <optional>

#include "installer/commands/CommandFiles.h"
#include "installer/commands/FileCommands.h"
#include "platform/FileAttributes.h"

namespace installer {
namespace {

struct AttributeWord {
  std::string_view word;
  uint32_t bit;
};

constexpr AttributeWord kAttributeWords[] = {
    {"ARCHIVE", platform::ATTRIBUTE_ARCHIVE},     {"NORMAL", platform::ATTRIBUTE_NORMAL},
    {"HIDDEN", platform::ATTRIBUTE_HIDDEN},       {"READONLY", platform::ATTRIBUTE_READONLY},
    {"SYSTEM", platform::ATTRIBUTE_SYSTEM},       {"TEMPORARY", platform::ATTRIBUTE_TEMPORARY},
};

}  // namespace

/// The attribute bits the words name, found anywhere in text without regard to case.
uint32_t attributesNamedIn(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  uint32_t bits = 0;
  for (const AttributeWord& word : kAttributeWords) {
    if (upper.find(word.word) != std::string::npos) bits |= word.bit;
  }
  return bits;
}

StepResult runSetAttribute(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string pattern = nextArgument(context, arguments, position);
  std::string words = nextArgument(context, arguments, position);
  if (pattern.empty() || words.empty()) return StepResult::GO_ON;
  uint32_t bits = attributesNamedIn(words);
  for (const FoundEntry& entry : findEntries(context, pattern)) {
    // Directories are not affected; a link has no attributes of its own and its target is not changed.
    if (entry.directory || entry.link) continue;
    // The search leaves out system files, so their attributes stay as they are.
    platform::Result<uint32_t> current = platform::fileAttributes(entry.path);
    if (!current || (*current & platform::ATTRIBUTE_SYSTEM) != 0) continue;
    setFileStatus(context, FileMessage::SET_ATTRIBUTES, {entry.windowsPath});
    std::optional<platform::ContainedPath> file = changeable(context, entry.path, entry.windowsPath);
    if (!file) continue;
    if (platform::Result<void> set = platform::setFileAttributes(*file, bits); !set) {
      reportFailure(context, set.error());
      continue;
    }
    noteChange(context, "set attributes of", entry.path);
  }
  return StepResult::GO_ON;
}

}  // namespace installer
