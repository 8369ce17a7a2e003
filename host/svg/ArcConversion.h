#pragma once
// SVG elliptical arcs as cubic Bezier curves. The arc is given as SVG writes it (end points, radii, rotation
// and two flags); it is converted to centre form as the SVG implementation notes describe (radii too small to
// reach the end point are scaled up, zero radii make a straight line, equal end points draw nothing), then
// split into pieces of at most a quarter turn, each approximated by one cubic.

#include <vector>

#include "host/svg/SvgGeometry.h"

namespace host::svg {

/// An elliptical arc in SVG's endpoint form.
struct EndpointArc {
  /// Where the arc starts (the current point).
  Point from;
  /// Radius along the ellipse's own x axis; the sign is ignored.
  double radiusX = 0;
  /// Radius along the ellipse's own y axis; the sign is ignored.
  double radiusY = 0;
  /// Angle from the user x axis to the ellipse's x axis, degrees.
  double rotationDegrees = 0;
  /// Take the arc of more than 180 degrees.
  bool largeArc = false;
  /// Take the arc that runs in the positive-angle direction.
  bool sweep = false;
  /// Where the arc ends.
  Point to;
};

/// The largest turn one cubic piece of an arc covers: a quarter turn.
inline constexpr double kMaxArcPieceRadians = 1.5707963267948966;

/// Appends the arc's curves: none when the end points coincide, one straight line when a radius is zero,
/// else one cubic per piece of at most a quarter turn, the last ending exactly at arc.to.
void appendArcCurves(const EndpointArc& arc, std::vector<CubicCurve>& curves);

}  // namespace host::svg
