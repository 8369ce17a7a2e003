#pragma once
// Geometry of SVG content before it becomes host art: double-precision points, affine matrices and paths
// made of cubic Bezier curves only (lines, quadratic curves and arcs are all expressed as cubics).

#include <vector>

namespace host::svg {

/// A point in some user space, or in artwork points once transformed.
struct Point {
  /// Horizontal coordinate.
  double x = 0;
  /// Vertical coordinate.
  double y = 0;
  /// Exact member-wise equality.
  friend bool operator==(const Point&, const Point&) = default;
};

/// An affine map (x, y) -> (a x + c y + e, b x + d y + f), the SVG matrix(a b c d e f). Identity by default.
struct TransformMatrix {
  /// x contribution to x.
  double a = 1;
  /// x contribution to y.
  double b = 0;
  /// y contribution to x.
  double c = 0;
  /// y contribution to y.
  double d = 1;
  /// Translation along x.
  double e = 0;
  /// Translation along y.
  double f = 0;

  /// The image of a point.
  [[nodiscard]] Point apply(Point point) const {
    return {a * point.x + c * point.y + e, b * point.x + d * point.y + f};
  }
  /// The geometric mean of the scale factors, sqrt(|det|): what a stroke width or dash length scales by.
  [[nodiscard]] double meanScale() const;
  /// Exact member-wise equality.
  friend bool operator==(const TransformMatrix&, const TransformMatrix&) = default;
};

/// The matrix that applies inner first, then outer (SVG nesting: parent * child).
[[nodiscard]] TransformMatrix operator*(const TransformMatrix& outer, const TransformMatrix& inner);

/// A translation.
[[nodiscard]] TransformMatrix translationMatrix(double x, double y);
/// A scaling about the origin.
[[nodiscard]] TransformMatrix scalingMatrix(double x, double y);
/// A rotation about the origin by an angle in radians, turning the x axis towards the y axis (SVG rotate()).
[[nodiscard]] TransformMatrix rotationMatrix(double radians);
/// A skew along x by an angle in radians.
[[nodiscard]] TransformMatrix skewXMatrix(double radians);
/// A skew along y by an angle in radians.
[[nodiscard]] TransformMatrix skewYMatrix(double radians);

/// One cubic Bezier curve that starts where the previous one (or the subpath) ends.
struct CubicCurve {
  /// The handle leaving the start point.
  Point control1;
  /// The handle arriving at the end point.
  Point control2;
  /// The end point.
  Point end;
};

/// A connected run of curves from a start point; a closed subpath also runs straight from its last end point
/// back to its start. A straight line is a curve whose handles lie on its end points.
struct Subpath {
  /// Where the subpath starts.
  Point start;
  /// The curves in order.
  std::vector<CubicCurve> curves;
  /// Whether the subpath returns to its start.
  bool closed = false;
};

/// The subpaths of one SVG path or shape.
using PathGeometry = std::vector<Subpath>;

/// A straight line from `from` to `to` as a cubic whose handles lie on its end points.
[[nodiscard]] CubicCurve lineCurve(Point from, Point to);

/// Maps every point of the geometry by a matrix (affine maps keep Bezier curves Bezier).
void transformGeometry(PathGeometry& geometry, const TransformMatrix& matrix);

}  // namespace host::svg
