#include "converter/export/DxfTextConversion.h"

#include <gtest/gtest.h>

#include <string>

namespace converter {
namespace {

using plugin::LanguageId;

TEST(DxfTextConversion, CharacterSetByLanguageAndIndex) {
  struct Case {
    LanguageId language;
    int16_t schrType;
    DxfCharacterSet expected;
  };
  const Case cases[] = {
      {LanguageId::ENGLISH, 0, DxfCharacterSet::APPLE_ASCII},
      {LanguageId::ENGLISH, 1, DxfCharacterSet::MICROSOFT_ASCII},
      {LanguageId::ENGLISH, 2, DxfCharacterSet::APPLE_ASCII},  // beyond the list: its first entry
      {LanguageId::JAPANESE, 0, DxfCharacterSet::JAPANESE_NATIVE},
      {LanguageId::JAPANESE, 1, DxfCharacterSet::APPLE_ASCII},
      {LanguageId::JAPANESE, 2, DxfCharacterSet::MICROSOFT_ASCII},
      {LanguageId::KOREAN, 0, DxfCharacterSet::KOREAN_NATIVE},
      {LanguageId::KOREAN, 2, DxfCharacterSet::MICROSOFT_ASCII},
      {LanguageId::KOREAN, -1, DxfCharacterSet::KOREAN_NATIVE},
      {static_cast<LanguageId>(7), 0, DxfCharacterSet::JAPANESE_NATIVE},  // unknown languages are Japanese
  };
  for (const Case& test : cases) {
    EXPECT_EQ(effectiveCharacterSet(test.language, test.schrType), test.expected)
        << static_cast<int>(test.language) << " " << test.schrType;
  }
}

TEST(DxfTextConversion, SpecialCharactersOfEverySet) {
  struct Case {
    const char* name;
    DxfCharacterSet set;
    std::string line;
    std::string expected;
  };
  const Case cases[] = {
      {"Microsoft ASCII", DxfCharacterSet::MICROSOFT_ASCII, "\xF8" "25\xB1" "0.1", "%%c25%%p0.1"},
      {"Microsoft ASCII degree and percent", DxfCharacterSet::MICROSOFT_ASCII, "90\xB0 5%", "90%%d 5%%%"},
      {"Apple ASCII", DxfCharacterSet::APPLE_ASCII, "\xBF" "25\xB1" "0.1\xFB 5%", "%%c25%%p0.1%%d 5%%%"},
      {"Apple's diameter byte means nothing in Microsoft ASCII", DxfCharacterSet::MICROSOFT_ASCII, "\xBF\xFB",
       "\xBF\xFB"},
      {"Shift-JIS", DxfCharacterSet::JAPANESE_NATIVE, "\x83\xD3" "25\x81\x7D" "0.1\x81\x8B 5%",
       "%%c25%%p0.1%%d 5%%%"},
      // 図 is 90 7D: its second byte is no plus-minus half, and 7D is no ASCII character here.
      {"Shift-JIS characters are whole units", DxfCharacterSet::JAPANESE_NATIVE, "\x90\x7D\x81\x7D",
       "\x90\x7D%%p"},
      // ャ is 83 83 and ﾓ is D3: read byte by byte, 83 D3 would be a diameter sign.
      {"Shift-JIS: no sign across two characters", DxfCharacterSet::JAPANESE_NATIVE, "\x83\x83\xD3",
       "\x83\x83\xD3"},
      {"code page 949: no sign across two characters", DxfCharacterSet::KOREAN_NATIVE, "\xB0\xAC\xE6\xA1",
       "\xB0\xAC\xE6\xA1"},
      {"Shift-JIS half-width katakana are single bytes", DxfCharacterSet::JAPANESE_NATIVE, "\xB1\x83\xD3",
       "\xB1%%c"},
      {"code page 949", DxfCharacterSet::KOREAN_NATIVE, "\xAC\xE6" "25\xA1\xBE" "0.1\xA1\xC6 5%",
       "%%c25%%p0.1%%d 5%%%"},
      {"code page 949 characters are whole units", DxfCharacterSet::KOREAN_NATIVE, "\xB5\xB5\xB8\xE9\xA1\xBE",
       "\xB5\xB5\xB8\xE9%%p"},
      {"the line ends at a carriage return", DxfCharacterSet::MICROSOFT_ASCII, "first\rsecond", "first"},
      {"the line ends at a zero byte", DxfCharacterSet::MICROSOFT_ASCII, std::string("first\0second", 12), "first"},
      {"control bytes are dropped", DxfCharacterSet::MICROSOFT_ASCII, "a\tb\nc\x1F" "d", "abcd"},
      {"a lead byte without its second byte is dropped", DxfCharacterSet::JAPANESE_NATIVE, "ab\x83", "ab"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(convertTextLine(test.line, test.set), test.expected) << test.name;
  }
}

TEST(DxfTextConversion, LongLinesAreCutBetweenCharacters) {
  // 254 bytes, then a sequence that would end beyond 255: the sequence is left out whole.
  std::string line(254, 'x');
  EXPECT_EQ(convertTextLine(line + "%", DxfCharacterSet::MICROSOFT_ASCII), line);
  EXPECT_EQ(convertTextLine(line + "y%", DxfCharacterSet::MICROSOFT_ASCII), line + "y");
  // A double-byte character that would end beyond 255 is not cut in half.
  EXPECT_EQ(convertTextLine(line + "\x90\x7D", DxfCharacterSet::JAPANESE_NATIVE), line);
  std::string kanji;
  for (int count = 0; count < 200; ++count) kanji += "\x90\x7D";
  EXPECT_EQ(convertTextLine(kanji, DxfCharacterSet::JAPANESE_NATIVE).size(), 254u);
  EXPECT_EQ(convertTextLine(std::string(300, 'z'), DxfCharacterSet::APPLE_ASCII), std::string(kDxfTextLimit, 'z'));
  // Nor is an escape of a character outside the code page: 36 escapes are 252 bytes, the 37th is left out.
  std::string escapes;
  for (int count = 0; count < 40; ++count) escapes += "\\U+65E5";
  EXPECT_EQ(convertTextLine(escapes, DxfCharacterSet::JAPANESE_NATIVE), escapes.substr(0, 36 * 7));
}

}  // namespace
}  // namespace converter
