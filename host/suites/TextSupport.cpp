#include "host/suites/TextSupport.h"

#include "host/document/TextFrameData.h"
#include "host/text/FontCatalog.h"
#include "platform/CodePages.h"

namespace host {

FontHandle fontHandle(int32_t index) { return reinterpret_cast<FontHandle>(static_cast<uintptr_t>(index) + 1); }

std::optional<int32_t> fontIndex(FontHandle font, const FontCatalog& catalog) {
  auto value = reinterpret_cast<uintptr_t>(font);
  if (value == 0 || value > static_cast<uintptr_t>(catalog.fontCount())) return std::nullopt;
  return static_cast<int32_t>(value - 1);
}

namespace {

/// Length of the UTF-8 sequence that begins with lead, or 0 for a byte that cannot begin one.
size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::optional<char32_t> firstCodePoint(std::string_view text) {
  if (text.empty()) return std::nullopt;
  auto lead = static_cast<unsigned char>(text[0]);
  size_t length = sequenceLength(lead);
  if (length == 0 || text.size() < length) return std::nullopt;
  if (length == 1) return lead;
  char32_t value = lead & (0x7F >> length);
  for (size_t index = 1; index < length; ++index) {
    auto next = static_cast<unsigned char>(text[index]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (next & 0x3F);
  }
  // Overlong forms of three and four bytes, surrogates and values beyond Unicode are not characters.
  if ((length == 3 && value < 0x800) || (length == 4 && (value < 0x10000 || value > 0x10FFFF)) ||
      (value >= 0xD800 && value <= 0xDFFF)) {
    return std::nullopt;
  }
  return value;
}

std::u32string toUtf32(std::string_view utf8) {
  std::u32string characters;
  for (size_t offset = 0; offset < utf8.size();) {
    DecodedCharacter character = decodeCharacter(utf8, offset);
    characters += character.codePoint;
    offset += static_cast<size_t>(character.length);
  }
  return characters;
}

std::string toUtf8(std::u32string_view characters) {
  std::string text;
  for (char32_t c : characters) {
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c < 0x800) {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      text += static_cast<char>(0xE0 | (c >> 12));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (c >> 18));
      text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

std::string toSystemCodePage(std::string_view utf8) {
  platform::CodePage codePage = platform::systemCodePage();
  if (platform::Result<std::string> whole = platform::utf8ToCodePage(utf8, codePage)) return *whole;
  // Convert character by character so that one the code page lacks costs only itself.
  std::string converted;
  while (!utf8.empty()) {
    size_t length = sequenceLength(static_cast<unsigned char>(utf8[0]));
    if (length == 0 || length > utf8.size()) length = 1;
    platform::Result<std::string> one = platform::utf8ToCodePage(utf8.substr(0, length), codePage);
    converted += one ? *one : std::string("?");
    utf8.remove_prefix(length);
  }
  return converted;
}

}  // namespace host
