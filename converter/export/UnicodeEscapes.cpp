#include "converter/export/UnicodeEscapes.h"

#include <cstdint>
#include <cstdio>
#include <optional>

namespace converter {
namespace {

constexpr std::string_view kEscapeStart = "\\U+";
constexpr char kUnknownCharacter = '?';
constexpr uint32_t kLargestEscapedCode = 0xFFFF;

/// The UTF-8 character at the start of text: its length and code point; nullopt when it is not valid.
struct Utf8Character {
  size_t length = 1;
  uint32_t code = 0;
};

std::optional<Utf8Character> firstCharacter(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  size_t length = 1;
  uint32_t code = lead;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
  } else if (lead >= 0xE0) {
    length = 3;
    code = lead & 0x0Fu;
  } else if (lead >= 0xC2 && lead < 0xE0) {
    length = 2;
    code = lead & 0x1Fu;
  } else if (lead >= 0x80) {
    return std::nullopt;
  }
  if (length > text.size()) return std::nullopt;
  for (size_t index = 1; index < length; ++index) {
    const auto next = static_cast<unsigned char>(text[index]);
    if ((next & 0xC0u) != 0x80u) return std::nullopt;
    code = (code << 6) | (next & 0x3Fu);
  }
  return Utf8Character{length, code};
}

bool isUpperHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

std::string toCodePageWithEscapes(std::string_view utf8, platform::CodePage codePage) {
  // Most text fits the code page whole: one conversion.
  if (platform::Result<std::string> whole = platform::utf8ToCodePage(utf8, codePage)) return std::move(*whole);
  std::string out;
  for (size_t position = 0; position < utf8.size();) {
    const std::optional<Utf8Character> character = firstCharacter(utf8.substr(position));
    if (!character) {
      out += kUnknownCharacter;
      ++position;
      continue;
    }
    const std::string_view bytes = utf8.substr(position, character->length);
    position += character->length;
    if (platform::Result<std::string> converted = platform::utf8ToCodePage(bytes, codePage)) {
      out += *converted;
    } else if (character->code <= kLargestEscapedCode) {
      char escape[kUnicodeEscapeLength + 1];
      std::snprintf(escape, sizeof escape, "\\U+%04X", static_cast<unsigned>(character->code));
      out += escape;
    } else {
      out += kUnknownCharacter;
    }
  }
  return out;
}

bool startsWithUnicodeEscape(std::string_view text) {
  if (text.size() < kUnicodeEscapeLength || !text.starts_with(kEscapeStart)) return false;
  for (size_t index = kEscapeStart.size(); index < kUnicodeEscapeLength; ++index) {
    if (!isUpperHexDigit(text[index])) return false;
  }
  return true;
}

}  // namespace converter
