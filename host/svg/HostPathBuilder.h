#pragma once
// SVG geometry as host art: each subpath becomes the anchors of one host path (a straight piece keeps its
// handles on its anchors; a closed subpath that ends on its start shares that anchor), and one subpath makes
// a path, several make a compound path of paths.

#include <vector>

#include "host/document/Art.h"
#include "host/document/Document.h"
#include "host/document/Path.h"
#include "host/document/PathStyle.h"
#include "host/svg/SvgDiagnostics.h"
#include "host/svg/SvgGeometry.h"
#include "platform/Result.h"

namespace host::svg {

/// The host paths of the drawable subpaths (those with at least one curve), mapped by toArtwork. A subpath
/// with more anchors than a host path holds, or with coordinates that overflow, is left out and reported.
[[nodiscard]] std::vector<PathData> toHostPaths(const PathGeometry& geometry, const TransformMatrix& toArtwork,
                                                SvgDiagnosticList& diagnostics);

/// Places the paths inside container at order (PLACE_INSIDE_ON_TOP for art read in file order, which lists
/// the back-most first): one path as a path, several as a compound path whose paths share the style, the
/// first path its last child as the file order has it. Returns the new art, or null when there are no paths.
[[nodiscard]] platform::Result<Art*> placePaths(Document& document, Art& container, PaintOrder order,
                                                std::vector<PathData> paths, const PathStyle& style);

}  // namespace host::svg
