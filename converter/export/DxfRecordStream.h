#pragma once
// Group lines in a compact form that waits to be formatted: text to be copied as it stands, and real groups
// kept as a code and a double. Formatting numbers is a good part of an export; in this form it can be done
// later, on the thread that writes the file, while the export goes on.
//
// A text record is a kind byte, a 4-byte length and the text; a real record is a kind byte, a 2-byte code and
// an 8-byte double, in the machine's byte order (the records never leave the process).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace converter {

/// Bytes before the text of a text record.
inline constexpr size_t kTextRecordHeaderSize = 1 + sizeof(uint32_t);
/// Bytes of a real record.
inline constexpr size_t kRealRecordSize = 1 + sizeof(int16_t) + sizeof(double);

/// The kinds of record.
enum class RecordKind : char { TEXT = 'T', REAL = 'R' };

/// Ends a text record whose text was put after its header at `header`, up to end; returns end.
inline char* closeTextRecord(char* header, char* end) {
  const auto length = static_cast<uint32_t>(end - (header + kTextRecordHeaderSize));
  header[0] = static_cast<char>(RecordKind::TEXT);
  std::memcpy(header + 1, &length, sizeof length);
  return end;
}

/// Puts a text record of the text at `at`; returns its end. The text is at most 4 GiB.
inline char* putTextRecord(char* at, std::string_view text) {
  if (!text.empty()) std::memcpy(at + kTextRecordHeaderSize, text.data(), text.size());
  return closeTextRecord(at, at + kTextRecordHeaderSize + text.size());
}

/// Puts a real record at `at`; returns its end.
inline char* putRealRecord(char* at, int16_t code, double value) {
  at[0] = static_cast<char>(RecordKind::REAL);
  std::memcpy(at + 1, &code, sizeof code);
  std::memcpy(at + 1 + sizeof code, &value, sizeof value);
  return at + kRealRecordSize;
}

/// Appends to text the DXF text the records stand for. The records are whole, as put by the functions above.
void formatRecords(std::string_view records, std::string& text);

}  // namespace converter
