#include "converter/export/DxfMemoryOutput.h"

namespace converter {

platform::Result<void> DxfMemoryOutput::appendRecords(std::string_view records) {
  formatRecords(records, bytes);
  return {};
}

}  // namespace converter
