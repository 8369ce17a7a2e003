#include "host/svg/NumberScanner.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "platform/AsciiText.h"

namespace host::svg {
namespace {

/// Integers up to this are exact doubles.
constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;
/// The powers of ten that are exact doubles.
constexpr std::array<double, 23> kExactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

/// The digits of a number as one integer and the count of those after the point, while they stay exact.
struct ExactDigits {
  std::uint64_t value = 0;
  std::size_t fractionDigits = 0;
  bool exact = true;

  void add(char digit) {
    if (value >= (kExactIntegerLimit - 9) / 10) {
      exact = false;
      return;
    }
    value = value * 10 + static_cast<std::uint64_t>(digit - '0');
  }
};

}  // namespace

bool isSvgSpace(char character) {
  return character == ' ' || character == '\t' || character == '\n' || character == '\r' || character == '\f';
}

std::string_view trimSpaces(std::string_view text) {
  while (!text.empty() && isSvgSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSvgSpace(text.back())) text.remove_suffix(1);
  return text;
}

void NumberScanner::skipSpaces() {
  while (position < text.size() && isSvgSpace(text[position])) ++position;
}

void NumberScanner::skipSeparator() {
  skipSpaces();
  if (peek() == ',') {
    ++position;
    skipSpaces();
  }
}

bool NumberScanner::atEnd() {
  skipSpaces();
  return position >= text.size();
}

std::optional<double> NumberScanner::number() {
  skipSpaces();
  // The extent is found by the SVG grammar first, so that "1e" before a unit ("1em") and a second point
  // ("-.5.5") end the number where SVG says, and from_chars never sees "inf", "nan" or hexadecimal.
  std::size_t cursor = position;
  const bool plus = cursor < text.size() && text[cursor] == '+';
  const bool negative = cursor < text.size() && text[cursor] == '-';
  if (cursor < text.size() && (text[cursor] == '+' || text[cursor] == '-')) ++cursor;
  const std::size_t mantissaStart = cursor;
  ExactDigits exact;
  while (cursor < text.size() && platform::isAsciiDigit(text[cursor])) exact.add(text[cursor++]);
  bool digits = cursor > mantissaStart;
  if (cursor < text.size() && text[cursor] == '.') {
    const std::size_t fractionStart = ++cursor;
    while (cursor < text.size() && platform::isAsciiDigit(text[cursor])) exact.add(text[cursor++]);
    digits = digits || cursor > fractionStart;
    exact.fractionDigits = cursor - fractionStart;
  }
  if (!digits) return std::nullopt;
  const bool exponentFollows = cursor < text.size() && (text[cursor] == 'e' || text[cursor] == 'E');
  if (exact.exact && !exponentFollows && exact.fractionDigits < kExactPowersOfTen.size()) {
    // Most coordinates are short decimals: an exact integer over an exact power of ten, and the one
    // division rounds correctly, to the same double from_chars gives.
    const double magnitude = static_cast<double>(exact.value) / kExactPowersOfTen[exact.fractionDigits];
    position = cursor;
    return negative ? -magnitude : magnitude;
  }
  bool negativeExponent = false;
  if (cursor < text.size() && (text[cursor] == 'e' || text[cursor] == 'E')) {
    std::size_t exponent = cursor + 1;
    const bool minus = exponent < text.size() && text[exponent] == '-';
    if (exponent < text.size() && (text[exponent] == '+' || minus)) ++exponent;
    if (exponent < text.size() && platform::isAsciiDigit(text[exponent])) {
      while (exponent < text.size() && platform::isAsciiDigit(text[exponent])) ++exponent;
      cursor = exponent;
      negativeExponent = minus;
    }
  }
  // from_chars takes no leading '+'.
  const char* first = text.data() + position + (plus ? 1 : 0);
  const char* last = text.data() + cursor;
  double value = 0;
  const std::from_chars_result parsed = std::from_chars(first, last, value, std::chars_format::general);
  if (parsed.ptr != last) return std::nullopt;
  if (parsed.ec == std::errc::result_out_of_range) {
    // Too small to represent reads as zero; too large is no usable coordinate.
    if (!negativeExponent) return std::nullopt;
    value = 0;
  } else if (parsed.ec != std::errc()) {
    return std::nullopt;
  }
  position = cursor;
  return value;
}

std::optional<bool> NumberScanner::flag() {
  skipSpaces();
  // Flags are single characters, so "a1 1 0 00.5.5" holds the flags 0 and 0 before the point .5 .5.
  const char character = peek();
  if (character != '0' && character != '1') return std::nullopt;
  ++position;
  return character == '1';
}

std::optional<double> parseNumber(std::string_view text) {
  NumberScanner scanner(text);
  std::optional<double> value = scanner.number();
  if (!value || !scanner.atEnd()) return std::nullopt;
  return value;
}

std::optional<std::vector<double>> parseNumberList(std::string_view text) {
  NumberScanner scanner(text);
  std::vector<double> values;
  while (!scanner.atEnd()) {
    std::optional<double> value = scanner.number();
    if (!value) return std::nullopt;
    values.push_back(*value);
    scanner.skipSeparator();
  }
  return values;
}

}  // namespace host::svg
