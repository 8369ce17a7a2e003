#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/sdk/HostTypes.h"

namespace host {

/// One shape an item's drawing procedure drew.
struct DrawnShape {
  enum class Kind { FRAME, FILL };
  Kind kind = Kind::FILL;
  /// In the item's local coordinates.
  HostRect rect{};
  /// The drawer's colour number (ADM_COLOR_...).
  int32_t color = 0;
};

/// What an item's drawing procedure drew the last time it ran: a window system paints it, headless it is kept
/// so that tests and the terminal can read what a person would have seen.
struct ItemDrawing {
  std::vector<DrawnShape> shapes;
  /// The colour of the next shape.
  int32_t color = 0;
};

/// How full a drawn bar is, 0 to 100: the part of the first frame's inside that black fills cover from its
/// left edge. Nothing when the drawing holds no frame.
[[nodiscard]] std::optional<int> barPercent(const ItemDrawing& drawing);

}  // namespace host
