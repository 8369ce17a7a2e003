#pragma once
// Reads SVG 1.1 (from vector editors or written by hand, plain or gzip-compressed) into a new host document.
//
// The page becomes the page setup (paper = printable area, whole points) with the origin at its bottom-left
// corner; coordinates are flipped to y upwards with that page height and every transform is applied to them.
// Top-level layer groups (inkscape:groupmode="layer") become layers in file order: the first one in the file
// is the document's layer 0, the back-most, and the last one is current. Elements keep their stacking order:
// the file lists them back to front, so each element read goes in front of those before it (a group's first
// child is its front-most). Without layer groups everything lands in one layer "Layer 1". When a file
// has layer groups, each run of other top-level content between them lands in a layer of its own titled
// "Outside layers" (then "Outside layers 2", ...), at its place in the stacking order.
//
// Art keeps what the editors store on elements: inkscape:label as its name, sodipodi:insensitive as LOCKED,
// display:none (and visibility:hidden on paths and text) as HIDDEN, so hidden art is kept, not dropped.
// Paths and shapes become paths (several subpaths: a compound path), clip-path a clip group whose last
// child is the clipping path, <use> a copy of its target, <text> a point-text frame. Colours become RGB
// (three-colour) colours; fill-opacity and stroke-opacity are folded into the art's opacity as
// PathStyleMapping.h describes; a gradient paints with its first stop's colour, a pattern gray.
//
// Whatever the host cannot represent is skipped or approximated and reported once per kind with a count
// (see SvgDiagnostics.h). A file that cannot be read at all fails with a platform::Error whose code is one of
// SvgErrors.h and whose `where` is "file:line" (or "file" when there is no line to name).

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/document/Document.h"
#include "host/svg/SvgDiagnostics.h"
#include "platform/Result.h"

namespace host::svg {

/// A document read from SVG and what did not carry over exactly.
struct SvgReadResult {
  /// The new document; its file name is set when it was read from a file.
  std::unique_ptr<Document> document;
  /// One entry per kind of problem, in the order first met.
  std::vector<SvgDiagnostic> diagnostics;
};

/// Told now and then while the elements are read: the share of the file read so far (0 to 1). Returning
/// false stops the reading, which then fails with kSvgCancelled.
using SvgReadProgress = std::function<bool(double share)>;

/// Reads an SVG or SVGZ file.
[[nodiscard]] platform::Result<SvgReadResult> readSvgFile(const std::filesystem::path& file,
                                                          const SvgReadProgress& progress = {});

/// Reads SVG content (plain or gzip data); sourceName names it in error messages.
[[nodiscard]] platform::Result<SvgReadResult> readSvgBytes(std::string bytes, std::string_view sourceName,
                                                           const SvgReadProgress& progress = {});

}  // namespace host::svg
