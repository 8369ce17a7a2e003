#pragma once
// Circular arcs and cubic Bezier segments: the circle a segment lies on, the recognition of a segment as one of
// the arcs the plug-ins build, and the construction of such a segment. Arcs are built and recognised with one
// handle-to-tangent ratio (arcHandleRatio), so that what one plug-in draws the other reads back as an arc.

#include "plugin-common/PlaneGeometry.h"

namespace plugin {

/// Whose tolerances a circle or arc test uses. The drafting plug-in tests the handles' y-extents for exact
/// equality and accepts radii within 0.01 (r / 10000 above 100 points) and ratios within 0.0002; the converter
/// takes y-extents of at most 0.001 as flat, and accepts radii within r × 0.001 and ratios within 0.0005.
enum class ArcTolerance { DRAFTING, CONVERTER };

/// A circle found for a segment.
struct SegmentCircle {
  /// The centre, points.
  WorkPoint centre;
  /// The radius, points.
  double radius = 0;
  /// False when there is no such circle (centre and radius are then meaningless).
  bool ok = false;
};

/// The circle whose centre lies on both anchor normals of the Bezier s→t (the normal to s.anchor→s.out at
/// s.anchor, the normal to t.in→t.anchor at t.anchor), when both anchors lie on it within the tolerance.
/// Two vertical or two parallel normals give none.
[[nodiscard]] SegmentCircle circleFromSegment(const PathSegment& s, const PathSegment& t, ArcTolerance tolerance);

/// The ratio of handle length to the distance from the anchor to the tangents' corner for an arc of the sweep
/// (radians): sin(π/2 - sweep) / 8 + 0.552277, which is 0.552277 for a quarter turn.
[[nodiscard]] double arcHandleRatio(double sweep);

/// The bulge of an arc of the sweep (radians, positive counter-clockwise) as polylines store it: tan(sweep / 4).
[[nodiscard]] double bulgeOfSweep(double sweep);

/// The circle of the Bezier s→t when it is a circular arc of at most a quarter turn with handles of
/// arcHandleRatio, within the tolerance's limits. Retracted handles are never an arc.
[[nodiscard]] SegmentCircle arcFromBezier(const PathSegment& s, const PathSegment& t, ArcTolerance tolerance);

/// Sets s.anchor, s.out, t.in and t.anchor to the Bezier of the arc from a to b around centre (the shorter
/// way, at most a quarter turn for a faithful arc); other fields are left alone. False, with s and t
/// untouched, when both tangents are vertical or they are parallel.
[[nodiscard]] bool arcToBezier(WorkPoint centre, WorkPoint a, WorkPoint b, PathSegment& s, PathSegment& t);

}  // namespace plugin
