#pragma once
// Plane geometry shared by both plug-ins: the host's point and segment types, a double-precision working point,
// and the small helpers every measurement and conversion is built from. Lengths are artwork points (1/72 inch,
// y upwards) and angles radians in (-π, π] as the two-argument arc tangent returns them.
//
// The plug-ins have always computed with their own decimal values of π and its fractions; results that files
// and drawings depend on come out of them, so they are kept exactly as written below.

#include <cmath>
#include <cstdint>

#include "host/sdk/HostTypes.h"
#include "host/sdk/PathSuite.h"

namespace plugin {

/// π as the plug-ins write it.
inline constexpr double kPi = 3.141593;
/// 2π as the plug-ins write it.
inline constexpr double kTwoPi = 6.283186;
/// π/2 for angle offsets.
inline constexpr double kHalfPi = 1.570796;
/// π/2 inside the arc handle formula (arcHandleRatio).
inline constexpr double kArcHalfPi = 1.5707965;
/// π/4 as most of the drafting code writes it.
inline constexpr double kQuarterPi = 0.78539825;
/// π/4 as the snapping code writes it.
inline constexpr double kSnapQuarterPi = 0.7853981635;
/// The largest sweep a Bezier segment may have and still be recognised as a circular arc (a quarter turn
/// with some room).
inline constexpr double kArcSweepLimit = 1.5708965;
/// Handle-to-tangent ratio of a quarter circle; arcHandleRatio adds the correction for shorter arcs.
inline constexpr double kQuarterArcHandleRatio = 0.552277;

/// The host's point: two 4-byte reals, artwork points.
struct ArtPoint {
  /// Points to the right.
  float x = 0;
  /// Points upwards.
  float y = 0;
  /// Same coordinates.
  friend bool operator==(const ArtPoint&, const ArtPoint&) = default;
};

/// The point all computation is done on: two 8-byte reals, artwork points.
struct WorkPoint {
  /// Points to the right.
  double x = 0;
  /// Points upwards.
  double y = 0;
  /// Same coordinates.
  friend bool operator==(const WorkPoint&, const WorkPoint&) = default;
};

/// The host's path segment: an anchor with its two handles. The Bezier from segment s to segment t has the
/// control points s.anchor, s.out, t.in, t.anchor; it is straight when s.out = s.anchor and t.in = t.anchor.
struct PathSegment {
  /// The anchor point.
  ArtPoint anchor;
  /// The handle of the curve arriving at the anchor.
  ArtPoint in;
  /// The handle of the curve leaving the anchor.
  ArtPoint out;
  /// Non-zero for a corner (handles move independently); not used by the geometry.
  int32_t corner = 0;
  /// Same points and flag.
  friend bool operator==(const PathSegment&, const PathSegment&) = default;
};

// The conversions and the distance are inline: path conversion calls them for every flattened point.

/// Widens both coordinates.
[[nodiscard]] inline WorkPoint toWork(ArtPoint point) { return {point.x, point.y}; }
/// Narrows both coordinates to 4-byte reals.
[[nodiscard]] inline ArtPoint toArt(WorkPoint point) {
  return {static_cast<float>(point.x), static_cast<float>(point.y)};
}

/// The host's point as the plug-ins' 4-byte point.
[[nodiscard]] inline ArtPoint fromHost(HostRealPoint point) { return {point.h, point.v}; }
/// The host's path segment as the plug-ins' segment: anchor, handles and corner flag as they are.
[[nodiscard]] inline PathSegment fromHost(const HostPathSegment& segment) {
  return {fromHost(segment.p), fromHost(segment.in), fromHost(segment.out), segment.corner};
}

/// 1 when x ≥ 0 (zero included), otherwise -1.
[[nodiscard]] int16_t sign(double x);
/// The smaller of a and b.
[[nodiscard]] double minOf(double a, double b);
/// The larger of a and b.
[[nodiscard]] double maxOf(double a, double b);
/// The absolute value.
[[nodiscard]] double absOf(double x);
/// True when a and b differ by less than 0.0001.
[[nodiscard]] bool nearlyEqual(double a, double b);
/// x rounded to an integer, halves away from zero (2.5 gives 3, -2.5 gives -3). Values beyond the 32-bit range
/// give its nearest end; NaN gives 0.
[[nodiscard]] int32_t roundHalfAway(double x);
/// x multiplied by itself n times; 1.0 for n ≤ 0 (so powSmall(2, -1) is 1.0).
[[nodiscard]] double powSmall(double x, int16_t n);
/// x to the integer power n by repeated squaring; negative n gives the reciprocal (powInt(2, -1) is 0.5).
[[nodiscard]] double powInt(double x, int32_t n);
/// Direction from a to b, radians in (-π, π].
[[nodiscard]] double angleTo(WorkPoint a, WorkPoint b);
/// Distance from a to b.
[[nodiscard]] inline double distance(WorkPoint a, WorkPoint b) {
  double dx = b.x - a.x;
  double dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}
/// The standard sine.
[[nodiscard]] double sinOf(double x);
/// The standard cosine.
[[nodiscard]] double cosOf(double x);
/// The standard two-argument arc tangent.
[[nodiscard]] double atan2Of(double y, double x);
/// The standard square root.
[[nodiscard]] double sqrtOf(double x);

/// Where two lines meet; ok is false for parallel lines, whose point is then the second line's point.
struct LineCrossing {
  /// The intersection (or q when ok is false).
  WorkPoint point;
  /// True when the lines meet in one point.
  bool ok = false;
};

/// The line through p with the direction a1→a2 meets the line through q with the direction b1→b2. A line
/// whose direction points share their x is vertical. Both vertical, or equal slopes: q and false.
[[nodiscard]] LineCrossing lineIntersect(WorkPoint a1, WorkPoint a2, WorkPoint p, WorkPoint b1, WorkPoint b2,
                                         WorkPoint q);

/// The distance from a point to a segment and the segment's point nearest to it.
struct SegmentDistance {
  /// The distance, points.
  double distance = 0;
  /// The nearest point of the segment.
  WorkPoint foot;
};

/// Distance from p to the segment ab: to the perpendicular foot when it lies within the segment's bounding box,
/// else to the nearer end (a on a tie). A degenerate segment (a = b) gives the distance to a with foot a.
[[nodiscard]] SegmentDistance distanceToSegment(WorkPoint a, WorkPoint b, WorkPoint p);

/// The converter's rotation: p turned counter-clockwise by angle (radians) around centre, as a working point.
[[nodiscard]] WorkPoint rotatePointCounterClockwise(ArtPoint p, WorkPoint centre, double angle);
/// The drafting plug-in's rotation: p turned clockwise by angle (radians) around centre.
[[nodiscard]] WorkPoint rotatePointClockwise(ArtPoint p, WorkPoint centre, double angle);

}  // namespace plugin
