#pragma once
// Where a DXF file's bytes go, and the buffer that gathers them.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace converter {

/// Where a DXF file's bytes go: a file (DxfFileOutput) or memory (DxfMemoryOutput). The error is sticky: the
/// first failed write is kept, later writes are dropped, and whoever finishes the output reports it.
class DxfOutput {
public:
  virtual ~DxfOutput() = default;
  DxfOutput(const DxfOutput&) = delete;
  DxfOutput& operator=(const DxfOutput&) = delete;

  /// Appends the bytes, unless an earlier write failed.
  void write(std::string_view bytes) {
    // A drawing is millions of short group lines: most writes only fill the buffer.
    if (bytes.size() <= static_cast<size_t>(limit - cursor)) {
      cursor = std::copy(bytes.begin(), bytes.end(), cursor);
      return;
    }
    writeThrough(bytes);
  }
  /// Room for up to size bytes at the end of the buffer, for a writer that forms a line in place and then
  /// claims what it used; null when the buffer cannot hold that many (then write is the way).
  [[nodiscard]] char* room(size_t size) {
    if (size > static_cast<size_t>(limit - cursor)) {
      flushBuffer();
      if (size > static_cast<size_t>(limit - cursor)) return nullptr;
    }
    return cursor;
  }
  /// Takes the bytes formed in room() up to end into the output.
  void claim(char* end) { cursor = end; }
  /// True once a write has failed.
  [[nodiscard]] bool failed() const { return firstFailure.has_value(); }
  /// The first failure; only when failed().
  [[nodiscard]] const platform::Error& failure() const { return *firstFailure; }

protected:
  /// An output that gathers up to bufferSize bytes before it appends them to the destination (0: every
  /// write goes straight through).
  explicit DxfOutput(size_t bufferSize = 0);

  /// Appends the bytes to the destination.
  [[nodiscard]] virtual platform::Result<void> append(std::string_view bytes) = 0;
  /// Appends what the buffer holds, unless an earlier write failed; the buffer is empty afterwards.
  void flushBuffer();
  /// Keeps a failure found outside append (while finishing the output), unless one is already kept.
  void recordFailure(platform::Error error);

private:
  void writeThrough(std::string_view bytes);

  std::vector<char> buffer;
  char* cursor = nullptr;
  char* limit = nullptr;
  std::optional<platform::Error> firstFailure;
};

}  // namespace converter
