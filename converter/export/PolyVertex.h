#pragma once

#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// A polyline vertex in artwork points (before the DXF transform): a working point with the bulge of the arc
/// from this vertex to the next, the tangent of a quarter of its included angle, positive counter-clockwise,
/// 0 straight.
struct PolyVertex : plugin::WorkPoint {
  /// tan(included angle / 4) of the arc to the next vertex.
  double bulge = 0;
  /// Same position and bulge.
  friend bool operator==(const PolyVertex&, const PolyVertex&) = default;
};

}  // namespace converter
