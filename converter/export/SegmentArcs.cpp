#include "converter/export/SegmentArcs.h"

namespace converter {

plugin::SegmentCircle circularSegment(const plugin::PathSegment& a, const plugin::PathSegment& b) {
  return plugin::arcFromBezier(a, b, plugin::ArcTolerance::CONVERTER);
}

void SegmentArcs::reset(std::span<const plugin::PathSegment> segments, bool closed) {
  pathSegments = segments;
  pathClosed = closed;
  circles.resize(segments.size());
  recognised.assign(segments.size(), false);
}

const plugin::SegmentCircle& SegmentArcs::arcFrom(size_t index) {
  if (!recognised[index]) {
    circles[index] = circularSegment(pathSegments[index], pathSegments[(index + 1) % pathSegments.size()]);
    recognised[index] = true;
  }
  return circles[index];
}

}  // namespace converter
