#pragma once
// The basic shapes of SVG as path geometry: rect (with rounded corners), circle, ellipse, line, polyline and
// polygon. Round corners and ellipses are drawn with quarter-turn arcs, as SVG defines them.

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "host/svg/SvgGeometry.h"
#include "host/svg/SvgLength.h"

namespace host::svg {

/// A shape's geometry in its own user space, and the attributes that could not be read.
struct ShapeGeometry {
  /// The subpaths; empty when the shape draws nothing (zero or negative size).
  PathGeometry geometry;
  /// Names of attributes with malformed values (treated as 0, or, for points, read up to the fault).
  std::vector<std::string> invalidAttributes;
};

/// Whether name is one of the basic shapes.
[[nodiscard]] bool isBasicShape(std::string_view name);

/// The geometry of a basic shape element named name (its local name), lengths resolved with context.
[[nodiscard]] ShapeGeometry basicShapeGeometry(std::string_view name, const pugi::xml_node& element,
                                               const LengthContext& context);

}  // namespace host::svg
