#pragma once
// The path data of an SVG <path> (its d attribute): every command of SVG 1.1 (M L H V C S Q T A Z, absolute
// and relative, with implicit repeats), read into subpaths of cubic curves. Quadratic curves are raised to
// cubics and arcs converted by appendArcCurves.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "host/svg/SvgGeometry.h"

namespace host::svg {

/// Where and why path data stops being valid.
struct PathDataError {
  /// Byte offset in the attribute value of the first character that does not fit.
  std::size_t offset = 0;
  /// What was expected there, for a person.
  std::string reason;
};

/// The geometry read from path data; with an error, the geometry holds what came before it.
struct ParsedPathData {
  /// The subpaths, in order. A moveto alone makes a subpath without curves.
  PathGeometry geometry;
  /// Set when the data is broken.
  std::optional<PathDataError> error;
};

/// Reads path data. Empty or blank data is valid and gives no subpaths.
[[nodiscard]] ParsedPathData parsePathData(std::string_view data);

}  // namespace host::svg
