#pragma once
// Where a DXF file's bytes go, and the buffer that gathers them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "converter/export/DxfRecordStream.h"
#include "platform/Result.h"

namespace converter {

/// Where a DXF file's bytes go: a file (DxfFileOutput) or memory (DxfMemoryOutput). What is written is
/// gathered as records (DxfRecordStream.h) in a buffer and handed to the destination, which formats them;
/// an output without a buffer hands over every write at once. The error is sticky: the first failed write
/// is kept, later writes are dropped, and whoever finishes the output reports it.
class DxfOutput {
public:
  virtual ~DxfOutput() = default;
  DxfOutput(const DxfOutput&) = delete;
  DxfOutput& operator=(const DxfOutput&) = delete;

  /// Appends the text as it stands, unless an earlier write failed.
  void write(std::string_view text) {
    // A drawing is millions of short group lines: most writes only fill the buffer.
    if (kTextRecordHeaderSize + text.size() <= room()) {
      cursor = putTextRecord(cursor, text);
      return;
    }
    writeThrough(text);
  }
  /// Appends a real group (its code line and its value with "%f").
  void writeReal(int16_t code, double value) {
    if (kRealRecordSize <= room()) {
      cursor = putRealRecord(cursor, code, value);
      return;
    }
    writeRealThrough(code, value);
  }
  /// Appends a group with a text value (its code line and its value line; bytes below 32 are left out of the
  /// value when it is formatted).
  void writeGroup(int16_t code, std::string_view value) {
    if (kGroupRecordHeaderSize + value.size() <= room()) {
      cursor = putGroupRecord(cursor, code, value);
      return;
    }
    writeGroupThrough(code, value);
  }
  /// True once a write has failed.
  [[nodiscard]] bool failed() const { return firstFailure.has_value(); }
  /// The first failure; only when failed().
  [[nodiscard]] const platform::Error& failure() const { return *firstFailure; }

protected:
  /// An output that gathers up to bufferSize bytes of records before it hands them to the destination (0:
  /// every write is handed over at once).
  explicit DxfOutput(size_t bufferSize = 0);

  /// Appends the DXF text of the records to the destination.
  [[nodiscard]] virtual platform::Result<void> appendRecords(std::string_view records) = 0;
  /// Hands what the buffer holds to the destination, unless an earlier write failed; the buffer is empty
  /// afterwards.
  void flushBuffer();
  /// Keeps a failure found outside appendRecords (while finishing the output), unless one is already kept.
  void recordFailure(platform::Error error);

private:
  [[nodiscard]] size_t room() const { return static_cast<size_t>(limit - cursor); }
  void writeThrough(std::string_view text);
  void writeRealThrough(int16_t code, double value);
  void writeGroupThrough(int16_t code, std::string_view value);
  void deliver(std::string_view records);

  std::vector<char> buffer;
  char* cursor = nullptr;
  char* limit = nullptr;
  std::optional<platform::Error> firstFailure;
};

}  // namespace converter
