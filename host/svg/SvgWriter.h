#pragma once
// Writes a host document as SVG 1.1 that vector editors open with its layers: each layer a top-level group
// with inkscape:groupmode="layer" and inkscape:label (sodipodi:insensitive when locked, display:none when
// hidden), written bottom layer first so that the stacking order holds. Groups are <g>; a clip group is a <g>
// whose clip-path refers to a <clipPath> in <defs> made of its last child; a path or compound path is one
// <path> with absolute M/L/C/Z commands and its style in a style attribute; text frames are <text> with one
// <tspan> per paragraph.
//
// The page is the page setup's paper: width and height in pt and a viewBox in points, so one user unit is
// one point; y is flipped with the paper height. Numbers are written by SvgNumberFormat (four decimals).
// The output depends on the document only: ids are numbered in document order, and a document written twice
// gives the same bytes.

#include <filesystem>
#include <string>
#include <vector>

#include "host/document/Document.h"
#include "host/svg/SvgDiagnostics.h"
#include "platform/Result.h"

namespace host::svg {

/// An SVG text and what it could not hold exactly.
struct SvgText {
  /// The SVG document, UTF-8.
  std::string text;
  /// One entry per kind of approximation or omission.
  std::vector<SvgDiagnostic> diagnostics;
};

/// The document as SVG text.
[[nodiscard]] SvgText formatSvg(const Document& document);

/// Writes the document to file (through a temporary file beside it; the file is replaced only when the whole
/// text is written). Fails with kSvgWriteFailed, naming the file; returns what the file could not hold.
[[nodiscard]] platform::Result<std::vector<SvgDiagnostic>> writeSvgFile(const Document& document,
                                                                        const std::filesystem::path& file);

}  // namespace host::svg
