#include "converter/export/DxfEntities.h"

#include <array>
#include <cmath>

#include "converter/export/BulgeArc.h"
#include "converter/export/DxfCoordinates.h"
#include "converter/export/DxfTableEntries.h"
#include "plugin-common/ConverterOptions.h"

namespace converter {
namespace {

using enum GroupCode;

constexpr std::string_view kLine = "LINE";
constexpr std::string_view kArc = "ARC";
constexpr std::string_view kCircle = "CIRCLE";
constexpr std::string_view kPolyline = "POLYLINE";
constexpr std::string_view kVertex = "VERTEX";
constexpr std::string_view kSeqEnd = "SEQEND";
constexpr std::string_view kText = "TEXT";

/// The POLYLINE's own point is always the origin, and vertices follow it.
constexpr std::array<FixedGroup, 4> kPolylineVerticesFollow{{
    {ENTITIES_FOLLOW, "1"},
    {X, "0"},
    {Y, "0"},
    {Z, "0"},
}};
/// POLYLINE flags.
constexpr int32_t kClosedPolylineFlag = 1;
constexpr int32_t kContinuousPatternFlag = 128;
/// The width of an unstroked path, in DXF units whatever the scale.
constexpr double kUnstrokedWidth = 0.05;
/// Width codes are stroke widths in hundredths of a point.
constexpr double kWidthCodesPerPoint = 100.0;
/// TEXT is written at half width.
constexpr double kTextWidthFactor = 0.5;

/// The type, the layer line and the optional line-type and colour records that most entities start with.
void beginEntity(DxfRecordWriter& writer, std::string_view type, std::string_view layer, int16_t lineType,
                 int16_t color) {
  writer.writeGroup(ENTITY_TYPE, type);
  writer.writeLayerLine(layer);
  if (lineType != kNoLineType) writer.writeGroup(LINE_TYPE_NAME, lineTypeName(lineType));
  if (color != kNoColor) writer.writeInteger(COLOR_NUMBER, color);
}

void writeArcAsPolyline(DxfRecordWriter& writer, int16_t lineType, int16_t color, const PolyVertex& start,
                        const PolyVertex& end, std::string_view layer) {
  writePolylineHeader(writer, lineType, color, writer.context().curWidthCode, false, layer);
  for (const PolyVertex& vertex : arcAsSegments(start, end, writer.options().cnvtAber)) {
    writeVertex(writer, vertex, layer);
  }
  writeSeqEnd(writer);
}

}  // namespace

void writeLine(DxfRecordWriter& writer, int16_t lineType, int16_t color, plugin::WorkPoint start, plugin::WorkPoint end,
               std::string_view layer) {
  beginEntity(writer, kLine, layer, lineType, color);
  writer.writePoint(X, Y, start);
  writer.writePoint(SECOND_X, SECOND_Y, end);
}

void writeArc(DxfRecordWriter& writer, int16_t lineType, int16_t color, const PolyVertex& start,
              const PolyVertex& end, std::string_view layer) {
  // A straight "arc" would have its centre near infinity; it is the line it looks like.
  if (std::fabs(start.bulge) <= kStraightBulge) {
    writeLine(writer, lineType, color, {start.x, start.y}, {end.x, end.y}, layer);
    return;
  }
  if (writer.options().ftiipcomp == plugin::TIIP_TORAY_CREACOMPO) {
    writeArcAsPolyline(writer, lineType, color, start, end, layer);
    return;
  }
  BulgeArc arc = bulgeArc(start, end);
  beginEntity(writer, kArc, layer, lineType, color);
  writer.writePoint(X, Y, arc.centre);
  writer.writeLength(RADIUS, arc.radius);
  writer.writeReal(START_ANGLE, toDegrees(arc.startAngle));
  writer.writeReal(END_ANGLE, toDegrees(arc.endAngle));
}

void writeCircle(DxfRecordWriter& writer, int16_t lineType, int16_t color, plugin::WorkPoint centre, double radius,
                 std::string_view layer) {
  beginEntity(writer, kCircle, layer, lineType, color);
  writer.writePoint(X, Y, centre);
  writer.writeLength(RADIUS, radius);
}

void writePolylineHeader(DxfRecordWriter& writer, int16_t lineType, int16_t color, int32_t widthCode, bool closed,
                         std::string_view layer) {
  beginEntity(writer, kPolyline, layer, lineType, kNoColor);
  if (widthCode != 0 && writer.options().fuseWidth != 0) {
    double width = widthCode == kUnstrokedWidthCode ? kUnstrokedWidth
                                                    : writer.dxfLength(widthCode / kWidthCodesPerPoint);
    writer.writeReal(STARTING_WIDTH, width);
    writer.writeReal(ENDING_WIDTH, width);
  }
  // The colour follows the widths in this record.
  if (color != kNoColor) writer.writeInteger(COLOR_NUMBER, color);
  writer.writeGroups(kPolylineVerticesFollow);
  int32_t flags = (lineType != kNoLineType ? kContinuousPatternFlag : 0) | (closed ? kClosedPolylineFlag : 0);
  if (flags != 0) writer.writeInteger(FLAGS, flags);
}

void writeVertex(DxfRecordWriter& writer, const PolyVertex& vertex, std::string_view layer) {
  writer.writeGroup(ENTITY_TYPE, kVertex);
  writer.writeLayerLine(layer);
  writer.writePoint(X, Y, {vertex.x, vertex.y});
  if (std::fabs(vertex.bulge) > kStraightBulge) writer.writeReal(BULGE, vertex.bulge);
}

void writeSeqEnd(DxfRecordWriter& writer) { writer.writeGroup(ENTITY_TYPE, kSeqEnd); }

void writeTextEntity(DxfRecordWriter& writer, double height, int16_t color, int16_t justification,
                     double rotationDegrees, plugin::WorkPoint point, std::string_view text, std::string_view layer) {
  writer.writeGroup(ENTITY_TYPE, kText);
  writer.writeLayerLine(layer);
  writer.writePoint(X, Y, point);
  writer.writePoint(SECOND_X, SECOND_Y, point);
  writer.writeLength(TEXT_HEIGHT, height);
  writer.writeReal(WIDTH_FACTOR, kTextWidthFactor);
  if (rotationDegrees != 0) writer.writeReal(ROTATION, rotationDegrees);
  if (color != kNoColor) writer.writeInteger(COLOR_NUMBER, color);
  if (justification != 0) writer.writeInteger(HORIZONTAL_JUSTIFICATION, justification);
  writer.writeGroup(PRIMARY_TEXT, text);
}

}  // namespace converter
