#pragma once

namespace plugin {

/// True while the user asks to stop a long operation: Escape is down, or Ctrl together with the numeric
/// keypad's decimal point.
[[nodiscard]] bool cancelRequested();

}  // namespace plugin
