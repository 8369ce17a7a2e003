#pragma once
// The condition at the end of a script line: an install-mode number and an option number, read backwards.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "installer/script/Selection.h"

namespace installer {

/// The install mode and option a script line requires. Nothing means no field; a negative number requires
/// nothing either.
struct ScriptCondition {
  /// The install mode that must be on, when from 0 upward.
  std::optional<int32_t> mode;
  /// The option that must be on, when from 0 upward.
  std::optional<int32_t> option;
  /// How many characters at the end of the line the condition occupies (0 when it has none).
  size_t length = 0;
};

/// The condition of a script line, scanned from its last character: digits build the option field, one space
/// moves to the mode field, a second space ends the scan, "-" negates the field; any other character (or a
/// digit after a "-") leaves the field without a value (in the option field, both fields) and ends the scan.
[[nodiscard]] ScriptCondition parseCondition(std::string_view line);

/// True when the line may run: a mode from 0 upward must exist and be on, an option from 0 upward likewise.
[[nodiscard]] bool conditionHolds(const ScriptCondition& condition, const SetupConfig& config,
                                  const Selection& selection);

}  // namespace installer
