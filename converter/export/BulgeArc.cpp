#include "converter/export/BulgeArc.h"

#include <cmath>
#include <utility>

namespace converter {
namespace {

// The converter's own constants for π/2 and 2π.
constexpr double kHalfPi = 1.5707965;
constexpr double kTwoPi = 6.283186;

double direction(const plugin::WorkPoint& from, double toX, double toY) {
  return std::atan2(toY - from.y, toX - from.x);
}

double nonNegative(double angle) { return angle < 0 ? angle + kTwoPi : angle; }

}  // namespace

BulgeArc bulgeArc(const PolyVertex& start, const PolyVertex& end) {
  double includedAngle = 4 * std::atan(std::fabs(start.bulge));
  // The angle between the chord and the radius to either end point.
  double chordToRadius = kHalfPi - includedAngle / 2;
  double chordDirection = std::atan2(end.y - start.y, end.x - start.x);
  double chordLength = std::hypot(end.x - start.x, end.y - start.y);
  double radius = chordLength / 2 / std::cos(chordToRadius);

  // Counter-clockwise arcs have their centre left of the chord, clockwise ones right of it.
  bool counterClockwise = start.bulge >= 0;
  double towardsCentre = counterClockwise ? chordDirection + chordToRadius : chordDirection - chordToRadius;
  BulgeArc arc;
  arc.centre = {start.x + radius * std::cos(towardsCentre), start.y + radius * std::sin(towardsCentre)};
  arc.radius = radius;
  arc.startAngle = nonNegative(direction(arc.centre, start.x, start.y));
  arc.endAngle = nonNegative(direction(arc.centre, end.x, end.y));
  if (!counterClockwise) std::swap(arc.startAngle, arc.endAngle);
  return arc;
}

int arcSegmentCount(double radius, double sweep, double tolerance) {
  int count = kMinimumArcSegments;
  // radius − radius × cos(half a segment's angle) is how far a segment's middle lies inside the arc.
  while (count < kMaximumArcSegments && radius - radius * std::cos(std::fabs(sweep) / count / 2) >= tolerance) {
    ++count;
  }
  return count;
}

std::vector<PolyVertex> arcAsSegments(const PolyVertex& start, const PolyVertex& end, double tolerance) {
  BulgeArc arc = bulgeArc(start, end);
  // bulgeArc runs counter-clockwise; a clockwise arc is walked from its end.
  const PolyVertex& first = start.bulge >= 0 ? start : end;
  const PolyVertex& last = start.bulge >= 0 ? end : start;
  double startAngle = arc.startAngle;
  if (arc.endAngle < startAngle) startAngle -= kTwoPi;
  double sweep = arc.endAngle - startAngle;
  int count = arcSegmentCount(arc.radius, sweep, tolerance);

  std::vector<PolyVertex> vertices;
  vertices.reserve(static_cast<size_t>(count) + 1);
  vertices.push_back({first, 0});
  for (int step = 1; step < count; ++step) {
    double angle = startAngle + sweep * step / count;
    vertices.push_back({arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle), 0});
  }
  vertices.push_back({last, 0});
  return vertices;
}

}  // namespace converter
