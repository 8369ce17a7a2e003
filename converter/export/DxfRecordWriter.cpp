#include "converter/export/DxfRecordWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
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

/// Room for one group line: the code line (at most seven bytes), a "%f" of any double (at most 330 bytes with
/// its line end) and room to spare. Longer values are written piece by piece.
constexpr size_t kGroupCapacity = 384;

/// Puts the code right-aligned in three columns and its line end at `at`; returns the end.
char* putCode(char* at, GroupCode code) {
  const auto value = static_cast<int16_t>(code);
  if (value >= 0 && value < 1000) {
    // The common case, without a general conversion: every group of a drawing starts with one.
    at[0] = value >= 100 ? static_cast<char>('0' + value / 100) : ' ';
    at[1] = value >= 10 ? static_cast<char>('0' + value / 10 % 10) : ' ';
    at[2] = static_cast<char>('0' + value % 10);
    at += kGroupCodeWidth;
  } else {
    std::array<char, 8> digits{};
    std::to_chars_result written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    const auto length = static_cast<int>(written.ptr - digits.data());
    for (int pad = length; pad < kGroupCodeWidth; ++pad) *at++ = ' ';
    at = std::copy(digits.data(), written.ptr, at);
  }
  return std::copy(kLineEnd.begin(), kLineEnd.end(), at);
}

/// Where one group line is formed: in the output's buffer when it has room, so that the bytes are put down
/// once, else on the stack and then written.
class GroupLine {
public:
  explicit GroupLine(DxfOutput& output) : output(output), first(output.room(kGroupCapacity)), inPlace(first != nullptr) {
    if (!inPlace) first = local.data();
  }
  GroupLine(const GroupLine&) = delete;
  GroupLine& operator=(const GroupLine&) = delete;

  [[nodiscard]] char* begin() const { return first; }
  /// The end of the room, line end included.
  [[nodiscard]] char* limit() const { return first + kGroupCapacity; }
  /// Ends the line after last and hands it to the output.
  void finish(char* last) {
    last = std::copy(kLineEnd.begin(), kLineEnd.end(), last);
    if (inPlace) {
      output.claim(last);
    } else {
      output.write(std::string_view(first, static_cast<size_t>(last - first)));
    }
  }

private:
  DxfOutput& output;
  std::array<char, kGroupCapacity> local;
  char* first;
  bool inPlace;
};

}  // namespace

void DxfRecordWriter::writeCode(GroupCode code) {
  std::array<char, 16> line{};
  out.write(std::string_view(line.data(), static_cast<size_t>(putCode(line.data(), code) - line.data())));
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
  char* end = putCode(line.begin(), code);
  if (value.size() + kLineEnd.size() > static_cast<size_t>(line.limit() - end)) {
    writeCode(code);
    out.write(value);
    out.write(kLineEnd);
    return;
  }
  line.finish(std::copy(value.begin(), value.end(), end));
}

void DxfRecordWriter::writeGroups(std::span<const FixedGroup> groups) {
  for (const FixedGroup& group : groups) writeGroup(group.code, group.value);
}

void DxfRecordWriter::writeReal(GroupCode code, double value) {
  GroupLine line(out);
  char* end = putReal(putCode(line.begin(), code), line.limit() - kLineEnd.size(), value);
  if (end == nullptr) {
    writeGroup(code, formatReal(value));
    return;
  }
  line.finish(end);
}

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
