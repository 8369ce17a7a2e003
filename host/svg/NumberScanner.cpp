#include "host/svg/NumberScanner.h"

#include <charconv>
#include <system_error>

namespace host::svg {
namespace {

bool isDigit(char character) { return character >= '0' && character <= '9'; }

}  // namespace

bool isSvgSpace(char character) {
  return character == ' ' || character == '\t' || character == '\n' || character == '\r' || character == '\f';
}

std::string asciiLowerCase(std::string_view text) {
  std::string lower(text);
  for (char& character : lower) {
    if (character >= 'A' && character <= 'Z') character = static_cast<char>(character - 'A' + 'a');
  }
  return lower;
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
  if (cursor < text.size() && (text[cursor] == '+' || text[cursor] == '-')) ++cursor;
  const std::size_t mantissaStart = cursor;
  while (cursor < text.size() && isDigit(text[cursor])) ++cursor;
  bool digits = cursor > mantissaStart;
  if (cursor < text.size() && text[cursor] == '.') {
    const std::size_t fractionStart = ++cursor;
    while (cursor < text.size() && isDigit(text[cursor])) ++cursor;
    digits = digits || cursor > fractionStart;
  }
  if (!digits) return std::nullopt;
  bool negativeExponent = false;
  if (cursor < text.size() && (text[cursor] == 'e' || text[cursor] == 'E')) {
    std::size_t exponent = cursor + 1;
    const bool minus = exponent < text.size() && text[exponent] == '-';
    if (exponent < text.size() && (text[exponent] == '+' || minus)) ++exponent;
    if (exponent < text.size() && isDigit(text[exponent])) {
      while (exponent < text.size() && isDigit(text[exponent])) ++exponent;
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
