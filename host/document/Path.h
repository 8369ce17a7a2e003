#pragma once
// The geometry of a path: a list of Bezier segments. The curve from segment i to segment i + 1 runs from
// anchor p[i] through out[i] and in[i + 1] to p[i + 1]; a closed path also has the curve from the last
// segment back to the first.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

/// One anchor of a path with its two handles, artwork points.
struct PathSegment {
  /// The anchor point.
  HostRealPoint p{};
  /// The handle of the curve arriving at the anchor.
  HostRealPoint in{};
  /// The handle of the curve leaving the anchor.
  HostRealPoint out{};
  /// A corner (handles move independently) rather than a smooth point.
  bool corner = true;
  /// Same points and flag.
  friend bool operator==(const PathSegment& a, const PathSegment& b) {
    auto same = [](HostRealPoint x, HostRealPoint y) { return x.h == y.h && x.v == y.v; };
    return same(a.p, b.p) && same(a.in, b.in) && same(a.out, b.out) && a.corner == b.corner;
  }
};

/// A corner anchor whose handles lie on it, so the curves meeting there are straight at this end.
[[nodiscard]] PathSegment cornerSegment(HostRealPoint point);

/// The most segments a path holds: plug-ins read the count as a 16-bit integer.
inline constexpr std::int32_t kMaxPathSegments = 32767;

/// The segments of a path and its flags. Every operation keeps the path valid: finite coordinates and at
/// most kMaxPathSegments segments; a refused operation changes nothing.
class PathData {
public:
  /// Number of segments.
  [[nodiscard]] std::int32_t segmentCount() const { return static_cast<std::int32_t>(segmentList.size()); }
  /// All segments in order.
  [[nodiscard]] std::span<const PathSegment> segments() const { return segmentList; }
  /// The segment at index (0 .. count - 1).
  [[nodiscard]] platform::Result<PathSegment> segment(std::int32_t index) const;

  /// Replaces all segments.
  platform::Result<void> assignSegments(std::span<const PathSegment> segments);
  /// Overwrites segments index .. index + segments.size() - 1, which must exist.
  platform::Result<void> setSegments(std::int32_t index, std::span<const PathSegment> segments);
  /// Inserts segments before index; index == segmentCount() appends.
  platform::Result<void> insertSegments(std::int32_t index, std::span<const PathSegment> segments);
  /// Removes count segments from index on; they must exist.
  platform::Result<void> deleteSegments(std::int32_t index, std::int32_t count);

  /// Whether the last segment joins the first.
  [[nodiscard]] bool closed() const { return isClosed; }
  /// Opens or closes the path.
  void setClosed(bool closed) {
    isClosed = closed;
    boundsKnown = false;  // the closing curve counts
  }
  /// Whether the path is a guide (drawn as a guide line, not printed).
  [[nodiscard]] bool guide() const { return isGuide; }
  /// Makes the path a guide or an ordinary path.
  void setGuide(bool guide) { isGuide = guide; }

  /// Extent of the drawn curves (their extrema, not their handles; no stroke); nullopt without segments.
  [[nodiscard]] std::optional<HostRealRect> bounds() const;

private:
  [[nodiscard]] std::optional<HostRealRect> computeBounds() const;

  std::vector<PathSegment> segmentList;
  bool isClosed = false;
  bool isGuide = false;
  // The extent, kept from the first time it is asked for after a change: exporters ask on every pass.
  mutable bool boundsKnown = false;
  mutable std::optional<HostRealRect> knownBounds;
};

}  // namespace host
