#pragma once
// Rewrites of a segment's vertex list before it is written: line optimization drops vertices that do not
// leave the current direction by more than the tolerance, and arc smoothing re-fits the list with circular
// arcs through consecutive triples of vertices, merging triples that lie on one circle.

#include <vector>

#include "converter/export/PolyVertex.h"
#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// The smallest tolerance either rewrite works with, points.
inline constexpr double kMinimumSimplifyTolerance = 0.00001;
/// Merged arcs stay below this sweep (just under a half turn), radians.
inline constexpr double kMergedArcSweepLimit = 3.141583;

/// The tolerance the rewrites use for the export tolerance cnvtAber: at least kMinimumSimplifyTolerance.
[[nodiscard]] double simplifyTolerance(double cnvtAber);

/// The signed sweep (radians, positive counter-clockwise) of the arc about centre from start to end that passes
/// through the point via.
[[nodiscard]] double sweepThrough(plugin::WorkPoint centre, plugin::WorkPoint start, plugin::WorkPoint end,
                                  plugin::WorkPoint via);
/// The same for the arc that does not pass through the point avoided.
[[nodiscard]] double sweepAvoiding(plugin::WorkPoint centre, plugin::WorkPoint start, plugin::WorkPoint end,
                                   plugin::WorkPoint avoided);

/// The circle through three points.
struct ThreePointCircle {
  /// The centre, points.
  plugin::WorkPoint centre;
  /// The radius, points.
  double radius = 0;
  /// False for collinear (or coinciding) points, which have no circle.
  bool ok = false;
};

/// The circle through a, b and c.
[[nodiscard]] ThreePointCircle circleThrough(plugin::WorkPoint a, plugin::WorkPoint b, plugin::WorkPoint c);

/// Line optimization of a list of more than two vertices: a vertex stays only where the direction from the
/// vertex kept before the last one changes by more than tolerance; otherwise it replaces the last kept vertex.
/// The first and the last vertex always stay; kept vertices keep their bulges.
void optimizeLines(std::vector<PolyVertex>& vertices, double tolerance);

/// Arc smoothing of a list of more than two vertices: every triple (starting at the end of the one before)
/// becomes one arc from its first to its last point through its middle one, and continues the arc before it
/// when it lies on that arc's circle within tolerance and the whole stays below a half turn. A vertex left over
/// at the end gets an arc from the last triple's end. The last vertex is kept, with bulge 0. A triple that
/// turns by a right angle or more at its middle point (a corner or a cusp) keeps its three points as chords.
void smoothArcs(std::vector<PolyVertex>& vertices, double tolerance);

}  // namespace converter
