#pragma once
// What the path conversion reads of one host path: its segments, flags, extent, parent and paint.

#include <cstdint>
#include <vector>

#include "host/sdk/HostTypes.h"
#include "host/sdk/PathStyleSuite.h"
#include "host/sdk/PathSuite.h"
#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// One host path as the export sees it.
struct ExportPath {
  /// The segments in order (at most 32767).
  std::vector<plugin::PathSegment> segments;
  /// Whether the last segment joins the first.
  bool closed = false;
  /// Whether the path is a guide.
  bool guide = false;
  /// The extent of its curves, points.
  HostRealRect bounds{};
  /// The group or compound path holding it (null for none) and that art's type (0 for none).
  ArtHandle parent = nullptr;
  int16_t parentType = 0;
  /// Fill and stroke.
  HostPathStyle style{};
  /// The segments as the host gives them, before they become `segments`; kept so that an ExportPath read
  /// again for the next path needs no new memory.
  std::vector<HostPathSegment> hostSegments;
};

/// Reads path through the held art, path and path-style suites, over what path held before. Returns 0, the first failing host result, or
/// HOST_SUITE_NOT_FOUND when a suite is not held; path is then incomplete.
[[nodiscard]] HostResult readExportPath(ArtHandle art, ExportPath& path);

/// Whether a path's fill becomes a HATCH of its own: fills are converted, the path is filled, it is not a
/// member of a compound path, and its fill is not a pattern or a gradient.
[[nodiscard]] bool hasOwnSolidFill(const ExportPath& path, int16_t fcnvFill);

/// Whether a fill colour can be written as a solid fill (not a pattern or gradient).
[[nodiscard]] bool isSolidFillKind(int32_t colorKind);

}  // namespace converter
