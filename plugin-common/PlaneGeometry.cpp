#include "plugin-common/PlaneGeometry.h"

#include <cmath>
#include <limits>

namespace plugin {

int16_t sign(double x) { return x >= 0 ? 1 : -1; }

double minOf(double a, double b) { return a < b ? a : b; }

double maxOf(double a, double b) { return a > b ? a : b; }

double absOf(double x) { return std::fabs(x); }

bool nearlyEqual(double a, double b) { return std::fabs(a - b) < 0.0001; }

int32_t roundHalfAway(double x) {
  double shifted = std::trunc(x >= 0 ? x + 0.5 : x - 0.5);
  // Converting a value outside the integer range is undefined; such values end up at the range's ends.
  if (std::isnan(shifted)) return 0;
  if (shifted >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (shifted <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(shifted);
}

double powSmall(double x, int16_t n) {
  double result = 1.0;
  for (int16_t step = 0; step < n; ++step) result *= x;
  return result;
}

double powInt(double x, int32_t n) {
  // The magnitude of the smallest 32-bit integer does not fit one; it is taken as 64 bits.
  int64_t remaining = n < 0 ? -static_cast<int64_t>(n) : n;
  double base = x;
  double result = 1.0;
  while (remaining > 0) {
    if ((remaining & 1) != 0) result *= base;
    base *= base;
    remaining >>= 1;
  }
  return n < 0 ? 1.0 / result : result;
}

double angleTo(WorkPoint a, WorkPoint b) { return std::atan2(b.y - a.y, b.x - a.x); }

double sinOf(double x) { return std::sin(x); }

double cosOf(double x) { return std::cos(x); }

double atan2Of(double y, double x) { return std::atan2(y, x); }

double sqrtOf(double x) { return std::sqrt(x); }

LineCrossing lineIntersect(WorkPoint a1, WorkPoint a2, WorkPoint p, WorkPoint b1, WorkPoint b2, WorkPoint q) {
  bool firstVertical = a1.x == a2.x;
  bool secondVertical = b1.x == b2.x;
  // Slopes and intercepts only of lines that are not vertical.
  double m1 = firstVertical ? 0 : (a2.y - a1.y) / (a2.x - a1.x);
  double m2 = secondVertical ? 0 : (b2.y - b1.y) / (b2.x - b1.x);
  double c1 = p.y - m1 * p.x;
  double c2 = q.y - m2 * q.x;
  if (firstVertical && !secondVertical) return {{p.x, m2 * p.x + c2}, true};
  if (secondVertical && !firstVertical) return {{q.x, m1 * q.x + c1}, true};
  if (firstVertical || m1 == m2) return {q, false};
  double x = (c1 - c2) / (m2 - m1);
  return {{x, m1 * x + c1}, true};
}

SegmentDistance distanceToSegment(WorkPoint a, WorkPoint b, WorkPoint p) {
  if (a == b) return {distance(p, a), a};
  WorkPoint foot;
  if (a.x == b.x) {
    foot = {a.x, p.y};
  } else if (a.y == b.y) {
    foot = {p.x, a.y};
  } else {
    // The perpendicular through p has the negative reciprocal slope.
    double slope = (b.y - a.y) / (b.x - a.x);
    foot = lineIntersect(a, b, a, {0, 0}, {1, -1 / slope}, p).point;
  }
  bool insideX = foot.x >= minOf(a.x, b.x) && foot.x <= maxOf(a.x, b.x);
  bool insideY = foot.y >= minOf(a.y, b.y) && foot.y <= maxOf(a.y, b.y);
  if (insideX && insideY) return {distance(p, foot), foot};
  double toA = distance(p, a);
  double toB = distance(p, b);
  return toB < toA ? SegmentDistance{toB, b} : SegmentDistance{toA, a};
}

namespace {

WorkPoint onCircleAround(WorkPoint centre, double radius, double angle) {
  return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

}  // namespace

WorkPoint rotatePointCounterClockwise(ArtPoint p, WorkPoint centre, double angle) {
  WorkPoint point = toWork(p);
  return onCircleAround(centre, distance(centre, point), angleTo(centre, point) + angle);
}

WorkPoint rotatePointClockwise(ArtPoint p, WorkPoint centre, double angle) {
  WorkPoint point = toWork(p);
  return onCircleAround(centre, distance(centre, point), angleTo(centre, point) - angle);
}

}  // namespace plugin
