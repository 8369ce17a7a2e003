#pragma once
// One host path as DXF entities: a CIRCLE when the whole closed path is one circle, else its vertices with
// bulges written as POLYLINE, as POLYLINE and ARC, or as LINE and ARC (polyMode); its dash pattern registered
// in the line-type table, and its solid fill as a HATCH.

#include <cstdint>
#include <string_view>

#include "converter/export/DxfRecordWriter.h"
#include "converter/export/ExportMode.h"
#include "converter/export/ExportPath.h"
#include "host/sdk/HostTypes.h"

namespace converter {

/// The width code of a path: its stroke width × 100 (a 4-byte product) truncated, or kUnstrokedWidthCode for an
/// unstroked path whose stroke width would give a code above 0.
[[nodiscard]] int32_t widthCodeOf(const HostPathStyle& style);

/// The line type of a path's style: -1 for an unstroked or solid path, else the index of its dash pattern in
/// the context's line-type table. In mode LINE_TYPES a new pattern is added (while there is room) and its LTYPE
/// entry written at once; in mode ENTITIES a pattern the line-type pass did not register is written solid, as
/// there is no LTYPE entry to name.
[[nodiscard]] int16_t registerLineType(DxfRecordWriter& writer, const HostPathStyle& style, ExportMode mode);

/// Writes the path art on layer. In mode LINE_TYPES only its dash pattern is registered. Guides, paths of fewer
/// than two segments and paths whose extent is a single point write nothing. With fills converted, a filled
/// path gets a HATCH after its entities, and the first member of a compound path writes the compound path's
/// HATCH. Returns 0 or the first failing host result.
[[nodiscard]] HostResult writePath(DxfRecordWriter& writer, ArtHandle path, ExportMode mode, std::string_view layer);

/// The same for a path already read.
[[nodiscard]] HostResult writeExportPath(DxfRecordWriter& writer, const ExportPath& path, ArtHandle art,
                                         ExportMode mode, std::string_view layer);

}  // namespace converter
