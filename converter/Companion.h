#pragma once

namespace converter {

/// Whether the companion product's monitor program ("Pelmorix.exe") is running.
[[nodiscard]] bool companionRunning();

}  // namespace converter
