#pragma once
// The transform attribute: a list of matrix, translate, scale, rotate (with an optional centre), skewX and
// skewY, separated by white space and/or commas, composed left to right as SVG does.

#include <optional>
#include <string_view>

#include "host/svg/SvgGeometry.h"

namespace host::svg {

/// The matrix of a transform list; an empty list is the identity; nullopt when the list is malformed.
[[nodiscard]] std::optional<TransformMatrix> parseTransformList(std::string_view text);

}  // namespace host::svg
