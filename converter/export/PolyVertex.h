#pragma once

namespace converter {

/// A polyline vertex in artwork points (before the DXF transform). The bulge describes the arc from this
/// vertex to the next: the tangent of a quarter of its included angle, positive counter-clockwise, 0 straight.
struct PolyVertex {
  /// Position, points.
  double x = 0;
  double y = 0;
  /// tan(included angle / 4) of the arc to the next vertex.
  double bulge = 0;
};

}  // namespace converter
