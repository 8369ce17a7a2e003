#pragma once

namespace converter {

/// A point in artwork points (1/72 inch, y upwards) as 8-byte reals, before the DXF transform.
struct ExportPoint {
  /// Points to the right.
  double x = 0;
  /// Points upwards.
  double y = 0;
};

}  // namespace converter
