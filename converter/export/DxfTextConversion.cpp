#include "converter/export/DxfTextConversion.h"

#include <array>

#include "converter/export/UnicodeEscapes.h"

namespace converter {
namespace {

/// One special character of a set and the DXF control sequence that stands for it.
struct SpecialCharacter {
  std::string_view bytes;
  std::string_view sequence;
};

constexpr std::string_view kDiameter = "%%c";
constexpr std::string_view kDegree = "%%d";
constexpr std::string_view kPlusMinus = "%%p";
constexpr std::string_view kPercent = "%%%";

/// The special characters of each set, in DxfCharacterSet order.
constexpr std::array<std::array<SpecialCharacter, 4>, 4> kSpecialCharacters{{
    {{{"\x83\xD3", kDiameter}, {"\x81\x8B", kDegree}, {"\x81\x7D", kPlusMinus}, {"%", kPercent}}},
    {{{"\xAC\xE6", kDiameter}, {"\xA1\xC6", kDegree}, {"\xA1\xBE", kPlusMinus}, {"%", kPercent}}},
    {{{"\xBF", kDiameter}, {"\xFB", kDegree}, {"\xB1", kPlusMinus}, {"%", kPercent}}},
    {{{"\xF8", kDiameter}, {"\xB0", kDegree}, {"\xB1", kPlusMinus}, {"%", kPercent}}},
}};

constexpr unsigned char kFirstPrintable = 32;
constexpr char kCarriageReturn = '\r';

/// Whether byte begins a double-byte character of the set.
bool isLeadByte(unsigned char byte, DxfCharacterSet characterSet) {
  switch (characterSet) {
    case DxfCharacterSet::JAPANESE_NATIVE: return (byte >= 129 && byte <= 159) || (byte >= 224 && byte <= 252);
    case DxfCharacterSet::KOREAN_NATIVE: return byte > 128 && byte != 255;
    default: return false;
  }
}

}  // namespace

DxfCharacterSet effectiveCharacterSet(plugin::LanguageId language, int16_t schrType) {
  if (language == plugin::LanguageId::ENGLISH) {
    return schrType == 1 ? DxfCharacterSet::MICROSOFT_ASCII : DxfCharacterSet::APPLE_ASCII;
  }
  DxfCharacterSet native =
      language == plugin::LanguageId::KOREAN ? DxfCharacterSet::KOREAN_NATIVE : DxfCharacterSet::JAPANESE_NATIVE;
  switch (schrType) {
    case 1: return DxfCharacterSet::APPLE_ASCII;
    case 2: return DxfCharacterSet::MICROSOFT_ASCII;
    default: return native;
  }
}

std::string convertTextLine(std::string_view line, DxfCharacterSet characterSet) {
  // The line ends at its first zero byte or carriage return.
  line = line.substr(0, line.find_first_of(std::string_view("\0\r", 2)));
  const std::array<SpecialCharacter, 4>& specials = kSpecialCharacters[static_cast<size_t>(characterSet)];
  std::string converted;
  size_t position = 0;
  while (position < line.size()) {
    auto byte = static_cast<unsigned char>(line[position]);
    // A character written as "\U+XXXX" is one unit too: cut whole or not at all.
    size_t length = isLeadByte(byte, characterSet) ? 2
                    : startsWithUnicodeEscape(line.substr(position)) ? kUnicodeEscapeLength
                                                                      : 1;
    if (position + length > line.size()) break;  // a lead byte whose second byte was cut off
    std::string_view character = line.substr(position, length);
    position += length;
    if (length == 1 && byte < kFirstPrintable) continue;
    std::string_view written = character;
    for (const SpecialCharacter& special : specials) {
      if (special.bytes == character) written = special.sequence;
    }
    // Cut long lines between whole characters and sequences, so that the string stays readable.
    if (converted.size() + written.size() > kDxfTextLimit) break;
    converted += written;
  }
  return converted;
}

}  // namespace converter
