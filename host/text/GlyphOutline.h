#pragma once
// The shape of one glyph at unit size as cubic Bezier contours, in ems, y upwards, origin at the glyph's
// baseline start. Quadratic curves of the font are raised to cubics without loss.

#include <vector>

namespace host {

/// A point of an outline, in ems.
struct OutlinePoint {
  /// Horizontal, ems from the glyph origin.
  double x = 0;
  /// Vertical, ems above the baseline.
  double y = 0;
};

/// One anchor of a contour with the handles of the curves arriving at it and leaving it. A straight
/// segment has its handles on its anchors.
struct OutlineAnchor {
  /// The anchor.
  OutlinePoint point;
  /// The handle of the curve from the previous anchor.
  OutlinePoint in;
  /// The handle of the curve to the next anchor.
  OutlinePoint out;
};

/// A closed contour: the last anchor joins the first through its out handle and the first's in handle.
struct OutlineContour {
  /// The anchors in drawing order.
  std::vector<OutlineAnchor> anchors;
};

/// All contours of a glyph; none for a blank glyph such as a space.
struct GlyphOutline {
  /// The contours in the font's order.
  std::vector<OutlineContour> contours;
};

}  // namespace host
