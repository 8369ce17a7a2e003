#include "plugin-common/TextUtilities.h"

#include <cmath>
#include <cstring>

#include "platform/AsciiText.h"

namespace plugin {
namespace {

const char* skipSpaces(const char* text) {
  while (*text == ' ') ++text;
  return text;
}

}  // namespace

int32_t parseInteger(const char* text) {
  if (text == nullptr) return 0;
  text = skipSpaces(text);
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  // Unsigned arithmetic wraps where a signed accumulator would overflow.
  uint32_t value = 0;
  while (platform::isAsciiDigit(*text)) value = value * 10u + static_cast<uint32_t>(*text++ - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

double parseReal(const char* text) {
  if (text == nullptr) return 0;
  text = skipSpaces(text);
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  double value = 0;
  while (platform::isAsciiDigit(*text)) value = value * 10 + (*text++ - '0');
  if (*text == '.') {
    ++text;
    double scale = 0.1;
    while (platform::isAsciiDigit(*text)) {
      value += (*text++ - '0') * scale;
      scale /= 10;
    }
  }
  if (*text == 'e' || *text == 'E') {
    ++text;
    bool negativeExponent = false;
    if (*text == '+' || *text == '-') negativeExponent = *text++ == '-';
    // Beyond a few hundred steps a double is 0 or infinite, so the count is capped rather than run out.
    constexpr int32_t kExponentCap = 100000;
    int32_t exponent = 0;
    while (platform::isAsciiDigit(*text)) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (*text - '0');
      ++text;
    }
    for (int32_t step = 0; step < exponent && value != 0 && std::isfinite(value); ++step) {
      value = negativeExponent ? value / 10 : value * 10;
    }
  }
  return negative ? -value : value;
}

size_t boundedLength(const char* text) { return text == nullptr ? 0 : strnlen(text, kTextBound); }

int boundedCompare(const char* first, const char* second) {
  for (size_t index = 0; index < kTextBound; ++index) {
    const auto a = static_cast<unsigned char>(first[index]);
    const auto b = static_cast<unsigned char>(second[index]);
    if (a != b) return a < b ? -1 : 1;
    if (a == 0) return 0;
  }
  return 0;
}

void boundedCopy(char* destination, const char* source) {
  for (size_t index = 0; index < kTextBound; ++index) {
    destination[index] = source[index];
    if (source[index] == '\0') return;
  }
  destination[kTextBound - 1] = '\0';
}

void copyCharacters(char* destination, const char* source, size_t count) {
  for (size_t index = 0; index < count; ++index) {
    destination[index] = source[index];
    if (source[index] == '\0') return;
  }
}

size_t fillBytes(void* destination, uint8_t value, size_t count) {
  if (count > 0) std::memset(destination, value, count);
  return count;
}

int32_t findText(const char* text, const char* part) {
  if (text == nullptr || part == nullptr) return -1;
  const char* found = std::strstr(text, part);
  return found == nullptr ? -1 : static_cast<int32_t>(found - text);
}

}  // namespace plugin
