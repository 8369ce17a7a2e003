#include "host/svg/HostPathBuilder.h"

#include <cmath>
#include <utility>

namespace host::svg {
namespace {

HostRealPoint hostPoint(const TransformMatrix& matrix, Point point) {
  const Point mapped = matrix.apply(point);
  return {static_cast<HostReal>(mapped.x), static_cast<HostReal>(mapped.y)};
}

bool samePoint(HostRealPoint a, HostRealPoint b) { return a.h == b.h && a.v == b.v; }

// An anchor is smooth when both handles stand off it in exactly opposite directions (within a small angle),
// as a smooth node of a vector editor does.
bool isSmooth(const PathSegment& segment) {
  const double inX = segment.in.h - segment.p.h;
  const double inY = segment.in.v - segment.p.v;
  const double outX = segment.out.h - segment.p.h;
  const double outY = segment.out.v - segment.p.v;
  const double inLength = std::hypot(inX, inY);
  const double outLength = std::hypot(outX, outY);
  if (inLength == 0 || outLength == 0) return false;
  const double cross = inX * outY - inY * outX;
  const double dot = inX * outX + inY * outY;
  return dot < 0 && std::abs(cross) <= 1e-3 * inLength * outLength;
}

}  // namespace

std::vector<PathData> toHostPaths(const PathGeometry& geometry, const TransformMatrix& toArtwork,
                                  SvgDiagnosticList& diagnostics) {
  std::vector<PathData> paths;
  std::vector<PathSegment> segments;
  for (const Subpath& subpath : geometry) {
    // A moveto alone draws nothing.
    if (subpath.curves.empty()) continue;
    segments.clear();
    segments.reserve(subpath.curves.size() + 1);
    segments.push_back(cornerSegment(hostPoint(toArtwork, subpath.start)));
    for (const CubicCurve& curve : subpath.curves) {
      segments.back().out = hostPoint(toArtwork, curve.control1);
      PathSegment next = cornerSegment(hostPoint(toArtwork, curve.end));
      next.in = hostPoint(toArtwork, curve.control2);
      segments.push_back(next);
    }
    // A closed subpath whose last curve ends on its start: that curve becomes the closing curve.
    if (subpath.closed && segments.size() > 1 && samePoint(segments.back().p, segments.front().p)) {
      segments.front().in = segments.back().in;
      segments.pop_back();
    }
    for (PathSegment& segment : segments) segment.corner = !isSmooth(segment);

    PathData path;
    if (platform::Result<void> assigned = path.assignSegments(segments); !assigned) {
      if (segments.size() > static_cast<std::size_t>(kMaxPathSegments)) {
        diagnostics.report(SvgDiagnosticCode::PATH_TOO_LONG, "path",
                           "a subpath has more anchors than a host path holds (32767); it is left out");
      } else {
        diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, "coordinates",
                           "a subpath has coordinates too large for the host; it is left out");
      }
      continue;
    }
    path.setClosed(subpath.closed);
    paths.push_back(std::move(path));
  }
  return paths;
}

platform::Result<Art*> placePaths(Document& document, Art& container, PaintOrder order, std::vector<PathData> paths,
                                  const PathStyle& style) {
  if (paths.empty()) return static_cast<Art*>(nullptr);
  if (paths.size() == 1) return document.newPath(order, &container, std::move(paths.front()), style);
  platform::Result<Art*> compound = document.newArt(ArtType::COMPOUND_PATH, order, &container);
  if (!compound) return compound;
  for (PathData& path : paths) {
    platform::Result<Art*> member =
        document.newPath(PaintOrder::PLACE_INSIDE_ON_TOP, *compound, std::move(path), style);
    if (!member) return member;
  }
  return compound;
}

}  // namespace host::svg
