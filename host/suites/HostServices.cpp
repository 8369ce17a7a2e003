#include "host/suites/HostServices.h"

#include <cstring>
#include <stdexcept>

namespace host {
namespace {
HostServices* runningHost = nullptr;
}

HostServices& services() {
  if (runningHost == nullptr) throw std::logic_error("a suite was called while no host runs");
  return *runningHost;
}

void setServices(HostServices* running) { runningHost = running; }

std::optional<std::string> fromLengthPrefixed(const unsigned char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

bool copyToBuffer(const std::string& text, char* buffer, int32_t capacity) {
  if (buffer == nullptr || capacity < 1) return false;
  size_t length = text.size();
  bool fits = length < static_cast<size_t>(capacity);
  if (!fits) {
    length = static_cast<size_t>(capacity) - 1;
    // Step back over UTF-8 continuation bytes so no character is cut in half.
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  }
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return fits;
}

}  // namespace host
