#include "converter/export/DxfRecordWriter.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

#include "converter/export/DxfGroupLine.h"
#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

/// The layer of an entity that has no layer name.
constexpr std::string_view kDefaultLayer = "0";

bool isControlByte(char character) { return static_cast<unsigned char>(character) < 32; }

/// Where one group line is formed: in the output's buffer when it has room, so that the bytes are put down
/// once, else on the stack and then written.
class GroupLine {
public:
  explicit GroupLine(DxfOutput& output)
      : output(output), first(output.textRoom(kGroupLineCapacity)), inPlace(first != nullptr) {
    if (!inPlace) first = local.data();
  }
  GroupLine(const GroupLine&) = delete;
  GroupLine& operator=(const GroupLine&) = delete;

  [[nodiscard]] char* begin() const { return first; }
  /// The end of the room, line end included.
  [[nodiscard]] char* limit() const { return first + kGroupLineCapacity; }
  /// Ends the line after last and hands it to the output.
  void finish(char* last) {
    last = std::copy(kDxfLineEnd.begin(), kDxfLineEnd.end(), last);
    if (inPlace) {
      output.claimText(last);
    } else {
      output.write(std::string_view(first, static_cast<size_t>(last - first)));
    }
  }

private:
  DxfOutput& output;
  std::array<char, kGroupLineCapacity> local;
  char* first;
  bool inPlace;
};

}  // namespace

void DxfRecordWriter::writeCode(GroupCode code) {
  std::array<char, 16> line{};
  char* end = putGroupCode(line.data(), static_cast<int16_t>(code));
  out.write(std::string_view(line.data(), static_cast<size_t>(end - line.data())));
}

void DxfRecordWriter::writeGroup(GroupCode code, std::string_view value) {
  if (std::any_of(value.begin(), value.end(), isControlByte)) {
    std::string kept;
    std::copy_if(value.begin(), value.end(), std::back_inserter(kept), [](char c) { return !isControlByte(c); });
    writeGroup(code, kept);
    return;
  }
  // A whole group at once: the writers emit millions of groups.
  GroupLine line(out);
  char* end = putGroupCode(line.begin(), static_cast<int16_t>(code));
  if (value.size() + kDxfLineEnd.size() > static_cast<size_t>(line.limit() - end)) {
    writeCode(code);
    out.write(value);
    out.write(kDxfLineEnd);
    return;
  }
  line.finish(std::copy(value.begin(), value.end(), end));
}

void DxfRecordWriter::writeGroups(std::span<const FixedGroup> groups) {
  for (const FixedGroup& group : groups) writeGroup(group.code, group.value);
}

void DxfRecordWriter::writeReal(GroupCode code, double value) { out.writeReal(static_cast<int16_t>(code), value); }

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
