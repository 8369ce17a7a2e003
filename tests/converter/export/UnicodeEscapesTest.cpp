#include "converter/export/UnicodeEscapes.h"

#include <gtest/gtest.h>

#include <string>

namespace converter {
namespace {

using platform::CodePage;

TEST(UnicodeEscapes, CharactersTheCodePageLacksAreEscaped) {
  struct Case {
    const char* utf8;
    CodePage codePage;
    std::string expected;
  };
  const Case cases[] = {
      {"Plan \xC3\xA9 ?", CodePage::WINDOWS_1252, "Plan \xE9 ?"},                 // all in the code page
      {"\xE6\x97\xA5\xE6\x9C\xAC A", CodePage::WINDOWS_1252, "\\U+65E5\\U+672C A"},  // 日本, upper-case digits
      {"\xC3\xA9\xE6\x97\xA5", CodePage::SHIFT_JIS, "\\U+00E9\x93\xFA"},            // é lacks in 932, 日 not
      {"a\xF0\x9F\x98\x80z", CodePage::WINDOWS_1252, "a?z"},                       // beyond U+FFFF
      {"a\xFFz", CodePage::WINDOWS_1252, "a?z"},                                    // not UTF-8
  };
  for (const Case& test : cases) {
    EXPECT_EQ(toCodePageWithEscapes(test.utf8, test.codePage), test.expected) << test.utf8;
  }
}

TEST(UnicodeEscapes, AnEscapeIsABackslashUPlusAndFourUpperCaseDigits) {
  EXPECT_TRUE(startsWithUnicodeEscape("\\U+65E5 and more"));
  for (const char* text : {"\\U+65e5", "\\U+65E", "\\u+65E5", "U+65E5", "\\U65E5x"}) {
    EXPECT_FALSE(startsWithUnicodeEscape(text)) << text;
  }
}

}  // namespace
}  // namespace converter
