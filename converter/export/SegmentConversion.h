#pragma once
// A path's segments as polyline vertices with bulges, and their output by the line-conversion mode: straight
// segments as their end points, circular Bezier segments as bulge arcs, other Bezier segments flattened with the
// context's weight tables. The vertices of each segment gather in the context's pending list and are then moved
// on (flushPending): into the whole-path buffer for POLYLINE output, or written at once as POLYLINE and ARC, or
// LINE and ARC.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "converter/export/DxfRecordWriter.h"
#include "converter/export/PolyVertex.h"
#include "converter/export/SegmentArcs.h"
#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// The circle of a closed path made of circular Bezier segments on one circle.
struct PathCircle {
  /// The centre, points.
  plugin::WorkPoint centre;
  /// The radius, points.
  double radius = 0;
  /// False when the path is not such a circle.
  bool ok = false;
};

/// The circle a closed path of more than two segments draws, when every segment (the closing one included) is
/// a circular arc with both handles out (the converter's recognition) and every arc's centre and radius agree
/// with the first arc's within radius × 0.001.
[[nodiscard]] PathCircle circleOfPath(SegmentArcs& arcs);

/// Writes vertices as POLYLINE (with the context's current line type, colour and width code): one polyline
/// when they fit the vertex limit, else open pieces of at most that many vertices, each piece ending on the
/// vertex that starts the next (written straight), and a closed path's last piece ending on its first vertex
/// again. Nothing for no vertices.
void writePolyline(DxfRecordWriter& writer, std::span<const PolyVertex> vertices, bool closed, std::string_view layer);

/// Turns one path's segments into vertices and moves them on by the line-conversion mode. State lives in the
/// writer's context (pending list, last point, emitted count, whole-path buffer, current entity attributes).
class SegmentConverter {
 public:
  /// Converts for writer's export with its options and the given line-conversion mode (POLY_MODE_...; any
  /// other value counts as POLY_MODE_POLYLINE); entities written on the way go to layer.
  SegmentConverter(DxfRecordWriter& writer, std::string_view layer, int16_t polyMode);

  /// Empties the pending list and the whole-path buffer; nothing has been emitted.
  void begin();
  /// Appends the segment's anchor (bulge 0) unless the list is not empty and it is the last point; it then is
  /// the last point.
  void appendAnchor(const plugin::PathSegment& segment);
  /// Appends the point unless it is the last point; it then is the last point.
  void appendPoint(plugin::ArtPoint point);
  /// Appends the vertices of the Bezier from segment index of the path to the next.
  void convertSegment(SegmentArcs& arcs, size_t index);
  /// Rewrites the pending list (line optimization, arc smoothing, as the options say) and moves it on: into
  /// the buffer, or written as POLYLINE and ARC, or LINE and ARC. Without its last vertex when dropLast; the
  /// final flush of a path that emitted a single vertex doubles it.
  void flushPending(bool dropLast, bool final);
  /// Every segment of the path in turn, the closing one of a closed path included, with the final flush.
  void convertPath(SegmentArcs& arcs);
  /// The polyline-and-arc mode's buffered straight run as one POLYLINE, when it holds a line (two vertices or
  /// more); the buffer is then empty.
  void writeBufferedRun();

  /// The whole-path buffer.
  [[nodiscard]] std::span<const PolyVertex> vertices() const;
  /// The line-conversion mode in use.
  [[nodiscard]] int16_t mode() const { return polyMode; }

 private:
  void appendVertex(PolyVertex vertex);
  void moveToBuffer(size_t count);
  void writePolylineAndArcs(size_t count);
  void writeLinesAndArcs(size_t count);

  DxfRecordWriter& writer;
  std::string_view layer;
  int16_t polyMode;
};

}  // namespace converter
