#include "plugin-common/LengthPrefixed.h"

#include <cstring>

namespace plugin {

unsigned char* toLengthPrefixed(char* buffer) {
  size_t length = std::strlen(buffer);
  if (length >= 256) return nullptr;
  std::memmove(buffer + 1, buffer, length);
  auto* prefixed = reinterpret_cast<unsigned char*>(buffer);
  prefixed[0] = static_cast<unsigned char>(length);
  return prefixed;
}

char* toZeroTerminated(unsigned char* buffer) {
  size_t length = buffer[0];
  std::memmove(buffer, buffer + 1, length);
  buffer[length] = '\0';
  return reinterpret_cast<char*>(buffer);
}

}  // namespace plugin
