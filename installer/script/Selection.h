#pragma once
// The user's choice: which install modes and options are on, and the install type of the selected set.

#include <array>
#include <cstdint>
#include <string_view>

#include "installer/script/SetupConfig.h"

namespace installer {

/// The modes and options switched on, and how the modes behave.
struct Selection {
  /// The type of the selected install set.
  InstallType type = InstallType::CI;
  /// True when the install modes are radio buttons (one on at a time), false for independent check boxes.
  bool modesAreRadio = false;
  /// Install modes switched on, by number.
  std::array<bool, kChoiceLimit> modeOn{};
  /// Options switched on, by number.
  std::array<bool, kChoiceLimit> optionOn{};
};

/// The selection an install-set specification gives: every mode and option off, then the type ("SI", "MI",
/// "CI", "SD", "CD"; else CI), the install mode (n: radio buttons with n on; -1: check boxes, all on; missing:
/// check boxes, all off) and the options to switch on (-1: all).
[[nodiscard]] Selection selectionOf(const SetupConfig& config, std::string_view specification);

/// The sum of the sizes of the declared modes and options that are on, in KB.
[[nodiscard]] uint64_t selectedTotalKb(const SetupConfig& config, const Selection& selection);

}  // namespace installer
