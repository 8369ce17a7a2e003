#include "host/document/Path.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "host/document/DocumentError.h"
#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

platform::Error tooManySegments() {
  return platform::fail("a path holds at most " + std::to_string(kMaxPathSegments) + " segments", {},
                        HOST_TOO_MANY_POINTS);
}

platform::Result<void> checkFinite(std::span<const PathSegment> segments) {
  for (const PathSegment& segment : segments) {
    for (HostRealPoint point : {segment.p, segment.in, segment.out}) {
      if (!std::isfinite(point.h) || !std::isfinite(point.v)) {
        return badParameter("path coordinates must be finite");
      }
    }
  }
  return {};
}

// Extent along one axis of the cubic with control values a, b, c, d: the end values and the values at the
// zeros of the derivative inside (0, 1).
void extendByCubic(double a, double b, double c, double d, double& low, double& high) {
  auto include = [&](double value) {
    low = std::min(low, value);
    high = std::max(high, value);
  };
  include(a);
  include(d);
  // B'(t) / 3 = qa t^2 + qb t + qc.
  const double qa = -a + 3 * b - 3 * c + d;
  const double qb = 2 * (a - 2 * b + c);
  const double qc = b - a;
  std::array<double, 2> roots{};
  int rootCount = 0;
  if (qa == 0) {
    if (qb != 0) roots[rootCount++] = -qc / qb;
  } else {
    const double discriminant = qb * qb - 4 * qa * qc;
    if (discriminant >= 0) {
      // The stable form avoids the cancellation of -qb + sqrt(...) when 4 qa qc is small.
      const double q = -0.5 * (qb + std::copysign(std::sqrt(discriminant), qb));
      roots[rootCount++] = q / qa;
      if (q != 0) roots[rootCount++] = qc / q;
    }
  }
  for (int i = 0; i < rootCount; ++i) {
    const double t = roots[static_cast<std::size_t>(i)];
    if (t > 0 && t < 1) {
      const double s = 1 - t;
      include(s * s * s * a + 3 * s * s * t * b + 3 * s * t * t * c + t * t * t * d);
    }
  }
}

}  // namespace

PathSegment cornerSegment(HostRealPoint point) { return PathSegment{point, point, point, true}; }

platform::Result<PathSegment> PathData::segment(std::int32_t index) const {
  if (index < 0 || index >= segmentCount()) return badParameter("segment index out of range");
  return segmentList[static_cast<std::size_t>(index)];
}

platform::Result<void> PathData::assignSegments(std::span<const PathSegment> segments) {
  if (segments.size() > static_cast<std::size_t>(kMaxPathSegments)) return tooManySegments();
  if (platform::Result<void> finite = checkFinite(segments); !finite) return finite;
  segmentList.assign(segments.begin(), segments.end());
  boundsKnown = false;
  return {};
}

platform::Result<void> PathData::setSegments(std::int32_t index, std::span<const PathSegment> segments) {
  // 64-bit sums: index and size come from plug-ins and must not overflow.
  if (index < 0 || static_cast<std::int64_t>(index) + static_cast<std::int64_t>(segments.size()) > segmentCount()) {
    return badParameter("segments to set lie outside the path");
  }
  if (platform::Result<void> finite = checkFinite(segments); !finite) return finite;
  std::copy(segments.begin(), segments.end(), segmentList.begin() + index);
  boundsKnown = false;
  return {};
}

platform::Result<void> PathData::insertSegments(std::int32_t index, std::span<const PathSegment> segments) {
  if (index < 0 || index > segmentCount()) return badParameter("insertion index out of range");
  if (static_cast<std::int64_t>(segmentCount()) + static_cast<std::int64_t>(segments.size()) > kMaxPathSegments) {
    return tooManySegments();
  }
  if (platform::Result<void> finite = checkFinite(segments); !finite) return finite;
  segmentList.insert(segmentList.begin() + index, segments.begin(), segments.end());
  boundsKnown = false;
  return {};
}

platform::Result<void> PathData::deleteSegments(std::int32_t index, std::int32_t count) {
  if (index < 0 || count < 0 || static_cast<std::int64_t>(index) + count > segmentCount()) {
    return badParameter("segments to delete lie outside the path");
  }
  segmentList.erase(segmentList.begin() + index, segmentList.begin() + index + count);
  boundsKnown = false;
  return {};
}

std::optional<HostRealRect> PathData::bounds() const {
  if (!boundsKnown) {
    knownBounds = computeBounds();
    boundsKnown = true;
  }
  return knownBounds;
}

std::optional<HostRealRect> PathData::computeBounds() const {
  if (segmentList.empty()) return std::nullopt;
  double left = segmentList.front().p.h;
  double right = left;
  double bottom = segmentList.front().p.v;
  double top = bottom;
  auto extendByCurve = [&](const PathSegment& from, const PathSegment& to) {
    extendByCubic(from.p.h, from.out.h, to.in.h, to.p.h, left, right);
    extendByCubic(from.p.v, from.out.v, to.in.v, to.p.v, bottom, top);
  };
  for (std::size_t i = 1; i < segmentList.size(); ++i) extendByCurve(segmentList[i - 1], segmentList[i]);
  // A closed single anchor still draws its closing curve, a loop through its own handles.
  if (isClosed) extendByCurve(segmentList.back(), segmentList.front());
  return HostRealRect{static_cast<HostReal>(left), static_cast<HostReal>(top), static_cast<HostReal>(right),
                      static_cast<HostReal>(bottom)};
}

}  // namespace host
