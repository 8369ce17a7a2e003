#include "converter/export/DxfGroupLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

/// Group codes stand right-aligned in three columns.
constexpr int kGroupCodeWidth = 3;

}  // namespace

char* putGroupCode(char* at, int16_t code) {
  if (code >= 0 && code < 1000) {
    // The common case, without a general conversion: every group of a drawing starts with one.
    at[0] = code >= 100 ? static_cast<char>('0' + code / 100) : ' ';
    at[1] = code >= 10 ? static_cast<char>('0' + code / 10 % 10) : ' ';
    at[2] = static_cast<char>('0' + code % 10);
    at += kGroupCodeWidth;
  } else {
    std::array<char, 8> digits{};
    std::to_chars_result written = std::to_chars(digits.data(), digits.data() + digits.size(), code);
    const auto length = static_cast<int>(written.ptr - digits.data());
    for (int pad = length; pad < kGroupCodeWidth; ++pad) *at++ = ' ';
    at = std::copy(digits.data(), written.ptr, at);
  }
  return std::copy(kDxfLineEnd.begin(), kDxfLineEnd.end(), at);
}

char* putRealGroup(char* at, int16_t code, double value) {
  char* valueStart = putGroupCode(at, code);
  char* end = putReal(valueStart, at + kGroupLineCapacity - kDxfLineEnd.size(), value);
  if (end == nullptr) {
    // Not reached: the room holds the longest "%f" there is. The value is cut rather than overrun the room.
    const std::string text = formatReal(value);
    const auto room = static_cast<size_t>(at + kGroupLineCapacity - kDxfLineEnd.size() - valueStart);
    end = std::copy_n(text.data(), std::min(text.size(), room), valueStart);
  }
  return std::copy(kDxfLineEnd.begin(), kDxfLineEnd.end(), end);
}

}  // namespace converter
