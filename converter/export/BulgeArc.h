#pragma once
// The circular arc a polyline vertex's bulge describes, as the DXF writer needs it: for an ARC entity
// (centre, radius, counter-clockwise start and end angle), or as a run of straight segments for readers that
// take no arcs.

#include <vector>

#include "converter/export/PolyVertex.h"
#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// A bulge arc in artwork points. Angles are radians in [0, 2π) and the arc runs counter-clockwise from
/// startAngle to endAngle, as a DXF ARC does.
struct BulgeArc {
  /// The circle's centre, points.
  plugin::WorkPoint centre;
  /// The circle's radius, points.
  double radius = 0;
  /// Where the arc starts and ends, radians.
  double startAngle = 0;
  double endAngle = 0;
};

/// The arc from start to end with start's bulge: counter-clockwise for a bulge of 0 or more, clockwise for a
/// negative one (its angles are then exchanged, so that the result still runs counter-clockwise). The bulge
/// must not be 0 (a straight segment has no arc).
[[nodiscard]] BulgeArc bulgeArc(const PolyVertex& start, const PolyVertex& end);

/// Fewest and most straight segments of an arc written as a polyline.
inline constexpr int kMinimumArcSegments = 2;
inline constexpr int kMaximumArcSegments = 63;

/// How many straight segments replace an arc of the radius and sweep (radians), so that each segment's
/// middle lies less than tolerance (points) from the arc where that is possible: 2 to 63.
[[nodiscard]] int arcSegmentCount(double radius, double sweep, double tolerance);

/// The arc from start to end as the vertices of straight segments (bulge 0): the first and last are the arc's
/// end points (start first for a positive bulge, end first for a negative one), the others lie on the arc.
[[nodiscard]] std::vector<PolyVertex> arcAsSegments(const PolyVertex& start, const PolyVertex& end, double tolerance);

}  // namespace converter
