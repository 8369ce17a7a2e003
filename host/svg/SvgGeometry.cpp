#include "host/svg/SvgGeometry.h"

#include <cmath>

namespace host::svg {

double TransformMatrix::meanScale() const { return std::sqrt(std::abs(a * d - b * c)); }

TransformMatrix operator*(const TransformMatrix& outer, const TransformMatrix& inner) {
  return {outer.a * inner.a + outer.c * inner.b,           outer.b * inner.a + outer.d * inner.b,
          outer.a * inner.c + outer.c * inner.d,           outer.b * inner.c + outer.d * inner.d,
          outer.a * inner.e + outer.c * inner.f + outer.e, outer.b * inner.e + outer.d * inner.f + outer.f};
}

TransformMatrix translationMatrix(double x, double y) { return {1, 0, 0, 1, x, y}; }

TransformMatrix scalingMatrix(double x, double y) { return {x, 0, 0, y, 0, 0}; }

TransformMatrix rotationMatrix(double radians) {
  const double cosine = std::cos(radians);
  const double sine = std::sin(radians);
  return {cosine, sine, -sine, cosine, 0, 0};
}

TransformMatrix skewXMatrix(double radians) { return {1, 0, std::tan(radians), 1, 0, 0}; }

TransformMatrix skewYMatrix(double radians) { return {1, std::tan(radians), 0, 1, 0, 0}; }

CubicCurve lineCurve(Point from, Point to) { return {from, to, to}; }

void transformGeometry(PathGeometry& geometry, const TransformMatrix& matrix) {
  for (Subpath& subpath : geometry) {
    subpath.start = matrix.apply(subpath.start);
    for (CubicCurve& curve : subpath.curves) {
      curve.control1 = matrix.apply(curve.control1);
      curve.control2 = matrix.apply(curve.control2);
      curve.end = matrix.apply(curve.end);
    }
  }
}

}  // namespace host::svg
