#include "converter/export/SegmentConversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "converter/export/DxfEntities.h"
#include "converter/export/PendingSimplification.h"
#include "plugin-common/ConverterOptions.h"

namespace converter {
namespace {

using plugin::ArtPoint;
using plugin::PathSegment;
using plugin::WorkPoint;

/// Handle lines that agree this closely in slope and intercept (or, vertical, in x) are one line.
constexpr double kSameLine = 0.0001;
/// Arc centres and radii of one circle agree within radius × this.
constexpr double kCircleAgreement = 0.001;
/// The vertex limit used when the option holds none that can be split by.
constexpr int kDefaultVertexLimit = 512;

bool samePoint(ArtPoint point, double x, double y) { return point.x == x && point.y == y; }

/// Whether two vertices lie on one point, whatever their bulges.
bool sameVertexPoint(const WorkPoint& a, const WorkPoint& b) { return a == b; }

/// Whether the Bezier a→b is straight: both handles retracted, or both handle lines one line.
bool isStraight(const PathSegment& a, const PathSegment& b) {
  if (a.out == a.anchor && b.in == b.anchor) return true;
  WorkPoint p0 = plugin::toWork(a.anchor);
  WorkPoint p1 = plugin::toWork(a.out);
  WorkPoint p2 = plugin::toWork(b.in);
  WorkPoint p3 = plugin::toWork(b.anchor);
  // A retracted handle has equal x values too, so it counts as vertical here.
  bool firstVertical = p0.x == p1.x;
  bool secondVertical = p2.x == p3.x;
  if (firstVertical || secondVertical) {
    return firstVertical && secondVertical && std::fabs(p0.x - p3.x) < kSameLine;
  }
  double m1 = (p1.y - p0.y) / (p1.x - p0.x);
  double m2 = (p3.y - p2.y) / (p3.x - p2.x);
  double c1 = p0.y - m1 * p0.x;
  double c2 = p3.y - m2 * p3.x;
  return std::fabs(m1 - m2) < kSameLine && std::fabs(c1 - c2) < kSameLine;
}

double nonNegative(double angle) { return angle < 0 ? angle + plugin::kTwoPi : angle; }

/// The signed sweep of the circular segment a→b about centre: the short way, the in-handle of b showing
/// which way round.
double segmentSweep(WorkPoint centre, const PathSegment& a, const PathSegment& b) {
  double a0 = nonNegative(plugin::angleTo(centre, plugin::toWork(a.anchor)));
  double a1 = nonNegative(plugin::angleTo(centre, plugin::toWork(b.anchor)));
  double a2 = nonNegative(plugin::angleTo(centre, plugin::toWork(b.in)));
  double span = a1 - a0;
  double toHandle = a2 - a0;
  bool handleWithin = span > 0 ? (toHandle > 0 && toHandle < span) : (toHandle < 0 && toHandle > span);
  if (handleWithin) return span;
  double otherWay = plugin::kTwoPi - std::fabs(span);
  return span > 0 ? -otherWay : otherWay;
}

}  // namespace

PathCircle circleOfPath(SegmentArcs& arcs) {
  std::span<const PathSegment> segments = arcs.segments();
  size_t count = segments.size();
  if (count <= 2 || !arcs.closed()) return {};
  PathCircle first;
  for (size_t k = 1; k <= count; ++k) {
    const PathSegment& a = segments[k - 1];
    const PathSegment& b = segments[k % count];
    if (a.anchor == a.out || b.anchor == b.in) return {};
    const plugin::SegmentCircle& arc = arcs.arcFrom(k - 1);
    if (!arc.ok) return {};
    if (k == 1) {
      first = {arc.centre, arc.radius, true};
      continue;
    }
    double allowed = arc.radius * kCircleAgreement;
    if (!(plugin::distance(arc.centre, first.centre) <= allowed && std::fabs(arc.radius - first.radius) <= allowed)) {
      return {};
    }
  }
  return first;
}

void writePolyline(DxfRecordWriter& writer, std::span<const PolyVertex> vertices, bool closed, std::string_view layer) {
  if (vertices.empty()) return;
  const ExportContext& context = writer.context();
  size_t count = vertices.size();
  int limitOption = writer.options().vertexLimit;
  // A limit below 2 cannot split a polyline into pieces that share vertices.
  size_t limit = static_cast<size_t>(limitOption >= 2 ? limitOption : kDefaultVertexLimit);
  if (count <= limit) {
    writePolylineHeader(writer, context.curLineType, context.curColor, context.curWidthCode, closed, layer);
    for (const PolyVertex& vertex : vertices) writeVertex(writer, vertex, layer);
    writeSeqEnd(writer);
    return;
  }
  size_t pieces = (count - 1) / (limit - 1) + 1;
  size_t perPiece = (count - 1) / pieces + 1;
  size_t lastIndex = count - 1;
  for (size_t start = 0; start < lastIndex; start += perPiece) {
    size_t end = std::min(start + perPiece, lastIndex);
    writePolylineHeader(writer, context.curLineType, context.curColor, context.curWidthCode, false, layer);
    for (size_t index = start; index < end; ++index) writeVertex(writer, vertices[index], layer);
    if (end < lastIndex) {
      // The vertex shared with the next piece ends this one; its arc belongs to the next piece.
      writeVertex(writer, {vertices[end], 0}, layer);
    } else {
      writeVertex(writer, vertices[lastIndex], layer);
      if (closed && !sameVertexPoint(vertices[lastIndex], vertices[0])) {
        writeVertex(writer, {vertices[0], 0}, layer);
      }
    }
    writeSeqEnd(writer);
  }
}

SegmentConverter::SegmentConverter(DxfRecordWriter& writer, std::string_view layer, int16_t polyMode)
    : writer(writer),
      layer(layer),
      polyMode(polyMode == plugin::POLY_MODE_POLYLINE_AND_ARC || polyMode == plugin::POLY_MODE_LINE_AND_ARC
                   ? polyMode
                   : plugin::POLY_MODE_POLYLINE) {}

void SegmentConverter::begin() {
  ExportContext& context = writer.context();
  context.pending.clear();
  context.pending.reserve(kPendingCapacity);
  context.emittedCount = 0;
  context.polyVertices.clear();
}

void SegmentConverter::appendVertex(PolyVertex vertex) {
  ExportContext& context = writer.context();
  context.pending.push_back(vertex);
  context.lastX = vertex.x;
  context.lastY = vertex.y;
}

void SegmentConverter::appendAnchor(const PathSegment& segment) {
  const ExportContext& context = writer.context();
  if (!context.pending.empty() && samePoint(segment.anchor, context.lastX, context.lastY)) return;
  appendVertex({segment.anchor.x, segment.anchor.y, 0});
}

void SegmentConverter::appendPoint(ArtPoint point) {
  const ExportContext& context = writer.context();
  if (samePoint(point, context.lastX, context.lastY)) return;
  appendVertex({point.x, point.y, 0});
}

void SegmentConverter::convertSegment(SegmentArcs& arcs, size_t index) {
  std::span<const PathSegment> segments = arcs.segments();
  const PathSegment& a = segments[index];
  const PathSegment& b = segments[(index + 1) % segments.size()];
  ExportContext& context = writer.context();
  if (isStraight(a, b)) {
    appendPoint(b.anchor);
    return;
  }
  if (context.arcSegmentDetection != 0) {
    const plugin::SegmentCircle& arc = arcs.arcFrom(index);
    if (arc.ok) {
      double bulge = plugin::bulgeOfSweep(segmentSweep(arc.centre, a, b));
      if (std::fabs(bulge) < kStraightBulge) bulge = 0;
      WorkPoint start = plugin::toWork(a.anchor);
      if (context.pending.empty() || !sameVertexPoint(context.pending.back(), start)) {
        context.pending.push_back({start, 0});
      }
      context.pending.back().bulge = bulge;
      appendVertex({b.anchor.x, b.anchor.y, 0});
      return;
    }
  }
  // Flattened with the weight table, each point rounded to the host's 4-byte reals.
  const plugin::BezierWeightTable& weights = context.bezierWeights;
  WorkPoint p0 = plugin::toWork(a.anchor);
  WorkPoint p1 = plugin::toWork(a.out);
  WorkPoint p2 = plugin::toWork(b.in);
  WorkPoint p3 = plugin::toWork(b.anchor);
  appendAnchor(a);
  for (int step = 1; step < weights.steps; ++step) appendPoint(plugin::toArt(weights.pointAt(step, p0, p1, p2, p3)));
  appendPoint(b.anchor);
}

void SegmentConverter::flushPending(bool dropLast, bool final) {
  ExportContext& context = writer.context();
  const plugin::ConverterOptions& options = writer.options();
  double tolerance = simplifyTolerance(options.cnvtAber);
  if (options.fuselnfix != 0) optimizeLines(context.pending, tolerance);
  if (options.fusesmoth != 0) smoothArcs(context.pending, tolerance);

  size_t count = context.pending.size();
  if (count == 0) return;
  if (final && context.emittedCount + static_cast<int64_t>(count) < 2) {
    // A path that comes to a single vertex is still written, as a line from that vertex to itself.
    context.pending.push_back(context.pending.back());
    count = 2;
  } else if (dropLast) {
    --count;
  }
  switch (polyMode) {
    case plugin::POLY_MODE_POLYLINE_AND_ARC:
      writePolylineAndArcs(count);
      break;
    case plugin::POLY_MODE_LINE_AND_ARC:
      writeLinesAndArcs(count);
      break;
    default:
      moveToBuffer(count);
      break;
  }
  context.pending.clear();
  // Only "fewer than two" matters; the count stops at the type's end rather than overflow.
  constexpr int32_t kMostEmitted = std::numeric_limits<int32_t>::max();
  context.emittedCount +=
      static_cast<int32_t>(std::min<size_t>(count, static_cast<size_t>(kMostEmitted - context.emittedCount)));
}

void SegmentConverter::moveToBuffer(size_t count) {
  ExportContext& context = writer.context();
  context.polyVertices.insert(context.polyVertices.end(), context.pending.begin(),
                              context.pending.begin() + static_cast<std::ptrdiff_t>(count));
}

void SegmentConverter::writePolylineAndArcs(size_t count) {
  ExportContext& context = writer.context();
  std::vector<PolyVertex>& buffer = context.polyVertices;
  for (size_t index = 0; index < count; ++index) {
    PolyVertex vertex = context.pending[index];
    PolyVertex straight{vertex, 0};
    bool repeatsLast = !buffer.empty() && sameVertexPoint(buffer.back(), straight);
    if (std::fabs(vertex.bulge) < kStraightBulge) {
      if (!repeatsLast) buffer.push_back(straight);
      continue;
    }
    // An arc ends the straight run before it, which runs up to the arc's start.
    if (!buffer.empty()) {
      if (!repeatsLast) buffer.push_back(straight);
      writeBufferedRun();
    }
    if (index + 1 < context.pending.size()) {
      writeArc(writer, context.curLineType, context.curColor, vertex, context.pending[index + 1], layer);
    }
  }
}

void SegmentConverter::writeBufferedRun() {
  std::vector<PolyVertex>& buffer = writer.context().polyVertices;
  // A single buffered vertex is no line: it only marks where the next run starts.
  if (buffer.size() >= 2) writePolyline(writer, buffer, false, layer);
  buffer.clear();
}

void SegmentConverter::writeLinesAndArcs(size_t count) {
  const ExportContext& context = writer.context();
  for (size_t index = 0; index + 1 < count; ++index) {
    const PolyVertex& start = context.pending[index];
    const PolyVertex& end = context.pending[index + 1];
    if (std::fabs(start.bulge) < kStraightBulge) {
      writeLine(writer, context.curLineType, context.curColor, {start.x, start.y}, {end.x, end.y}, layer);
    } else {
      writeArc(writer, context.curLineType, context.curColor, start, end, layer);
    }
  }
}

void SegmentConverter::convertPath(SegmentArcs& arcs) {
  std::span<const PathSegment> segments = arcs.segments();
  bool closed = arcs.closed();
  size_t count = segments.size();
  if (count == 0) return;
  bool polylineMode = polyMode == plugin::POLY_MODE_POLYLINE;
  appendAnchor(segments[0]);
  for (size_t k = 1; k < count; ++k) {
    appendAnchor(segments[k - 1]);
    convertSegment(arcs, k - 1);
    bool lastOfOpenPath = !closed && k == count - 1;
    // In a polyline the next segment starts on this one's end; it is appended again there.
    flushPending(polylineMode && !lastOfOpenPath, false);
  }
  if (closed) {
    appendAnchor(segments[count - 1]);
    convertSegment(arcs, count - 1);
  }
  // A closed polyline's last vertex is its first again, which the closed flag draws.
  flushPending(polylineMode && closed, true);
}

std::span<const PolyVertex> SegmentConverter::vertices() const { return writer.context().polyVertices; }

}  // namespace converter
