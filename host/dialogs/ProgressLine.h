#pragma once

#include <string>
#include <string_view>

namespace host {

/// One terminal line for a progress bar: the dialog's title, a bar of width cells and the percentage, as in
/// "Progress [##########          ]  50%". percent is clamped to 0..100.
[[nodiscard]] std::string progressLine(std::string_view title, int percent, int width);

}  // namespace host
