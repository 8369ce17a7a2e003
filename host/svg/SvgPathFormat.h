#pragma once
// Host path geometry as SVG path data in absolute commands: M for each start, L for a straight piece (both
// handles on their anchors), C for a curve, Z to close (after the closing curve when it is not straight).
// y is flipped with the page height.

#include <string>

#include "host/document/Path.h"

namespace host::svg {

/// Whether a path draws anything: two or more anchors, or one closed anchor whose closing curve has handles.
[[nodiscard]] bool isDrawable(const PathData& path);

/// Appends the path data of one drawable path (a space first when out is not empty).
void appendPathData(std::string& out, const PathData& path, double pageHeight);

}  // namespace host::svg
