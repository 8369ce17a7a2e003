#pragma once

namespace converter {

/// A point in artwork points (1/72 inch, y upwards) as 8-byte reals, before the DXF transform.
struct ExportPoint {
  double x = 0;
  double y = 0;
};

}  // namespace converter
