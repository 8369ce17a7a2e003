#include "installer/script/Script.h"

#include <algorithm>

#include "installer/script/ConfigText.h"

namespace installer {

std::string_view scriptHeader(InstallType type) { return isInstallType(type) ? "[INSTALL-SCRIPT]" : "[DELETE-SCRIPT]"; }

std::optional<DiskLabel> diskLabelOf(std::string_view line) {
  if (!line.starts_with(':')) return std::nullopt;
  line.remove_prefix(1);
  size_t space = line.find(' ');
  DiskLabel label;
  label.label = std::string(line.substr(0, space));
  if (space != std::string_view::npos) label.description = std::string(line.substr(space + 1));
  return label;
}

CommandLine commandLineOf(std::string_view line) {
  size_t space = line.find(' ');
  if (space == std::string_view::npos) return {line, {}};
  return {line.substr(0, space), line.substr(space + 1)};
}

bool argumentIsQuoted(std::string_view arguments, size_t position) {
  return position < arguments.size() && arguments[position] == '"';
}

std::string readArgument(std::string_view arguments, size_t& position, const MacroValues& macros) {
  if (argumentIsQuoted(arguments, position)) {
    ++position;
    std::string argument = nextToken('"', position, arguments, macros);
    if (position < arguments.size()) ++position;  // the closing quote
    if (position < arguments.size() && arguments[position] == ' ') ++position;
    return argument;
  }
  std::string argument = nextToken(' ', position, arguments, macros);
  if (position < arguments.size()) ++position;  // the space
  return argument;
}

std::vector<DiskGroup> countCommands(std::string_view buffer, size_t sectionStart, const SetupConfig& config,
                                     const Selection& selection, std::span<const CommandEntry> table) {
  std::vector<DiskGroup> groups(1);
  bool implicitGroup = true;
  size_t position = sectionStart;
  while (std::optional<std::string> line = readLine(buffer, position, config.language)) {
    if (line->empty()) continue;
    if (line->starts_with('[')) break;
    if (std::optional<DiskLabel> label = diskLabelOf(*line)) {
      if (implicitGroup && groups.back().commands == 0) {
        groups.back().label = std::move(*label);
      } else {
        groups.push_back(DiskGroup{std::move(*label), 0});
      }
      implicitGroup = false;
      continue;
    }
    if (findCommand(table, commandLineOf(*line).name) == nullptr) continue;
    if (!conditionHolds(parseCondition(*line), config, selection)) continue;
    ++groups.back().commands;
  }
  return groups;
}

std::vector<UnknownCommand> unknownCommands(std::string_view buffer, size_t sectionStart, LanguageId language,
                                            std::span<const CommandEntry> table) {
  std::vector<UnknownCommand> unknown;
  size_t line = lineNumberAt(buffer, sectionStart);
  size_t position = sectionStart;
  for (; std::optional<std::string> text = readLine(buffer, position, language); ++line) {
    if (text->empty() || diskLabelOf(*text)) continue;
    if (text->starts_with('[')) break;
    std::string_view name = commandLineOf(*text).name;
    if (findCommand(table, name) == nullptr) unknown.push_back(UnknownCommand{line, std::string(name)});
  }
  return unknown;
}

size_t lineNumberAt(std::string_view buffer, size_t position) {
  std::string_view before = buffer.substr(0, std::min(position, buffer.size()));
  return 1 + static_cast<size_t>(std::count(before.begin(), before.end(), '\n'));
}

bool isPlainDiskLabel(std::string_view label) {
  return !label.empty() && label != "." && label != ".." && label.find_first_of("\\/:") == std::string_view::npos;
}

size_t totalSteps(const std::vector<DiskGroup>& groups) {
  size_t total = 0;
  for (const DiskGroup& group : groups) total += group.commands;
  return total;
}

}  // namespace installer
