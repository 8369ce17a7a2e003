#pragma once
// Host text frames as SVG text: one <text> whose transform is the frame matrix (flipped to SVG's y
// downwards), holding one <tspan> line per paragraph at x 0 and its baseline (the first at 0, each next one
// its leading further down), with text-anchor for the justification. A paragraph of one run carries the run's
// features on the line; several runs become nested <tspan>s. xml:space="preserve" keeps spaces as they are.

#include <string>

#include <pugixml.hpp>

#include "host/document/TextFrameData.h"
#include "host/svg/SvgColorFormat.h"
#include "host/svg/SvgDiagnostics.h"

namespace host::svg {

/// Appends a <text> element for a frame to parent and returns it; style receives declarations the caller
/// completes and sets (it starts empty).
[[nodiscard]] pugi::xml_node appendTextFrame(pugi::xml_node parent, const TextFrameData& frame, double pageHeight,
                                             SvgColorWriter& colors, SvgDiagnosticList& diagnostics,
                                             std::string& style);

}  // namespace host::svg
