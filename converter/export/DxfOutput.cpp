#include "converter/export/DxfOutput.h"

#include <utility>

namespace converter {

void DxfOutput::write(std::string_view bytes) {
  if (failed() || bytes.empty()) return;
  if (platform::Result<void> appended = append(bytes); !appended) firstFailure = appended.error();
}

void DxfOutput::recordFailure(platform::Error error) {
  if (!failed()) firstFailure = std::move(error);
}

}  // namespace converter
