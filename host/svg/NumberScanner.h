#pragma once
// A cursor over the number lists of SVG attributes (path data, transforms, points, dash arrays, viewBox):
// numbers in the SVG grammar ("1e-5", "-.5.5" is two numbers, no "inf" or "nan"), separated by white space
// and at most one comma. Parsing is locale-independent (std::from_chars).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

/// Reads numbers, flags and single characters from a text, keeping the offset for error messages.
class NumberScanner {
public:
  /// A cursor at the start of text; the text must outlive the scanner.
  explicit NumberScanner(std::string_view text) : text(text) {}

  /// Skips white space.
  void skipSpaces();
  /// Skips white space, at most one comma, and white space after it.
  void skipSeparator();
  /// Whether only white space is left.
  [[nodiscard]] bool atEnd();
  /// The character at the cursor, or '\0' at the end.
  [[nodiscard]] char peek() const { return position < text.size() ? text[position] : '\0'; }
  /// Moves past one character.
  void advance() { ++position; }
  /// The offset of the cursor in the text.
  [[nodiscard]] std::size_t offset() const { return position; }
  /// The text from the cursor on.
  [[nodiscard]] std::string_view rest() const { return text.substr(position); }

  /// A number at the cursor (after white space); nullopt, with the cursor left in place, when none is there.
  [[nodiscard]] std::optional<double> number();
  /// An arc flag '0' or '1' at the cursor (after white space); nullopt when none is there.
  [[nodiscard]] std::optional<bool> flag();

private:
  std::string_view text;
  std::size_t position = 0;
};

/// True for the white space of SVG attribute grammars: space, tab, line feed, carriage return, form feed.
[[nodiscard]] bool isSvgSpace(char character);

/// The text without leading and trailing white space.
[[nodiscard]] std::string_view trimSpaces(std::string_view text);

/// A text that is exactly one number, white space around it allowed.
[[nodiscard]] std::optional<double> parseNumber(std::string_view text);

/// A list of numbers separated by white space and/or commas; nullopt when anything else is in it.
[[nodiscard]] std::optional<std::vector<double>> parseNumberList(std::string_view text);

}  // namespace host::svg
