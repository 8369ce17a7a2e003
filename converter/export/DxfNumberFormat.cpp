#include "converter/export/DxfNumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>

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

/// 10^kRealDecimals.
constexpr double kDecimalScale = 1e6;
constexpr uint64_t kDecimalUnits = 1000000;
/// Below this a scaled magnitude has an exact integer part and room for the fraction's bits.
constexpr double kFastScaledLimit = 0x1p52;
/// A fraction this close to one half may be a tie or lie on either side of it: the exact path decides.
constexpr double kTieMargin = 1e-9;

/// "00", "01", ... "99".
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (size_t value = 0; value < 100; ++value) {
    pairs[2 * value] = static_cast<char>('0' + value / 10);
    pairs[2 * value + 1] = static_cast<char>('0' + value % 10);
  }
  return pairs;
}();

/// "%f" of the coordinates a drawing holds, in integers: the magnitude is scaled by 10^6 and rounded to the
/// nearest unit. The scaling's rounding error is recovered exactly with a fused multiply-add, so the
/// rounding is that of the exact binary value, as printf's. Returns null for values it leaves to the
/// general conversion (huge, not finite, or next to a tie).
char* putRealFast(char* at, char* last, double value) {
  double magnitude = std::fabs(value);
  double scaled = magnitude * kDecimalScale;
  if (!(scaled < kFastScaledLimit)) return nullptr;
  double residual = std::fma(magnitude, kDecimalScale, -scaled);  // magnitude * 10^6 == scaled + residual
  double whole = std::floor(scaled);
  double fraction = (scaled - whole) + residual;
  if (std::fabs(fraction - 0.5) < kTieMargin) return nullptr;
  uint64_t units = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);

  const bool negative = std::signbit(value);
  uint64_t integer = units / kDecimalUnits;
  size_t integerDigits = 1;
  for (uint64_t rest = integer; rest >= 10; rest /= 10) ++integerDigits;
  const size_t length = (negative ? 1 : 0) + integerDigits + 1 + kRealDecimals;
  if (static_cast<size_t>(last - at) < length) return nullptr;

  // The digits go straight to their places, from the right and two at a time.
  char* end = at + length;
  char* cursor = end;
  auto putPair = [&cursor](uint64_t pair) {
    *--cursor = kDigitPairs[2 * pair + 1];
    *--cursor = kDigitPairs[2 * pair];
  };
  auto decimals = static_cast<uint32_t>(units % kDecimalUnits);
  for (int pair = 0; pair < kRealDecimals / 2; ++pair, decimals /= 100) putPair(decimals % 100);
  *--cursor = '.';
  for (; integer >= 100; integer /= 100) putPair(integer % 100);
  if (integer >= 10) {
    putPair(integer);
  } else {
    *--cursor = static_cast<char>('0' + integer);
  }
  if (negative) *at = '-';
  return end;
}

}  // namespace

char* putReal(char* first, char* last, double value) {
  if (char* end = putRealFast(first, last, value); end != nullptr) return end;
  // std::to_chars never consults the locale and rounds exactly like glibc's printf ("%f").
  std::to_chars_result result = std::to_chars(first, last, value, std::chars_format::fixed, kRealDecimals);
  return result.ec == std::errc() ? result.ptr : nullptr;
}

std::string formatReal(double value) {
  std::array<char, kRealCapacity> text{};
  char* end = putReal(text.data(), text.data() + text.size(), value);
  return std::string(text.data(), end);
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
