#include "installer/script/Selection.h"

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "platform/AsciiText.h"

namespace installer {
namespace {

constexpr int kAll = -1;

struct TypeName {
  std::string_view name;
  InstallType type;
};

constexpr TypeName kTypeNames[] = {
    {"SI", InstallType::SI}, {"MI", InstallType::MI}, {"CI", InstallType::CI},
    {"SD", InstallType::SD}, {"CD", InstallType::CD},
};

std::vector<std::string_view> fieldsOf(std::string_view specification) {
  std::vector<std::string_view> fields;
  while (true) {
    size_t comma = specification.find(',');
    fields.push_back(platform::trimBlanks(specification.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    specification.remove_prefix(comma + 1);
  }
  return fields;
}

std::optional<int> numberOf(std::string_view field) {
  int value = 0;
  auto [end, status] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || status != std::errc{} || end != field.data() + field.size()) return std::nullopt;
  return value;
}

}  // namespace

Selection selectionOf(const SetupConfig& config, std::string_view specification) {
  Selection selection;
  std::vector<std::string_view> fields = fieldsOf(specification);
  for (const TypeName& entry : kTypeNames) {
    if (fields[0] == entry.name) selection.type = entry.type;
  }

  std::optional<int> mode = fields.size() > 1 ? numberOf(fields[1]) : std::nullopt;
  if (mode && *mode >= 0) {
    selection.modesAreRadio = true;
    if (*mode < static_cast<int>(kChoiceLimit)) selection.modeOn[static_cast<size_t>(*mode)] = true;
  } else if (mode && *mode == kAll) {
    for (size_t index = 0; index < kChoiceLimit; ++index) selection.modeOn[index] = config.modes[index].exists;
  }

  for (size_t field = 2; field < fields.size(); ++field) {
    std::optional<int> option = numberOf(fields[field]);
    if (!option) continue;
    if (*option == kAll) {
      for (size_t index = 0; index < kChoiceLimit; ++index) {
        if (config.options[index].exists) selection.optionOn[index] = true;
      }
    } else if (*option >= 0 && *option < static_cast<int>(kChoiceLimit)) {
      selection.optionOn[static_cast<size_t>(*option)] = true;
    }
  }
  return selection;
}

uint64_t selectedTotalKb(const SetupConfig& config, const Selection& selection) {
  uint64_t total = 0;
  for (size_t index = 0; index < kChoiceLimit; ++index) {
    if (config.modes[index].exists && selection.modeOn[index]) total += config.modes[index].sizeKb;
    if (config.options[index].exists && selection.optionOn[index]) total += config.options[index].sizeKb;
  }
  return total;
}

}  // namespace installer
