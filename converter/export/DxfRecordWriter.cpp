#include "converter/export/DxfRecordWriter.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
/// Group codes stand right-aligned in three columns ("  0", " 10").
constexpr int kGroupCodeWidth = 3;
/// The layer of an entity that has no layer name.
constexpr std::string_view kDefaultLayer = "0";

bool isControlByte(char character) { return static_cast<unsigned char>(character) < 32; }

}  // namespace

void DxfRecordWriter::writeCode(GroupCode code) {
  out.write(formatRightAligned(static_cast<int16_t>(code), kGroupCodeWidth));
  out.write(kLineEnd);
}

void DxfRecordWriter::writeGroup(GroupCode code, std::string_view value) {
  writeCode(code);
  if (std::any_of(value.begin(), value.end(), isControlByte)) {
    std::string kept;
    std::copy_if(value.begin(), value.end(), std::back_inserter(kept), [](char c) { return !isControlByte(c); });
    out.write(kept);
  } else {
    out.write(value);
  }
  out.write(kLineEnd);
}

void DxfRecordWriter::writeGroups(std::span<const FixedGroup> groups) {
  for (const FixedGroup& group : groups) writeGroup(group.code, group.value);
}

void DxfRecordWriter::writeReal(GroupCode code, double value) { writeGroup(code, formatReal(value)); }

void DxfRecordWriter::writeInteger(GroupCode code, int64_t value) { writeGroup(code, formatInteger(value)); }

void DxfRecordWriter::writePoint(GroupCode xCode, GroupCode yCode, ExportPoint point) {
  writeReal(xCode, dxfX(point.x));
  writeReal(yCode, dxfY(point.y));
}

void DxfRecordWriter::writeLength(GroupCode code, double length) { writeReal(code, dxfLength(length)); }

void DxfRecordWriter::writeLayerLine(std::string_view layer) {
  // An empty layer name would be refused by DXF readers; such entities go to the default layer.
  writeGroup(GroupCode::LAYER_NAME, layer.empty() ? kDefaultLayer : layer);
}

}  // namespace converter
