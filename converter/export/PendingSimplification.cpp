#include "converter/export/PendingSimplification.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "plugin-common/ArcGeometry.h"

namespace converter {
namespace {

using plugin::WorkPoint;

/// Three points whose turn is below this angle (radians) are taken as collinear.
constexpr double kCollinearSine = 1e-12;

/// True when the way from first over middle to end turns back at middle (a right angle or more): no arc
/// through the three points follows such a turn (the arc through them would sweep a half turn or more).
bool turnsBack(WorkPoint first, WorkPoint middle, WorkPoint end) {
  return (middle.x - first.x) * (end.x - middle.x) + (middle.y - first.y) * (end.y - middle.y) < 0;
}

/// The two results of the sweep rule: the arc through via, and the other way round.
struct SweepChoice {
  double through = 0;
  double avoiding = 0;
};

double crossProduct(WorkPoint a, WorkPoint b) { return a.x * b.y - a.y * b.x; }

SweepChoice sweepChoice(WorkPoint centre, WorkPoint start, WorkPoint end, WorkPoint via) {
  // The shorter turn from start to end about centre is one direction difference; via lies on that arc when it
  // is on the arc's side of both radii. Otherwise the arc through via is the longer one, the other way round.
  WorkPoint s{start.x - centre.x, start.y - centre.y};
  WorkPoint e{end.x - centre.x, end.y - centre.y};
  WorkPoint v{via.x - centre.x, via.y - centre.y};
  double shorter = std::atan2(crossProduct(s, e), s.x * e.x + s.y * e.y);
  double longer = shorter > 0 ? shorter - plugin::kTwoPi : shorter + plugin::kTwoPi;
  bool viaOnShorter = false;
  if (shorter > 0) {
    viaOnShorter = crossProduct(s, v) >= 0 && crossProduct(v, e) >= 0;
  } else if (shorter < 0) {
    viaOnShorter = crossProduct(s, v) <= 0 && crossProduct(v, e) <= 0;
  } else {
    // Start and end in one direction: only a via in that direction lies on the empty arc.
    viaOnShorter = crossProduct(s, v) == 0 && s.x * v.x + s.y * v.y > 0;
  }
  return viaOnShorter ? SweepChoice{shorter, longer} : SweepChoice{longer, shorter};
}

/// tan(π − kMergedArcSweepLimit): a turn of more than a right angle (dot < 0) stays below the limit while
/// |cross| > −dot × this slope.
const double kMergeLimitSlope = std::tan(std::numbers::pi - kMergedArcSweepLimit);

/// Whether the arc about centre from start through via to end sweeps less than kMergedArcSweepLimit, as
/// std::fabs(sweepThrough(...)) < kMergedArcSweepLimit, tested on the vectors without taking the angle: the arc
/// through via must be the shorter one (the longer sweeps a half turn or more), and the shorter one's turn must
/// stay below the limit, which it does unless start and end point nearly opposite ways.
bool sweepsBelowMergeLimit(WorkPoint centre, WorkPoint start, WorkPoint end, WorkPoint via) {
  WorkPoint s{start.x - centre.x, start.y - centre.y};
  WorkPoint e{end.x - centre.x, end.y - centre.y};
  WorkPoint v{via.x - centre.x, via.y - centre.y};
  double cross = crossProduct(s, e);
  double dot = s.x * e.x + s.y * e.y;
  if (cross == 0) {
    // One direction (no turn, and via must lie that way) or opposite ones (a half turn).
    return dot >= 0 && crossProduct(s, v) == 0 && s.x * v.x + s.y * v.y > 0;
  }
  bool viaOnShorter = cross > 0 ? crossProduct(s, v) >= 0 && crossProduct(v, e) >= 0
                                : crossProduct(s, v) <= 0 && crossProduct(v, e) <= 0;
  return viaOnShorter && (dot >= 0 || std::fabs(cross) > -dot * kMergeLimitSlope);
}

}  // namespace

double simplifyTolerance(double cnvtAber) { return std::max(cnvtAber, kMinimumSimplifyTolerance); }

double sweepThrough(WorkPoint centre, WorkPoint start, WorkPoint end, WorkPoint via) {
  return sweepChoice(centre, start, end, via).through;
}

double sweepAvoiding(WorkPoint centre, WorkPoint start, WorkPoint end, WorkPoint avoided) {
  return sweepChoice(centre, start, end, avoided).avoiding;
}

ThreePointCircle circleThrough(WorkPoint a, WorkPoint b, WorkPoint c) {
  // Relative to a, the centre solves two perpendicular-bisector equations; their determinant is twice the
  // cross product of ab and ac, which vanishes for collinear points.
  double bx = b.x - a.x;
  double by = b.y - a.y;
  double cx = c.x - a.x;
  double cy = c.y - a.y;
  double cross = bx * cy - by * cx;
  double b2 = bx * bx + by * by;
  double c2 = cx * cx + cy * cy;
  if (!(std::fabs(cross) > kCollinearSine * std::sqrt(b2 * c2))) return {};
  double ux = (cy * b2 - by * c2) / (2 * cross);
  double uy = (bx * c2 - cx * b2) / (2 * cross);
  return {{a.x + ux, a.y + uy}, std::sqrt(ux * ux + uy * uy), true};
}

void optimizeLines(std::vector<PolyVertex>& vertices, double tolerance) {
  size_t count = vertices.size();
  if (count <= 2) return;
  // The kept vertices are gathered at the front of the list itself: after reading vertex `index`, at most
  // index + 1 are kept, so no vertex is overwritten before it is read.
  size_t kept = 2;
  // The unit vector of the current line's direction.
  auto unitToward = [](WorkPoint from, WorkPoint to) {
    double length = plugin::distance(from, to);
    return length > 0 ? WorkPoint{(to.x - from.x) / length, (to.y - from.y) / length} : WorkPoint{1, 0};
  };
  WorkPoint direction = unitToward(vertices[0], vertices[1]);
  for (size_t index = 2; index < count; ++index) {
    WorkPoint from = vertices[kept - 2];
    WorkPoint point = vertices[index];
    double length = plugin::distance(from, point);
    WorkPoint along{from.x + length * direction.x, from.y + length * direction.y};
    if (length > tolerance && plugin::distance(point, along) > tolerance) {
      // The vertex leaves the line: the last kept vertex stays, and a new line starts.
      direction = unitToward(from, point);
      ++kept;
    }
    vertices[kept - 1] = vertices[index];
  }
  vertices.resize(kept);
}

void smoothArcs(std::vector<PolyVertex>& vertices, double tolerance) {
  size_t count = vertices.size();
  if (count <= 2) return;
  std::vector<PolyVertex> output;
  output.reserve(count);
  size_t last = 0;  // the index r of the output's provisional last vertex
  auto place = [&](size_t index, PolyVertex vertex) {
    if (output.size() <= index) output.resize(index + 1);
    output[index] = vertex;
  };

  ThreePointCircle previous;  // ok false: no previous circle
  WorkPoint previousFirst;
  WorkPoint previousMiddle;
  auto onPrevious = [&](WorkPoint point) {
    return previous.ok && previous.radius > 0 &&
           std::fabs(plugin::distance(previous.centre, point) - previous.radius) < tolerance;
  };

  size_t start = 0;
  for (; start + 2 < count; start += 2) {
    WorkPoint first = vertices[start];
    WorkPoint middle = vertices[start + 1];
    WorkPoint end = vertices[start + 2];
    if (onPrevious(end) && sweepsBelowMergeLimit(previous.centre, previousFirst, end, previousMiddle)) {
      // The triple continues the arc before it: one arc from that arc's start.
      first = previousFirst;
      middle = previousMiddle;
      --last;
    }
    ThreePointCircle circle = circleThrough(first, middle, end);
    double sweep = circle.ok ? sweepThrough(circle.centre, first, end, middle) : 0;
    if (std::fabs(sweep) >= kMergedArcSweepLimit || (!circle.ok && turnsBack(first, middle, end))) {
      // A sharp turn or a cusp of the flattened curve: one arc through the three points would loop far
      // outside them (a near-full circle for a cusp), so the middle point stays as a corner.
      place(last, {first, 0});
      ++last;
      place(last, {middle, 0});
      ++last;
      place(last, {end, 0});
      previous = {};
      continue;
    }
    place(last, {first, plugin::bulgeOfSweep(sweep)});
    ++last;
    place(last, {end, 0});
    previous = circle;
    previousFirst = first;
    previousMiddle = middle;
  }

  if (start + 1 < count) {
    // One vertex left after the last triple: an arc to it over the last three vertices.
    WorkPoint first = vertices[count - 3];
    WorkPoint middle = vertices[count - 2];
    WorkPoint end = vertices[count - 1];
    if (onPrevious(end) &&
        std::fabs(sweepAvoiding(previous.centre, previousMiddle, end, previousFirst)) < kMergedArcSweepLimit) {
      --last;
      double sweep = sweepThrough(previous.centre, previousFirst, end, previousMiddle);
      place(last, {previousFirst, plugin::bulgeOfSweep(sweep)});
    } else {
      ThreePointCircle circle = circleThrough(first, middle, end);
      double sweep = circle.ok ? sweepAvoiding(circle.centre, middle, end, first) : 0;
      // As above, an arc of a half turn or more is no smoothing of two short chords: the last chord stays.
      double bulge = std::fabs(sweep) < kMergedArcSweepLimit ? plugin::bulgeOfSweep(sweep) : 0;
      place(last, {middle, bulge});
    }
    ++last;
  }
  place(last, {vertices[count - 1], 0});
  output.resize(last + 1);
  vertices.swap(output);  // the caller's list keeps its room for the next path
}

}  // namespace converter
