#include "converter/export/DxfNumberFormat.h"

#include <array>
#include <charconv>

namespace converter {
namespace {

/// Decimals of "%f".
constexpr int kRealDecimals = 6;
/// The longest "%f" of a double: 309 integer digits, sign, point and six decimals, with room to spare.
constexpr size_t kRealCapacity = 330;

/// The digits of an integer's magnitude in the base.
std::string magnitudeDigits(int64_t value, int base) {
  std::array<char, 24> digits{};
  // The magnitude of INT64_MIN does not fit an int64_t; unsigned arithmetic holds it.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::to_chars_result result = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
  return std::string(digits.data(), result.ptr);
}

}  // namespace

std::string formatReal(double value) {
  // std::to_chars never consults the locale and rounds exactly like glibc's printf ("%f").
  std::array<char, kRealCapacity> text{};
  std::to_chars_result result =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, kRealDecimals);
  return std::string(text.data(), result.ptr);
}

std::string formatInteger(int64_t value) { return formatRightAligned(value, 0); }

std::string formatRightAligned(int64_t value, int width) {
  std::string text = (value < 0 ? "-" : "") + magnitudeDigits(value, 10);
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  return text;
}

std::string formatZeroPadded(int64_t value, int digits) {
  std::string magnitude = magnitudeDigits(value, 10);
  if (static_cast<int>(magnitude.size()) < digits) magnitude.insert(0, static_cast<size_t>(digits) - magnitude.size(), '0');
  return (value < 0 ? "-" : "") + magnitude;
}

std::string formatHexadecimal(uint32_t value, int digits) {
  std::string text = magnitudeDigits(value, 16);
  for (char& character : text) {
    if (character >= 'a' && character <= 'f') character = static_cast<char>(character - 'a' + 'A');
  }
  if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
  return text;
}

}  // namespace converter
