#include "host/svg/ArcConversion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host::svg {
namespace {

// The signed angle from vector (ux, uy) to vector (vx, vy).
double angleBetween(double ux, double uy, double vx, double vy) {
  return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
}

}  // namespace

void appendArcCurves(const EndpointArc& arc, std::vector<CubicCurve>& curves) {
  if (arc.from == arc.to) return;
  double radiusX = std::abs(arc.radiusX);
  double radiusY = std::abs(arc.radiusY);
  if (radiusX == 0 || radiusY == 0) {
    curves.push_back(lineCurve(arc.from, arc.to));
    return;
  }

  const double rotation = arc.rotationDegrees * std::numbers::pi / 180;
  const double cosine = std::cos(rotation);
  const double sine = std::sin(rotation);
  // The start point in the ellipse's frame, relative to the chord's midpoint.
  const double halfDx = (arc.from.x - arc.to.x) / 2;
  const double halfDy = (arc.from.y - arc.to.y) / 2;
  const double x1 = cosine * halfDx + sine * halfDy;
  const double y1 = -sine * halfDx + cosine * halfDy;

  // Radii too small for the chord grow uniformly until the ellipse just reaches both points.
  const double lambda = (x1 * x1) / (radiusX * radiusX) + (y1 * y1) / (radiusY * radiusY);
  if (lambda > 1) {
    const double grow = std::sqrt(lambda);
    radiusX *= grow;
    radiusY *= grow;
  }

  const double rx2 = radiusX * radiusX;
  const double ry2 = radiusY * radiusY;
  const double numerator = rx2 * ry2 - rx2 * y1 * y1 - ry2 * x1 * x1;
  const double denominator = rx2 * y1 * y1 + ry2 * x1 * x1;
  // Rounding can leave the numerator a hair below zero for scaled radii: the centre is then the midpoint.
  double coefficient = std::sqrt(std::max(0.0, numerator / denominator));
  if (arc.largeArc == arc.sweep) coefficient = -coefficient;
  const double centreX1 = coefficient * radiusX * y1 / radiusY;
  const double centreY1 = -coefficient * radiusY * x1 / radiusX;
  const double centreX = cosine * centreX1 - sine * centreY1 + (arc.from.x + arc.to.x) / 2;
  const double centreY = sine * centreX1 + cosine * centreY1 + (arc.from.y + arc.to.y) / 2;

  const double startAngle = angleBetween(1, 0, (x1 - centreX1) / radiusX, (y1 - centreY1) / radiusY);
  double turn = angleBetween((x1 - centreX1) / radiusX, (y1 - centreY1) / radiusY, (-x1 - centreX1) / radiusX,
                             (-y1 - centreY1) / radiusY);
  if (!arc.sweep && turn > 0) turn -= 2 * std::numbers::pi;
  if (arc.sweep && turn < 0) turn += 2 * std::numbers::pi;

  if (!std::isfinite(centreX) || !std::isfinite(centreY) || !std::isfinite(turn)) {
    // Radii so extreme that the centre cannot be computed: the chord is the best drawing left.
    curves.push_back(lineCurve(arc.from, arc.to));
    return;
  }

  // A tolerance keeps an exact quarter turn (rounded a little above) in one piece.
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(turn) / kMaxArcPieceRadians - 1e-9)));
  const double step = turn / pieces;
  const double handle = 4.0 / 3.0 * std::tan(step / 4);
  auto onEllipse = [&](double unitX, double unitY) {
    return Point{centreX + cosine * radiusX * unitX - sine * radiusY * unitY,
                 centreY + sine * radiusX * unitX + cosine * radiusY * unitY};
  };
  double angle = startAngle;
  for (int piece = 0; piece < pieces; ++piece) {
    const double next = angle + step;
    const double cosStart = std::cos(angle);
    const double sinStart = std::sin(angle);
    const double cosEnd = std::cos(next);
    const double sinEnd = std::sin(next);
    const Point end = piece + 1 == pieces ? arc.to : onEllipse(cosEnd, sinEnd);
    curves.push_back({onEllipse(cosStart - handle * sinStart, sinStart + handle * cosStart),
                      onEllipse(cosEnd + handle * sinEnd, sinEnd - handle * cosEnd), end});
    angle = next;
  }
}

}  // namespace host::svg
