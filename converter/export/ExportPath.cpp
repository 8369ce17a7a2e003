#include "converter/export/ExportPath.h"

#include "host/sdk/ArtConstants.h"
#include "host/sdk/ArtSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/HostColor.h"
#include "host/sdk/PathSuite.h"
#include "plugin-common/PluginFrame.h"

namespace converter {

HostResult readExportPath(ArtHandle art, ExportPath& path) {
  const plugin::HostSuites& suites = plugin::pluginFrame().suites();
  const ArtSuite* arts = suites.get<ArtSuite>();
  const PathSuite* paths = suites.get<PathSuite>();
  const PathStyleSuite* styles = suites.get<PathStyleSuite>();
  if (arts == nullptr || paths == nullptr || styles == nullptr) return HOST_SUITE_NOT_FOUND;

  int16_t count = 0;
  HostBool closed = 0;
  HostBool guide = 0;
  if (HostResult error = paths->getPathSegmentCount(art, &count)) return error;
  if (HostResult error = paths->getPathClosed(art, &closed)) return error;
  if (HostResult error = paths->getPathGuide(art, &guide)) return error;
  std::vector<HostPathSegment>& segments = path.hostSegments;
  segments.resize(static_cast<size_t>(count < 0 ? 0 : count));
  if (!segments.empty()) {
    if (HostResult error = paths->getPathSegments(art, 0, count, segments.data())) return error;
  }
  path.segments.clear();
  path.segments.reserve(segments.size());
  for (const HostPathSegment& segment : segments) {
    path.segments.push_back(plugin::fromHost(segment));
  }
  path.closed = closed != 0;
  path.guide = guide != 0;

  if (HostResult error = arts->getArtBounds(art, &path.bounds)) return error;
  if (HostResult error = arts->getArtParent(art, &path.parent)) return error;
  path.parentType = 0;
  if (path.parent != nullptr) {
    if (HostResult error = arts->getArtType(path.parent, &path.parentType)) return error;
  }
  return styles->getPathStyle(art, &path.style);
}

bool isSolidFillKind(int32_t colorKind) { return colorKind != COLOR_KIND_PATTERN && colorKind != COLOR_KIND_GRADIENT; }

bool hasOwnSolidFill(const ExportPath& path, int16_t fcnvFill) {
  return fcnvFill != 0 && path.style.fillPaint != 0 && path.parentType != ART_TYPE_COMPOUND_PATH &&
         isSolidFillKind(path.style.fill.color.kind);
}

}  // namespace converter
