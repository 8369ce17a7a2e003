#include "installer/script/Conditions.h"

#include "platform/AsciiText.h"

namespace installer {
namespace {

// Larger field values mean no existing mode or option; the field stops growing there so it cannot overflow.
constexpr int64_t kFieldCeiling = 1'000'000'000;

struct Field {
  int64_t value = 0;
  int64_t placeValue = 1;
  bool negative = false;
  bool valid = true;
};

bool choiceIsOn(int32_t number, const std::array<Choice, kChoiceLimit>& choices,
                const std::array<bool, kChoiceLimit>& on) {
  if (number < 0) return true;
  if (number >= static_cast<int32_t>(kChoiceLimit)) return false;
  size_t index = static_cast<size_t>(number);
  return choices[index].exists && on[index];
}

}  // namespace

ScriptCondition parseCondition(std::string_view line) {
  Field fields[2];  // [0] the option, read first; [1] the install mode
  size_t current = 0;
  size_t modeStart = 0;  // where the characters of the mode field begin, counted from the end
  size_t scanned = 0;
  for (size_t index = line.size(); index-- > 0;) {
    char c = line[index];
    Field& field = fields[current];
    if (c == ' ') {
      if (current == 1) break;
      current = 1;
      modeStart = scanned;
      ++scanned;
      continue;
    }
    if (platform::isAsciiDigit(c) && !field.negative) {
      if (field.value < kFieldCeiling) {
        field.value += (c - '0') * field.placeValue;
        field.placeValue = field.placeValue < kFieldCeiling ? field.placeValue * 10 : field.placeValue;
      }
      ++scanned;
      continue;
    }
    if (c == '-') {
      field.value = -field.value;
      field.negative = true;
      ++scanned;
      continue;
    }
    field.valid = false;
    if (current == 0) fields[1].valid = false;
    break;
  }

  ScriptCondition condition;
  auto clamp = [](int64_t value) {
    return static_cast<int32_t>(value > kFieldCeiling    ? kFieldCeiling
                                : value < -kFieldCeiling ? -kFieldCeiling
                                                         : value);
  };
  if (fields[0].valid) condition.option = clamp(fields[0].value);
  if (current == 1 && fields[1].valid) condition.mode = clamp(fields[1].value);
  if (!fields[0].valid) {
    condition.length = 0;
  } else if (condition.mode) {
    condition.length = scanned;
  } else {
    condition.length = current == 1 ? modeStart : scanned;
  }
  if (condition.length > line.size()) condition.length = line.size();
  return condition;
}

bool conditionHolds(const ScriptCondition& condition, const SetupConfig& config, const Selection& selection) {
  if (condition.mode && !choiceIsOn(*condition.mode, config.modes, selection.modeOn)) return false;
  if (condition.option && !choiceIsOn(*condition.option, config.options, selection.optionOn)) return false;
  return true;
}

}  // namespace installer
