#include "converter/export/DxfOutput.h"

#include <utility>

namespace converter {

DxfOutput::DxfOutput(size_t bufferSize) : buffer(bufferSize), cursor(buffer.data()), limit(buffer.data() + bufferSize) {}

void DxfOutput::flushBuffer() {
  std::string_view held(buffer.data(), static_cast<size_t>(cursor - buffer.data()));
  cursor = buffer.data();
  if (failed() || held.empty()) return;
  if (platform::Result<void> appended = append(held); !appended) firstFailure = appended.error();
}

void DxfOutput::writeThrough(std::string_view bytes) {
  flushBuffer();
  if (bytes.size() <= buffer.size()) {
    cursor = std::copy(bytes.begin(), bytes.end(), cursor);
    return;
  }
  if (failed() || bytes.empty()) return;
  if (platform::Result<void> appended = append(bytes); !appended) firstFailure = appended.error();
}

void DxfOutput::recordFailure(platform::Error error) {
  if (!failed()) firstFailure = std::move(error);
}

}  // namespace converter
