#include "installer/script/Language.h"

namespace installer {
namespace {

constexpr unsigned char kFirstHighByte = 0x80;

// Converts piece by piece when the whole text does not convert: ASCII passes through, and each run of other
// bytes either converts or becomes one "?".
std::string convertLeniently(std::string_view text, platform::CodePage from, platform::CodePage to) {
  platform::Result<std::string> whole =
      from == platform::CodePage::UTF8 ? platform::utf8ToCodePage(text, to) : platform::codePageToUtf8(text, from);
  if (whole) return std::move(whole).value();
  std::string out;
  size_t position = 0;
  while (position < text.size()) {
    if (static_cast<unsigned char>(text[position]) < kFirstHighByte) {
      out += text[position++];
      continue;
    }
    size_t end = position;
    while (end < text.size() && static_cast<unsigned char>(text[end]) >= kFirstHighByte) ++end;
    std::string_view run = text.substr(position, end - position);
    platform::Result<std::string> piece =
        from == platform::CodePage::UTF8 ? platform::utf8ToCodePage(run, to) : platform::codePageToUtf8(run, from);
    out += piece ? piece.value() : std::string("?");
    position = end;
  }
  return out;
}

}  // namespace

platform::CodePage codePageOf(LanguageId language) {
  switch (language) {
    case LanguageId::JAPANESE:
      return platform::CodePage::SHIFT_JIS;
    case LanguageId::KOREAN:
      return platform::CodePage::KOREAN;
    case LanguageId::ENGLISH:
      break;
  }
  return platform::CodePage::WINDOWS_1252;
}

bool isLeadByte(LanguageId language, unsigned char byte) {
  switch (language) {
    case LanguageId::JAPANESE:
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case LanguageId::KOREAN:
      return byte >= 0x81 && byte <= 0xFE;
    case LanguageId::ENGLISH:
      break;
  }
  return false;
}

std::string textToUtf8(std::string_view text, LanguageId language) {
  return convertLeniently(text, codePageOf(language), platform::CodePage::UTF8);
}

std::string utf8ToText(std::string_view text, LanguageId language) {
  return convertLeniently(text, platform::CodePage::UTF8, codePageOf(language));
}

}  // namespace installer
