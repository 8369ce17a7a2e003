#pragma once

#include <string>
#include <string_view>

#include "converter/export/DxfOutput.h"

namespace converter {

/// Collects a DXF file's bytes in memory.
class DxfMemoryOutput final : public DxfOutput {
public:
  DxfMemoryOutput() = default;

  /// Everything written so far.
  [[nodiscard]] const std::string& text() const { return bytes; }

protected:
  [[nodiscard]] platform::Result<void> appendRecords(std::string_view records) override;

private:
  std::string bytes;
};

}  // namespace converter
