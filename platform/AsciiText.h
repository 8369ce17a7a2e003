#pragma once
// ASCII-only case folding, as Windows compares registry names and file names: letters A to Z and a to z match
// each other; every other byte (UTF-8 or code-page text) only itself. Digits are the ASCII ones, whatever the
// locale.

#include <algorithm>
#include <string>
#include <string_view>

namespace platform {

/// The byte, with A to Z turned into a to z.
[[nodiscard]] constexpr char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

/// The text with A to Z turned into a to z.
[[nodiscard]] inline std::string lowerAsciiText(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), lowerAscii);
  return lower;
}

/// True for the decimal digits 0 to 9 only.
[[nodiscard]] constexpr bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

/// True when both texts are equal with ASCII letters compared without case.
[[nodiscard]] constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

/// True when text begins with prefix, ASCII letters compared without case.
[[nodiscard]] constexpr bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

/// The text without spaces and tabs at either end.
[[nodiscard]] constexpr std::string_view trimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace platform
