#pragma once
// What a setup offers, as text for a person choosing answers: the install sets with their types and what each
// switches on, then the install modes and the options with their sizes and comments.

#include <string>

#include "installer/script/SetupConfig.h"

namespace installer {

/// The listing of config (UTF-8), one entry a line, ending in a line end.
[[nodiscard]] std::string listSetup(const SetupConfig& config);

}  // namespace installer
