#pragma once
// The converter's arc recognition of a path's Bezier segments, each segment recognised at most once per path:
// the test whether the whole path is one circle and the conversion of its segments ask about the same
// segments.

#include <cstddef>
#include <span>
#include <vector>

#include "plugin-common/ArcGeometry.h"
#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// The converter's recognition of the Bezier a→b as a circular arc of at most a quarter turn.
[[nodiscard]] plugin::SegmentCircle circularSegment(const plugin::PathSegment& a, const plugin::PathSegment& b);

/// The recognitions of one path's segments, made on first use. Kept in the export context, so that its
/// memory serves path after path.
class SegmentArcs {
 public:
  /// Starts on a path; nothing is recognised yet. The segments must outlive the use of this path.
  void reset(std::span<const plugin::PathSegment> segments, bool closed);
  /// The path's segments.
  [[nodiscard]] std::span<const plugin::PathSegment> segments() const { return pathSegments; }
  /// Whether the last segment joins the first.
  [[nodiscard]] bool closed() const { return pathClosed; }
  /// The Bezier from segment index to the next (segment 0 after the last) as circularSegment recognises it.
  [[nodiscard]] const plugin::SegmentCircle& arcFrom(size_t index);

 private:
  std::span<const plugin::PathSegment> pathSegments;
  bool pathClosed = false;
  std::vector<plugin::SegmentCircle> circles;
  std::vector<bool> recognised;
};

}  // namespace converter
