#pragma once
// Entity records: LINE, ARC, CIRCLE, POLYLINE with its VERTEX and SEQEND records, and TEXT. Every entity
// gets a layer line (an empty layer name writes the layer "0"); a line-type index of -1 and a colour number
// of 0 leave their optional records out. Points are in artwork points and go through the DXF transform.

#include <cstdint>
#include <string_view>

#include "converter/export/DxfRecordWriter.h"
#include "converter/export/PolyVertex.h"
#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// No line type: the entity is solid.
inline constexpr int16_t kNoLineType = -1;
/// No colour number: the entity takes its layer's colour.
inline constexpr int16_t kNoColor = 0;
/// The width code of an unstroked path: a fixed width of 0.05 DXF units.
inline constexpr int32_t kUnstrokedWidthCode = 14;
/// Bulges of at most this size are straight.
inline constexpr double kStraightBulge = 0.0001;

/// LINE from start to end.
void writeLine(DxfRecordWriter& writer, int16_t lineType, int16_t color, plugin::WorkPoint start, plugin::WorkPoint end,
               std::string_view layer);

/// The bulge arc from start (with its bulge) to end as an ARC. In the TIIP mode TORAY CREACOMPO, which reads
/// no arcs, as an open POLYLINE of 2 to 63 straight segments within the export tolerance, with the current
/// path's width code. A straight bulge (at most 0.0001) is written as a LINE.
void writeArc(DxfRecordWriter& writer, int16_t lineType, int16_t color, const PolyVertex& start,
              const PolyVertex& end, std::string_view layer);

/// CIRCLE of the radius in points around centre.
void writeCircle(DxfRecordWriter& writer, int16_t lineType, int16_t color, plugin::WorkPoint centre, double radius,
                 std::string_view layer);

/// The POLYLINE record that starts a run of VERTEX records. Flags: 128 with a line type (the pattern runs
/// on through the vertices), 1 when closed. Widths only with fuseWidth on and a width code: 0.05 for
/// kUnstrokedWidthCode, else widthCode / 100 points scaled.
void writePolylineHeader(DxfRecordWriter& writer, int16_t lineType, int16_t color, int32_t widthCode, bool closed,
                         std::string_view layer);
/// One VERTEX; its bulge only when it is not straight.
void writeVertex(DxfRecordWriter& writer, const PolyVertex& vertex, std::string_view layer);
/// SEQEND, which ends a POLYLINE's vertices.
void writeSeqEnd(DxfRecordWriter& writer);

/// TEXT at point (insertion and alignment point alike), height in points, width factor 0.5; the rotation in
/// degrees only when not 0, the horizontal justification (0 left, 1 centre, 2 right) only when not 0.
void writeTextEntity(DxfRecordWriter& writer, double height, int16_t color, int16_t justification,
                     double rotationDegrees, plugin::WorkPoint point, std::string_view text, std::string_view layer);

}  // namespace converter
