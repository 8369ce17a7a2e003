#include "converter/export/DxfRecordWriter.h"

#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

/// The layer of an entity that has no layer name.
constexpr std::string_view kDefaultLayer = "0";

}  // namespace

void DxfRecordWriter::writeGroup(GroupCode code, std::string_view value) {
  out.writeGroup(static_cast<int16_t>(code), value);
}

void DxfRecordWriter::writeGroups(std::span<const FixedGroup> groups) {
  for (const FixedGroup& group : groups) writeGroup(group.code, group.value);
}

void DxfRecordWriter::writeReal(GroupCode code, double value) { out.writeReal(static_cast<int16_t>(code), value); }

void DxfRecordWriter::writeInteger(GroupCode code, int64_t value) { writeGroup(code, formatInteger(value)); }

void DxfRecordWriter::writePoint(GroupCode xCode, GroupCode yCode, plugin::WorkPoint point) {
  writeReal(xCode, dxfX(point.x));
  writeReal(yCode, dxfY(point.y));
}

void DxfRecordWriter::writeLength(GroupCode code, double length) { writeReal(code, dxfLength(length)); }

void DxfRecordWriter::writeLayerLine(std::string_view layer) {
  // An empty layer name would be refused by DXF readers; such entities go to the default layer.
  writeGroup(GroupCode::LAYER_NAME, layer.empty() ? kDefaultLayer : layer);
}

}  // namespace converter
