#include "converter/export/DxfHatches.h"

#include <cmath>

#include "converter/export/DxfEntities.h"
#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

using enum GroupCode;

constexpr std::string_view kHatch = "HATCH";
/// The subclass markers that readers of hatches look for (ezdxf cannot load a HATCH without them): the common
/// entity groups follow the first, the hatch's own groups the second.
constexpr std::string_view kEntitySubclass = "AcDbEntity";
constexpr std::string_view kHatchSubclass = "AcDbHatch";
/// Integers inside HATCH records stand right-aligned in six columns.
constexpr int kHatchIntegerWidth = 6;

// Exact texts. The three preambles each have their own spacing of the group codes; it is kept byte for byte.

/// Polyline HATCH: elevation point, extrusion, solid pattern, one polyline loop with bulges.
constexpr std::string_view kPolylineHatchPreamble =
    " 10\r\n0.0\r\n 20\r\n0.0\r\n 30\r\n0.0\r\n"
    " 210\r\n0.0\r\n 220\r\n0.0\r\n 230\r\n1.0\r\n"
    "  2\r\nSOLID\r\n"
    " 70\r\n     1\r\n"
    " 71\r\n     1\r\n"
    " 91\r\n     1\r\n"
    " 92\r\n     2\r\n"
    " 72\r\n     1\r\n";

/// Circle HATCH: elevation point, extrusion, solid pattern, one loop of one full circular edge.
constexpr std::string_view kCircleHatchPreamble =
    "  10\r\n0.0\r\n20\r\n0.0\r\n30\r\n0.0\r\n"
    "  210\r\n0.0\r\n220\r\n0.0\r\n230\r\n1.0\r\n"
    "  2\r\nSOLID\r\n"
    " 70\r\n     1\r\n"
    " 71\r\n     1\r\n"
    " 91\r\n     1\r\n"
    " 92\r\n     1\r\n"
    " 93\r\n     1\r\n"
    " 72\r\n     2\r\n";
/// After the circle's centre and radius: the full turn, counter-clockwise, no source objects, the pattern
/// and one seed point.
constexpr std::string_view kCircleHatchTrailer =
    " 50\r\n0.0\r\n"
    " 51\r\n360.0\r\n"
    " 73\r\n     1\r\n"
    " 97\r\n     0\r\n"
    " 75\r\n     0\r\n"
    " 76\r\n     1\r\n"
    " 98\r\n     1\r\n"
    "  10\r\n0.0\r\n20\r\n0.0\r\n";

/// Compound HATCH: elevation point, extrusion, solid pattern; the loop count follows.
constexpr std::string_view kCompoundHatchPreamble =
    "  10\r\n0.0\r\n  20\r\n0.0\r\n  30\r\n0.0\r\n"
    "   210\r\n0.0\r\n 220\r\n0.0\r\n 230\r\n1.0\r\n"
    "  2\r\nSOLID\r\n"
    " 70\r\n     1\r\n"
    " 71\r\n     1\r\n";
/// A compound HATCH's circular loop: one full circular edge; centre and radius follow.
constexpr std::string_view kCircleLoopStart =
    " 92\r\n     1\r\n"
    " 93\r\n     1\r\n"
    " 72\r\n     2\r\n";
constexpr std::string_view kCircleLoopEnd =
    " 50\r\n0.0\r\n"
    " 51\r\n360.0\r\n"
    " 73\r\n     1\r\n"
    " 97\r\n     0\r\n";
/// A compound HATCH's polyline loop with bulges; closed flag, count and vertices follow.
constexpr std::string_view kPolylineLoopStart =
    " 92\r\n     2\r\n"
    " 72\r\n     1\r\n";
/// The end of a loop: no source objects.
constexpr std::string_view kLoopEnd = " 97\r\n     0\r\n";
/// The end of polyline and compound HATCHes: the pattern and one seed point.
constexpr std::string_view kHatchTrailer =
    " 75\r\n     0\r\n"
    " 76\r\n     1\r\n"
    " 98\r\n     1\r\n"
    " 10\r\n0.0\r\n 20\r\n0.0\r\n";

void beginHatch(DxfRecordWriter& writer, int16_t color, std::string_view layer) {
  writer.writeGroup(ENTITY_TYPE, kHatch);
  writer.writeGroup(SUBCLASS_MARKER, kEntitySubclass);
  writer.writeLayerLine(layer);
  if (color != kNoColor) writer.writeInteger(COLOR_NUMBER, color);
  writer.writeGroup(SUBCLASS_MARKER, kHatchSubclass);
}

void writeHatchInteger(DxfRecordWriter& writer, GroupCode code, int64_t value) {
  writer.writeGroup(code, formatRightAligned(value, kHatchIntegerWidth));
}

/// Closed flag, vertex count and the vertices of a polyline loop; every vertex carries its bulge.
void writePolylineLoopBody(DxfRecordWriter& writer, std::span<const PolyVertex> vertices, bool closed) {
  writeHatchInteger(writer, HATCH_LOOP_CLOSED, closed ? 1 : 0);
  writeHatchInteger(writer, HATCH_VERTEX_COUNT, static_cast<int64_t>(vertices.size()));
  for (const PolyVertex& vertex : vertices) {
    writer.writePoint(X, Y, {vertex.x, vertex.y});
    writer.writeReal(BULGE, std::fabs(vertex.bulge) > kStraightBulge ? vertex.bulge : 0.0);
  }
}

void writeCircleEdge(DxfRecordWriter& writer, plugin::WorkPoint centre, double radius) {
  writer.writePoint(X, Y, centre);
  writer.writeLength(RADIUS, radius);
}

}  // namespace

void writeHatchPolyline(DxfRecordWriter& writer, int16_t color, std::span<const PolyVertex> vertices, bool closed,
                        std::string_view layer) {
  if (vertices.empty()) return;
  beginHatch(writer, color, layer);
  writer.writeText(kPolylineHatchPreamble);
  writePolylineLoopBody(writer, vertices, closed);
  writer.writeText(kLoopEnd);
  writer.writeText(kHatchTrailer);
}

void writeHatchCircle(DxfRecordWriter& writer, int16_t color, plugin::WorkPoint centre, double radius,
                      std::string_view layer) {
  beginHatch(writer, color, layer);
  writer.writeText(kCircleHatchPreamble);
  writeCircleEdge(writer, centre, radius);
  writer.writeText(kCircleHatchTrailer);
}

void beginHatchCompound(DxfRecordWriter& writer, int16_t color, int32_t loopCount, std::string_view layer) {
  beginHatch(writer, color, layer);
  writer.writeText(kCompoundHatchPreamble);
  writeHatchInteger(writer, HATCH_LOOP_COUNT, loopCount);
}

void writeHatchCircleLoop(DxfRecordWriter& writer, plugin::WorkPoint centre, double radius) {
  writer.writeText(kCircleLoopStart);
  writeCircleEdge(writer, centre, radius);
  writer.writeText(kCircleLoopEnd);
}

void writeHatchPolylineLoop(DxfRecordWriter& writer, std::span<const PolyVertex> vertices, bool closed) {
  writer.writeText(kPolylineLoopStart);
  writePolylineLoopBody(writer, vertices, closed);
  writer.writeText(kLoopEnd);
}

void endHatchCompound(DxfRecordWriter& writer) { writer.writeText(kHatchTrailer); }

}  // namespace converter
