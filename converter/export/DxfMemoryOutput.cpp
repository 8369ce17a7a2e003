#include "converter/export/DxfMemoryOutput.h"

namespace converter {

platform::Result<void> DxfMemoryOutput::append(std::string_view more) {
  bytes.append(more);
  return {};
}

}  // namespace converter
