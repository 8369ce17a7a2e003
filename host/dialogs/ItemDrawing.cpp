#include "host/dialogs/ItemDrawing.h"

#include <algorithm>

#include "host/sdk/DrawerSuite.h"

namespace host {

std::optional<int> barPercent(const ItemDrawing& drawing) {
  auto frame = std::find_if(drawing.shapes.begin(), drawing.shapes.end(),
                            [](const DrawnShape& shape) { return shape.kind == DrawnShape::Kind::FRAME; });
  if (frame == drawing.shapes.end()) return std::nullopt;
  // The bar's inside is the frame less its one-unit outline.
  const int64_t left = int64_t{frame->rect.left} + 1;
  const int64_t right = int64_t{frame->rect.right} - 1;
  if (right <= left) return 0;
  int64_t filledTo = left;
  for (auto shape = frame + 1; shape != drawing.shapes.end(); ++shape) {
    if (shape->kind != DrawnShape::Kind::FILL) continue;
    // A white fill empties the bar again; black fills from the left edge fill it.
    if (shape->color != ADM_COLOR_BLACK) {
      filledTo = left;
    } else if (shape->rect.left <= left) {
      filledTo = std::max(filledTo, std::min<int64_t>(shape->rect.right, right));
    }
  }
  return static_cast<int>((filledTo - left) * 100 / (right - left));
}

}  // namespace host
