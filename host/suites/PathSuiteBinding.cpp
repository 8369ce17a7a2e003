// "AI Path Suite": a path's segments and flags, read from the document's path geometry.

#include "host/document/Document.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/PathSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

/// Runs operation on the live path behind handle; out must not be null.
template <class Out, class Operation>
HostResult withPath(ArtHandle handle, Out* out, Operation&& operation) {
  return guarded([&]() -> HostResult {
    auto* art = reinterpret_cast<Art*>(handle);
    if (!services().document->isLiveArt(art) || art->type() != ArtType::PATH) return HOST_BAD_HANDLE;
    if (out == nullptr) return HOST_BAD_PARAMETER;
    return operation(art->path(), *out);
  });
}

HostResult getPathSegmentCount(ArtHandle path, int16_t* count) {
  return withPath(path, count, [](const PathData& data, int16_t& result) {
    // A path never holds more segments than a 16-bit count can say (kMaxPathSegments).
    result = static_cast<int16_t>(data.segmentCount());
    return HOST_NO_ERROR;
  });
}

HostResult getPathSegments(ArtHandle path, int16_t first, int16_t count, HostPathSegment* segments) {
  return withPath(path, segments, [&](const PathData& data, HostPathSegment&) {
    if (first < 0 || count < 0 || static_cast<int32_t>(first) + count > data.segmentCount()) return HOST_BAD_PARAMETER;
    for (int16_t index = 0; index < count; ++index) {
      const PathSegment& segment = data.segments()[static_cast<size_t>(first + index)];
      segments[index] = HostPathSegment{segment.p, segment.in, segment.out, segment.corner ? 1 : 0};
    }
    return HOST_NO_ERROR;
  });
}

HostResult getPathClosed(ArtHandle path, HostBool* closed) {
  return withPath(path, closed, [](const PathData& data, HostBool& result) {
    result = data.closed() ? 1 : 0;
    return HOST_NO_ERROR;
  });
}

HostResult getPathGuide(ArtHandle path, HostBool* guide) {
  return withPath(path, guide, [](const PathData& data, HostBool& result) {
    result = data.guide() ? 1 : 0;
    return HOST_NO_ERROR;
  });
}

constexpr PathSuite kPathSuite{getPathSegmentCount, getPathSegments, getPathClosed, getPathGuide};

}  // namespace

void registerPathSuite(SuiteRegistry& registry) {
  registry.add(SUITE_PATH, PATH_SUITE_VERSION_5, &kPathSuite);
  registry.add(SUITE_PATH, PATH_SUITE_VERSION_6, &kPathSuite);
}

}  // namespace host
