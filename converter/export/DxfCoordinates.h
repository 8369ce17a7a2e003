#pragma once
// From artwork points to DXF units: the unit factor, and where the drawing's origin and extents lie for each
// point-of-origin option.

#include <cstdint>

#include "converter/export/ExportDocument.h"
#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// Inches per point, as the converter has always written it.
inline constexpr double kInchesPerPoint = 0.0138889;
/// Millimetres per point, as the converter has always written it.
inline constexpr double kMillimetresPerPoint = 0.35278;
/// The circle constant the converter turns radians into degrees with.
inline constexpr double kDegreesPi = 3.141593;

/// DXF units per point: inches (cnvtTani 0) or millimetres (any other value) per point, divided by the scale.
/// The scale must be positive (writeDxf replaces any other by 1.0 first).
[[nodiscard]] double unitFactorFor(int16_t cnvtTani, float cnvtScal);

/// Degrees of an angle in radians, with the converter's circle constant.
[[nodiscard]] double toDegrees(double radians);

/// Where the drawing lies in DXF units: the origin subtracted from every scaled point, and the extents the
/// HEADER announces (written as computed, not shifted by the origin).
struct DrawingPlacement {
  /// Subtracted from every scaled x and y (the context's originX, originY).
  double originX = 0;
  double originY = 0;
  /// $EXTMIN and $EXTMAX.
  plugin::WorkPoint extentsMinimum;
  plugin::WorkPoint extentsMaximum;
};

/// The placement for the point-of-origin option orgnMode (ORIGIN_...; an unknown value counts as the ruler
/// origin) on the page, at unitFactor DXF units per point.
[[nodiscard]] DrawingPlacement placeDrawing(int16_t orgnMode, const ExportPage& page, double unitFactor);

}  // namespace converter
