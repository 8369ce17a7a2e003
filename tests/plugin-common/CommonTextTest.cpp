// The language rule, the TIIP product word, the code-page conversions and the bounded text utilities.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "plugin-common/CodePageText.h"
#include "plugin-common/LanguageId.h"
#include "plugin-common/ProductWord.h"
#include "plugin-common/TextUtilities.h"

namespace {

using plugin::LanguageId;

TEST(Language, ChoosesTheResourceBlockOfTheLanguage) {
  EXPECT_EQ(plugin::dialogNumber(LanguageId::JAPANESE, 16150), 16150);
  EXPECT_EQ(plugin::dialogNumber(LanguageId::ENGLISH, 16155), 16255);
  EXPECT_EQ(plugin::dialogNumber(LanguageId::KOREAN, 16154), 16354);
  // A value no settings file should give falls back to the Japanese block.
  EXPECT_EQ(plugin::dialogNumber(static_cast<LanguageId>(7), 16150), 16150);
}

TEST(ProductWord, SwitchesOnlyAnExactLeadingKelmo) {
  struct Case {
    const char* text;
    const char* switched;
  };
  const Case cases[] = {
      {"KELMO-Pro Ver2.50", "KELMOT-Pro Ver2.50"},
      {"KELMO", "KELMOT"},
      {"KELMOT-Pro", "KELMOTT-Pro"},
      {"kelmo-Pro", "kelmo-Pro"},
      {"XKELMO-Pro", "XKELMO-Pro"},
      {"KELM", "KELM"},
      {"", ""},
  };
  for (const Case& expected : cases) {
    std::string text = expected.text;
    plugin::switchProductWord(text);
    EXPECT_EQ(text, expected.switched) << expected.text;
  }
}

TEST(CodePageText, ConvertsJapaneseAndKoreanToUtf8) {
  char out[64];
  // "日本" in Shift-JIS and "한글" in code page 949.
  ASSERT_TRUE(plugin::shiftJisToUtf8("\x93\xfa\x96\x7b", out, sizeof out));
  EXPECT_STREQ(out, "日本");
  ASSERT_TRUE(plugin::koreanToUtf8("\xc7\xd1\xb1\xdb", out, sizeof out));
  EXPECT_STREQ(out, "한글");
  // A second byte that is a backslash belongs to its character (U+8868).
  ASSERT_TRUE(plugin::shiftJisToUtf8("\x95\x5c", out, sizeof out));
  EXPECT_STREQ(out, "表");
}

TEST(CodePageText, TextThatDoesNotFitOrConvertIsEmptyNotCut) {
  char out[8];
  std::memset(out, 'x', sizeof out);
  // Six UTF-8 bytes and the terminator fit in 7, not in 6.
  EXPECT_TRUE(plugin::shiftJisToUtf8("\x93\xfa\x96\x7b", out, 7));
  EXPECT_STREQ(out, "日本");
  EXPECT_FALSE(plugin::shiftJisToUtf8("\x93\xfa\x96\x7b", out, 6));
  EXPECT_STREQ(out, "");
  // A lead byte without its second byte is not Shift-JIS.
  std::memset(out, 'x', sizeof out);
  EXPECT_FALSE(plugin::shiftJisToUtf8("A\x93", out, sizeof out));
  EXPECT_STREQ(out, "");
  EXPECT_FALSE(plugin::koreanToUtf8("\xc7", out, sizeof out));
  EXPECT_STREQ(out, "");
}

TEST(TextUtilities, ParseNumbersTheWayTheReadersExpect) {
  struct IntegerCase {
    const char* text;
    int32_t value;
  };
  const IntegerCase integers[] = {
      {"  42", 42}, {"-17x", -17}, {"+8", 8}, {"", 0}, {"abc", 0}, {"\t5", 0}, {"4294967297", 1},
  };
  for (const IntegerCase& expected : integers) EXPECT_EQ(plugin::parseInteger(expected.text), expected.value) << expected.text;

  struct RealCase {
    const char* text;
    double value;
  };
  const RealCase reals[] = {
      {" -1.5e2", -150}, {"12abc", 12}, {"0.25", 0.25}, {"+3.", 3}, {".5", 0.5}, {"2E-3", 0.002}, {"1e+2", 100},
      {"-", 0}, {"e5", 0},
  };
  for (const RealCase& expected : reals) EXPECT_DOUBLE_EQ(plugin::parseReal(expected.text), expected.value) << expected.text;
  // An exponent far beyond any double ends at once as infinity or zero.
  EXPECT_TRUE(std::isinf(plugin::parseReal("1e999999999999")));
  EXPECT_EQ(plugin::parseReal("1e-999999999999"), 0.0);
}

TEST(TextUtilities, BoundedOperationsStopAtTheirBounds) {
  EXPECT_EQ(plugin::boundedLength("abc"), 3u);
  EXPECT_EQ(plugin::boundedLength(nullptr), 0u);
  std::string huge(40000, 'a');
  EXPECT_EQ(plugin::boundedLength(huge.c_str()), plugin::kTextBound);

  EXPECT_LT(plugin::boundedCompare("abc", "abd"), 0);
  EXPECT_GT(plugin::boundedCompare("\xe0", "a"), 0);  // bytes compare unsigned
  EXPECT_EQ(plugin::boundedCompare("same", "same"), 0);
  std::string other = huge;
  other[plugin::kTextBound + 10] = 'b';  // a difference beyond the bound is not seen
  EXPECT_EQ(plugin::boundedCompare(huge.c_str(), other.c_str()), 0);

  std::string copy(plugin::kTextBound, '?');
  plugin::boundedCopy(copy.data(), huge.c_str());
  EXPECT_EQ(std::strlen(copy.c_str()), plugin::kTextBound - 1);

  char characters[8] = "zzzzzzz";
  plugin::copyCharacters(characters, "abcdef", 3);
  EXPECT_STREQ(characters, "abczzzz");  // no terminator when the count is reached
  plugin::copyCharacters(characters, "x", 5);
  EXPECT_STREQ(characters, "x");
  EXPECT_EQ(characters[2], 'c');  // nothing after the copied terminator

  EXPECT_EQ(plugin::fillBytes(characters, 'q', 3), 3u);
  EXPECT_EQ(std::string(characters, 3), "qqq");

  EXPECT_EQ(plugin::findText("Configuration Layer 2", "Layer"), 14);
  EXPECT_EQ(plugin::findText("abc", "x"), -1);
  EXPECT_EQ(plugin::findText(nullptr, "x"), -1);
  EXPECT_EQ(plugin::findText("abc", nullptr), -1);
}

}  // namespace
