#pragma once
// SVG text as a host text frame. The lines of a <text> are its own content and each child <tspan> that sets
// its own y (or is marked sodipodi:role="line"): every line becomes a paragraph, with the text-anchor as its
// justification and the distance from the previous line's baseline as its leading (auto leading when it
// equals 1.2 times the line's largest size). Nested <tspan>s and text between them become runs with their
// own features: font-family as the font's full name as written, font-size, fill and stroke.
//
// The frame is point text anchored at the first line's position; its matrix is the text's transform with y
// turned upwards. The matrix's mean scale is moved into the sizes, so text in a pixel-based file gets sizes in
// points and a frame matrix without that scale. White space is collapsed as SVG does unless
// xml:space="preserve". Per-glyph positions (x or y lists, dx, dy, rotate) and text on a path are reported
// and read without.

#include <pugixml.hpp>

#include "host/document/Art.h"
#include "host/document/Document.h"
#include "host/svg/SvgDiagnostics.h"
#include "host/svg/SvgElementIndex.h"
#include "host/svg/SvgElementState.h"
#include "platform/Result.h"

namespace host::svg {

/// Reads <text> elements of one document into text frames.
class SvgTextReader {
public:
  /// A reader that adds to document; every argument must outlive it.
  SvgTextReader(Document& document, SvgDiagnosticList& diagnostics, SvgElementIndex& elements,
                ElementStateBuilder& states)
      : document(document), diagnostics(diagnostics), elements(elements), states(states) {}

  /// Places a text frame for the <text> element (in state, its computed state) on top of container; null
  /// when the text holds no characters.
  [[nodiscard]] platform::Result<Art*> read(const pugi::xml_node& text, const ElementState& state, Art& container);

private:
  Document& document;
  SvgDiagnosticList& diagnostics;
  SvgElementIndex& elements;
  ElementStateBuilder& states;
};

}  // namespace host::svg
