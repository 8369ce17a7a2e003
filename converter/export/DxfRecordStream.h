#pragma once
// Group lines in a compact form that waits to be formatted: text to be copied as it stands, and real groups
// kept as a code and a double. Formatting numbers is a good part of an export; in this form it can be done
// later, on the thread that writes the file, while the export goes on.
//
// A text record is a kind byte, a 4-byte length and the text; a group record is a kind byte, a 2-byte code, a
// 4-byte length and the value; a real record is a kind byte, a 2-byte code and an 8-byte double. All are in the
// machine's byte order (the records never leave the process).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace converter {

/// Bytes before the text of a text record.
inline constexpr size_t kTextRecordHeaderSize = 1 + sizeof(uint32_t);
/// Bytes before the value of a group record.
inline constexpr size_t kGroupRecordHeaderSize = 1 + sizeof(int16_t) + sizeof(uint32_t);
/// Bytes of a real record.
inline constexpr size_t kRealRecordSize = 1 + sizeof(int16_t) + sizeof(double);

/// The kinds of record.
enum class RecordKind : char { TEXT = 'T', GROUP = 'G', REAL = 'R' };

/// Puts a text record of the text at `at`; returns its end. The text is at most 4 GiB.
inline char* putTextRecord(char* at, std::string_view text) {
  const auto length = static_cast<uint32_t>(text.size());
  at[0] = static_cast<char>(RecordKind::TEXT);
  std::memcpy(at + 1, &length, sizeof length);
  if (!text.empty()) std::memcpy(at + kTextRecordHeaderSize, text.data(), text.size());
  return at + kTextRecordHeaderSize + text.size();
}

/// Puts a group record (a group with a text value) at `at`; returns its end. The value is at most 4 GiB.
inline char* putGroupRecord(char* at, int16_t code, std::string_view value) {
  const auto length = static_cast<uint32_t>(value.size());
  at[0] = static_cast<char>(RecordKind::GROUP);
  std::memcpy(at + 1, &code, sizeof code);
  std::memcpy(at + 1 + sizeof code, &length, sizeof length);
  if (!value.empty()) std::memcpy(at + kGroupRecordHeaderSize, value.data(), value.size());
  return at + kGroupRecordHeaderSize + value.size();
}

/// Puts a real record at `at`; returns its end.
inline char* putRealRecord(char* at, int16_t code, double value) {
  at[0] = static_cast<char>(RecordKind::REAL);
  std::memcpy(at + 1, &code, sizeof code);
  std::memcpy(at + 1 + sizeof code, &value, sizeof value);
  return at + kRealRecordSize;
}

/// Appends to text the DXF text the records stand for: text as it stands; a group as its code line and its
/// value line, bytes below 32 (CR, LF, ...) left out of the value so that it never ends its line early; a real
/// group with the value in "%f". The records are whole, as put by the functions above.
void formatRecords(std::string_view records, std::string& text);

}  // namespace converter
