#pragma once
// Entries of the LTYPE and LAYER tables.

#include <string>
#include <string_view>

#include "converter/export/DxfRecordWriter.h"
#include "converter/export/LineTypeEntry.h"

namespace converter {

/// The name of line type index (0 to 255): "AIGENLINE" and index + 1 in at least three digits (AIGENLINE001).
[[nodiscard]] std::string lineTypeName(int index);

/// The LTYPE entry of the dash pattern at index: an even number of elements (an odd last one is dropped),
/// dashes positive and gaps negative, scaled to DXF units, and their total length.
void writeLineTypeEntry(DxfRecordWriter& writer, int index, const LineTypeEntry& pattern);

/// The LAYER entry of a layer: solid (CONTINUOUS), colour 7, written as -7 (off) unless the host layer is both
/// visible and printable.
void writeLayerEntry(DxfRecordWriter& writer, std::string_view name, bool visible, bool printable);

}  // namespace converter
