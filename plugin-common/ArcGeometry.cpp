#include "plugin-common/ArcGeometry.h"

#include <cmath>

namespace plugin {
namespace {

/// The drafting plug-in's radius tolerance: 0.01 points, or r / 10000 for radii above 100 points.
constexpr double kDraftingRadiusTolerance = 0.01;
constexpr double kDraftingLargeRadius = 100;
constexpr double kDraftingLargeRadiusDivisor = 10000;
/// The converter's: a handle whose y-extent is at most this is flat, and radii agree within r × 0.001.
constexpr double kConverterFlatHandle = 0.001;
constexpr double kConverterRadiusFactor = 0.001;
/// How close a handle ratio must come to arcHandleRatio.
constexpr double kDraftingRatioTolerance = 0.0002;
constexpr double kConverterRatioTolerance = 0.0005;

/// Whether the normal of the handle from anchor to handle is vertical (the handle is flat).
bool normalIsVertical(ArtPoint anchor, ArtPoint handle, ArcTolerance tolerance) {
  if (tolerance == ArcTolerance::CONVERTER) {
    return std::fabs(static_cast<double>(anchor.y) - handle.y) <= kConverterFlatHandle;
  }
  return anchor.y == handle.y;
}

/// The slope of the normal to the handle from `from` to `to`.
double normalSlope(WorkPoint from, WorkPoint to) { return -(to.x - from.x) / (to.y - from.y); }

/// Where the line through p with slope gp meets the line through q with slope gq; a line flagged vertical is
/// x = its point's x (its slope is not used). The lines are neither parallel nor both vertical.
WorkPoint linesMeet(WorkPoint p, double gp, bool pVertical, WorkPoint q, double gq, bool qVertical) {
  if (pVertical) return {p.x, gq * (p.x - q.x) + q.y};
  if (qVertical) return {q.x, gp * (q.x - p.x) + p.y};
  double cp = p.y - gp * p.x;
  double cq = q.y - gq * q.x;
  double x = (cp - cq) / (gq - gp);
  return {x, gp * x + cp};
}

/// An angle made non-negative by adding 2π.
double nonNegative(double angle) { return angle < 0 ? angle + kTwoPi : angle; }

}  // namespace

SegmentCircle circleFromSegment(const PathSegment& s, const PathSegment& t, ArcTolerance tolerance) {
  WorkPoint p0 = toWork(s.anchor);
  WorkPoint p1 = toWork(s.out);
  WorkPoint p2 = toWork(t.in);
  WorkPoint p3 = toWork(t.anchor);
  bool firstVertical = normalIsVertical(s.anchor, s.out, tolerance);
  bool secondVertical = normalIsVertical(t.anchor, t.in, tolerance);
  if (firstVertical && secondVertical) return {};
  double g1 = firstVertical ? 0 : normalSlope(p0, p1);
  double g2 = secondVertical ? 0 : normalSlope(p2, p3);
  if (!firstVertical && !secondVertical && g1 == g2) return {};

  WorkPoint centre = linesMeet(p0, g1, firstVertical, p3, g2, secondVertical);
  double r1 = distance(centre, p0);
  double r2 = distance(centre, p3);
  double allowed = tolerance == ArcTolerance::CONVERTER ? r1 * kConverterRadiusFactor
                   : r1 > kDraftingLargeRadius          ? r1 / kDraftingLargeRadiusDivisor
                                                        : kDraftingRadiusTolerance;
  if (!(std::fabs(r1 - r2) <= allowed)) return {};
  return {centre, (r1 + r2) / 2, true};
}

double arcHandleRatio(double sweep) { return std::sin(kArcHalfPi - sweep) / 8 + kQuarterArcHandleRatio; }

double bulgeOfSweep(double sweep) { return std::tan(sweep / 4); }

SegmentCircle arcFromBezier(const PathSegment& s, const PathSegment& t, ArcTolerance tolerance) {
  WorkPoint p0 = toWork(s.anchor);
  WorkPoint p1 = toWork(s.out);
  WorkPoint p2 = toWork(t.in);
  WorkPoint p3 = toWork(t.anchor);
  if (p0.x == p1.x && p2.x == p3.x) return {};
  SegmentCircle circle = circleFromSegment(s, t, tolerance);
  if (!circle.ok) return {};

  // The corner where the two handle lines (the tangents) meet.
  WorkPoint corner = lineIntersect(p0, p1, p0, p2, p3, p2).point;
  double h1 = distance(p1, p0);
  double d1 = distance(corner, p0);
  double h2 = distance(p2, p3);
  double d2 = distance(corner, p3);
  if (d1 <= 0 || d2 <= 0) return {};

  double a0 = nonNegative(angleTo(circle.centre, p0));
  double a3 = nonNegative(angleTo(circle.centre, p3));
  double a1 = nonNegative(angleTo(circle.centre, p1));
  double span = a3 - a0;
  double handle = a1 - a0;
  // The out-handle points the way the arc turns: between 0 and span it runs the short way round.
  bool handleWithin = (0 < handle && handle < span) || (handle < 0 && span < handle);
  double sweep = handleWithin ? std::fabs(span) : kTwoPi - std::fabs(span);
  if (sweep > kArcSweepLimit) return {};

  double ratio = arcHandleRatio(sweep);
  double allowed = tolerance == ArcTolerance::CONVERTER ? kConverterRatioTolerance : kDraftingRatioTolerance;
  if (std::fabs(h1 / d1 - ratio) < allowed && std::fabs(h2 / d2 - ratio) < allowed) return circle;
  return {};
}

bool arcToBezier(WorkPoint centre, WorkPoint a, WorkPoint b, PathSegment& s, PathSegment& t) {
  bool tangentAVertical = nearlyEqual(a.y, centre.y);
  bool tangentBVertical = nearlyEqual(b.y, centre.y);
  if (tangentAVertical && tangentBVertical) return false;
  double slopeA = tangentAVertical ? 0 : -(centre.x - a.x) / (centre.y - a.y);
  double slopeB = tangentBVertical ? 0 : -(centre.x - b.x) / (centre.y - b.y);
  // Parallel tangents (a half turn) have no corner.
  if (!tangentAVertical && !tangentBVertical && slopeA == slopeB) return false;
  WorkPoint corner = linesMeet(a, slopeA, tangentAVertical, b, slopeB, tangentBVertical);

  double alpha = angleTo(centre, a);
  double beta = angleTo(centre, b);
  if (std::fabs(beta - alpha) > kPi) {
    if (beta >= 0) {
      alpha += kTwoPi;
    } else {
      beta += kTwoPi;
    }
  }
  double ratio = arcHandleRatio(std::fabs(beta - alpha));
  s.anchor = toArt(a);
  s.out = toArt({a.x + ratio * (corner.x - a.x), a.y + ratio * (corner.y - a.y)});
  t.anchor = toArt(b);
  t.in = toArt({b.x + ratio * (corner.x - b.x), b.y + ratio * (corner.y - b.y)});
  return true;
}

}  // namespace plugin
