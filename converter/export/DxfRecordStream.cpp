#include "converter/export/DxfRecordStream.h"

#include <array>

#include "converter/export/DxfGroupLine.h"

namespace converter {

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
    } else {
      uint32_t length = 0;
      std::memcpy(&length, records.data() + at + 1, sizeof length);
      text.append(records.substr(at + kTextRecordHeaderSize, length));
      at += kTextRecordHeaderSize + length;
    }
  }
}

}  // namespace converter
