#pragma once
// The solid fill of a compound path: one HATCH with a boundary loop for each of its member paths.

#include <string_view>

#include "converter/export/DxfRecordWriter.h"
#include "host/sdk/HostTypes.h"

namespace converter {

/// Writes the compound path's HATCH (only in polyMode Polyline): one loop per member of more than one segment,
/// a circle loop for a member that is a circle (with circles on), else the member's vertices as converted for
/// a polyline. The colour is the fill of the first filled member; nothing is written without one, or when that
/// fill is a pattern or gradient. Returns 0 or the first failing host result.
[[nodiscard]] HostResult writeHatchCompound(DxfRecordWriter& writer, ArtHandle compound, std::string_view layer);

}  // namespace converter
