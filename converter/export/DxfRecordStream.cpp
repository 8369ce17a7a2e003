#include "converter/export/DxfRecordStream.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "converter/export/DxfGroupLine.h"

namespace converter {
namespace {

/// Bytes below 32 (CR, LF, tabs and the other controls) never stand in a group's value.
bool isControlByte(char character) { return static_cast<unsigned char>(character) < 32; }

}  // namespace

void formatRecords(std::string_view records, std::string& text) {
  // Real groups come out at about one and a half times their record's size.
  text.reserve(text.size() + records.size() * 2);
  std::array<char, kGroupLineCapacity> line;
  size_t at = 0;
  while (at < records.size()) {
    if (records[at] == static_cast<char>(RecordKind::REAL)) {
      int16_t code = 0;
      double value = 0;
      std::memcpy(&code, records.data() + at + 1, sizeof code);
      std::memcpy(&value, records.data() + at + 1 + sizeof code, sizeof value);
      text.append(line.data(), putRealGroup(line.data(), code, value));
      at += kRealRecordSize;
    } else if (records[at] == static_cast<char>(RecordKind::GROUP)) {
      int16_t code = 0;
      uint32_t length = 0;
      std::memcpy(&code, records.data() + at + 1, sizeof code);
      std::memcpy(&length, records.data() + at + 1 + sizeof code, sizeof length);
      text.append(line.data(), putGroupCode(line.data(), code));
      const std::string_view value = records.substr(at + kGroupRecordHeaderSize, length);
      if (std::none_of(value.begin(), value.end(), isControlByte)) {
        text.append(value);
      } else {
        std::copy_if(value.begin(), value.end(), std::back_inserter(text), [](char c) { return !isControlByte(c); });
      }
      text.append(kDxfLineEnd);
      at += kGroupRecordHeaderSize + length;
    } else {
      uint32_t length = 0;
      std::memcpy(&length, records.data() + at + 1, sizeof length);
      text.append(records.substr(at + kTextRecordHeaderSize, length));
      at += kTextRecordHeaderSize + length;
    }
  }
}

}  // namespace converter
