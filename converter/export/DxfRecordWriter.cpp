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

/// Room for one group assembled on the stack: the code line (at most seven bytes), a "%f" of any double (at
/// most 330 bytes with its line end) and room to spare. Longer values are written piece by piece.
constexpr size_t kGroupCapacity = 384;

/// Puts the code right-aligned in three columns and its line end at `at`; returns the end.
char* putCode(char* at, GroupCode code) {
  std::array<char, 8> digits{};
  std::to_chars_result written =
      std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<int16_t>(code));
  const auto length = static_cast<int>(written.ptr - digits.data());
  for (int pad = length; pad < kGroupCodeWidth; ++pad) *at++ = ' ';
  at = std::copy(digits.data(), written.ptr, at);
  return std::copy(kLineEnd.begin(), kLineEnd.end(), at);
}

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
  // A whole group in one write: the writers emit millions of groups, and each write is a call to the output.
  std::array<char, kGroupCapacity> group;
  char* end = putCode(group.data(), code);
  if (value.size() + kLineEnd.size() > static_cast<size_t>(group.data() + group.size() - end)) {
    writeCode(code);
    out.write(value);
    out.write(kLineEnd);
    return;
  }
  end = std::copy(value.begin(), value.end(), end);
  end = std::copy(kLineEnd.begin(), kLineEnd.end(), end);
  out.write(std::string_view(group.data(), static_cast<size_t>(end - group.data())));
}

void DxfRecordWriter::writeGroups(std::span<const FixedGroup> groups) {
  for (const FixedGroup& group : groups) writeGroup(group.code, group.value);
}

void DxfRecordWriter::writeReal(GroupCode code, double value) {
  std::array<char, kGroupCapacity> group;
  char* end = putCode(group.data(), code);
  end = putReal(end, group.data() + group.size() - kLineEnd.size(), value);
  if (end == nullptr) {
    writeGroup(code, formatReal(value));
    return;
  }
  end = std::copy(kLineEnd.begin(), kLineEnd.end(), end);
  out.write(std::string_view(group.data(), static_cast<size_t>(end - group.data())));
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
