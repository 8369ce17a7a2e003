#pragma once
// Solid fills as HATCH entities: of one polyline, of one circle, and of a compound path's several boundary
// loops. The records keep the spacing that the readers of the converter's files have always been given, and
// carry the subclass markers (AcDbEntity before the layer, AcDbHatch before the elevation point) in the places
// where readers of hatches expect them.

#include <cstdint>
#include <span>
#include <string_view>

#include "converter/export/DxfRecordWriter.h"
#include "converter/export/PolyVertex.h"

namespace converter {

/// A solid HATCH bounded by the polyline of the vertices (points, with bulges); nothing for no vertices.
void writeHatchPolyline(DxfRecordWriter& writer, int16_t color, std::span<const PolyVertex> vertices, bool closed,
                        std::string_view layer);

/// A solid HATCH bounded by the circle of the radius in points around centre.
void writeHatchCircle(DxfRecordWriter& writer, int16_t color, plugin::WorkPoint centre, double radius,
                      std::string_view layer);

/// The start of a compound path's solid HATCH with loopCount boundary loops; the loops follow
/// (writeHatchCircleLoop, writeHatchPolylineLoop), then endHatchCompound.
void beginHatchCompound(DxfRecordWriter& writer, int16_t color, int32_t loopCount, std::string_view layer);
/// A circular boundary loop of a compound HATCH.
void writeHatchCircleLoop(DxfRecordWriter& writer, plugin::WorkPoint centre, double radius);
/// A polyline boundary loop of a compound HATCH.
void writeHatchPolylineLoop(DxfRecordWriter& writer, std::span<const PolyVertex> vertices, bool closed);
/// The end of a compound path's HATCH.
void endHatchCompound(DxfRecordWriter& writer);

}  // namespace converter
