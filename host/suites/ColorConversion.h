#pragma once

#include <optional>

#include "host/document/Color.h"
#include "host/sdk/HostColor.h"

namespace host {

class Document;

/// A document colour as suites hand it out. Pattern and gradient colours carry their kind only.
[[nodiscard]] HostColor toHostColor(const Color& color);
/// A colour a plug-in handed in, or nullopt when it is not one: an unknown kind, a custom colour that is not
/// one of document's, or a pattern or gradient (which carry no values across the suites).
[[nodiscard]] std::optional<Color> fromHostColor(const HostColor& color, const Document& document);

}  // namespace host
