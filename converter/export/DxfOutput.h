#pragma once

#include <optional>
#include <string_view>

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
  void write(std::string_view bytes);
  /// True once a write has failed.
  [[nodiscard]] bool failed() const { return firstFailure.has_value(); }
  /// The first failure; only when failed().
  [[nodiscard]] const platform::Error& failure() const { return *firstFailure; }

protected:
  DxfOutput() = default;
  /// Appends the bytes to the destination.
  [[nodiscard]] virtual platform::Result<void> append(std::string_view bytes) = 0;
  /// Keeps a failure found outside append (while finishing the output), unless one is already kept.
  void recordFailure(platform::Error error);

private:
  std::optional<platform::Error> firstFailure;
};

}  // namespace converter
