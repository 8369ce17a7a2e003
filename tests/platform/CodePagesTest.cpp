#include "platform/CodePages.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/SystemErrors.h"

namespace platform {
namespace {

using test::succeeded;

// "日本" in Shift-JIS and UTF-8; "한" in the Korean code page and UTF-8.
const std::string kNihonShiftJis = "\x93\xFA\x96\x7B";
const std::string kNihonUtf8 = "\xE6\x97\xA5\xE6\x9C\xAC";
const std::string kHanKorean = "\xC7\xD1";
const std::string kHanUtf8 = "\xED\x95\x9C";

TEST(CodePageConversionTest, ShiftJisToUtf8AndBack) {
  Result<std::string> utf8 = codePageToUtf8(kNihonShiftJis, CodePage::SHIFT_JIS);
  ASSERT_TRUE(succeeded(utf8));
  EXPECT_EQ(utf8.value(), kNihonUtf8);
  Result<std::string> back = utf8ToCodePage(utf8.value(), CodePage::SHIFT_JIS);
  ASSERT_TRUE(succeeded(back));
  EXPECT_EQ(back.value(), kNihonShiftJis);
}

TEST(CodePageConversionTest, KoreanToUtf8AndBack) {
  Result<std::string> utf8 = codePageToUtf8(kHanKorean, CodePage::KOREAN);
  ASSERT_TRUE(succeeded(utf8));
  EXPECT_EQ(utf8.value(), kHanUtf8);
  Result<std::string> back = utf8ToCodePage(kHanUtf8, CodePage::KOREAN);
  ASSERT_TRUE(succeeded(back));
  EXPECT_EQ(back.value(), kHanKorean);
  // Symbols that Korean DXF text uses: Cyrillic ef (0xAC 0xE6) and the degree sign (0xA1 0xC6).
  Result<std::string> symbols = codePageToUtf8("\xAC\xE6\xA1\xC6", CodePage::KOREAN);
  ASSERT_TRUE(succeeded(symbols));
  EXPECT_EQ(symbols.value(), "ф°");
}

TEST(CodePageConversionTest, Windows1252AndAsciiAndEmpty) {
  Result<std::string> euro = codePageToUtf8("\x80 5\xB0", CodePage::WINDOWS_1252);
  ASSERT_TRUE(succeeded(euro));
  EXPECT_EQ(euro.value(), "€ 5°");
  // In code page 932 byte 0x5C stays a backslash (Windows paths), unlike in plain Shift-JIS.
  Result<std::string> path = codePageToUtf8("C:\\Q", CodePage::SHIFT_JIS);
  ASSERT_TRUE(succeeded(path));
  EXPECT_EQ(path.value(), "C:\\Q");
  Result<std::string> empty = codePageToUtf8("", CodePage::KOREAN);
  ASSERT_TRUE(succeeded(empty));
  EXPECT_EQ(empty.value(), "");
  Result<std::string> utf8 = codePageToUtf8(kNihonUtf8, CodePage::UTF8);
  ASSERT_TRUE(succeeded(utf8));
  EXPECT_EQ(utf8.value(), kNihonUtf8);
}

TEST(CodePageConversionTest, ToAndFromUtf16) {
  Result<std::u16string> utf16 = codePageToUtf16(kNihonShiftJis, CodePage::SHIFT_JIS);
  ASSERT_TRUE(succeeded(utf16));
  EXPECT_EQ(utf16.value(), u"日本");
  Result<std::u16string> korean = codePageToUtf16("A" + kHanKorean, CodePage::KOREAN);
  ASSERT_TRUE(succeeded(korean));
  EXPECT_EQ(korean.value(), u"A한");
  Result<std::string> utf8 = utf16ToUtf8(u"日本 \U0001D11E");  // with a surrogate pair (musical G clef)
  ASSERT_TRUE(succeeded(utf8));
  EXPECT_EQ(utf8.value(), "日本 \U0001D11E");
}

struct InvalidCase {
  const char* name;
  std::string text;
  CodePage from;
  const char* where;
};

// Test names in CTest show the case's name, not its bytes.
void PrintTo(const InvalidCase& each, std::ostream* out) { *out << each.name; }

class InvalidCodePageTextTest : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidCodePageTextTest, GivesAnErrorAtItsOffset) {
  const InvalidCase& invalid = GetParam();
  Result<std::string> utf8 = codePageToUtf8(invalid.text, invalid.from);
  ASSERT_FALSE(utf8.ok()) << "converted to " << utf8.value();
  EXPECT_EQ(utf8.error().code, ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_EQ(utf8.error().where, invalid.where);
  Result<std::u16string> utf16 = codePageToUtf16(invalid.text, invalid.from);
  ASSERT_FALSE(utf16.ok());
  EXPECT_EQ(utf16.error().code, ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_EQ(utf16.error().where, invalid.where);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, InvalidCodePageTextTest,
    ::testing::Values(InvalidCase{"ShiftJisLeadByteAtTheEnd", "ab\x93", CodePage::SHIFT_JIS, "offset 2"},
                      InvalidCase{"ShiftJisBadTrailByte", "\x93\xFA\x81\x20", CodePage::SHIFT_JIS, "offset 2"},
                      InvalidCase{"KoreanLeadByteAtTheEnd", "\xC7", CodePage::KOREAN, "offset 0"},
                      InvalidCase{"KoreanBadTrailByte", "x\xC7\x0A", CodePage::KOREAN, "offset 1"},
                      InvalidCase{"Windows1252Undefined", "ok\x81", CodePage::WINDOWS_1252, "offset 2"},
                      InvalidCase{"Utf8Truncated", "\xE6\x97", CodePage::UTF8, "offset 0"},
                      InvalidCase{"Utf8Stray", "a\xFF", CodePage::UTF8, "offset 1"}),
    [](const ::testing::TestParamInfo<InvalidCase>& info) { return std::string(info.param.name); });

TEST(CodePageConversionTest, Utf8ThatTheCodePageLacksIsAnError) {
  Result<std::string> korean = utf8ToCodePage("ok " + kNihonUtf8, CodePage::WINDOWS_1252);
  ASSERT_FALSE(korean.ok());
  EXPECT_EQ(korean.error().code, ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_EQ(korean.error().where, "offset 3");
  EXPECT_NE(korean.error().message.find("code page 1252"), std::string::npos) << korean.error().message;
}

TEST(CodePageConversionTest, InvalidUtf8IsAnError) {
  for (const std::string& invalid : {std::string("ab\xC3("), std::string("ab\xC0\xAF"),  // overlong '/'
                                     std::string("ab\xED\xA0\x80"),                      // a surrogate
                                     std::string("ab\xF4\x90\x80\x80")}) {                // above U+10FFFF
    Result<std::string> converted = utf8ToCodePage(invalid, CodePage::SHIFT_JIS);
    ASSERT_FALSE(converted.ok());
    EXPECT_EQ(converted.error().code, ERROR_NO_UNICODE_TRANSLATION);
    EXPECT_EQ(converted.error().where, "offset 2");
    EXPECT_NE(converted.error().message.find("not valid UTF-8"), std::string::npos) << converted.error().message;
  }
}

TEST(CodePageConversionTest, UnpairedSurrogateIsAnError) {
  std::u16string lone = u"ab";
  lone += static_cast<char16_t>(0xD800);
  lone += u"c";
  Result<std::string> utf8 = utf16ToUtf8(lone);
  ASSERT_FALSE(utf8.ok());
  EXPECT_EQ(utf8.error().code, ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_EQ(utf8.error().where, "offset 2");
}

TEST(CodePageNameTest, AcceptsNumbersAndCpNames) {
  struct Case {
    std::string_view name;
    CodePage codePage;
  };
  for (const Case& each : {Case{"932", CodePage::SHIFT_JIS}, Case{"cp932", CodePage::SHIFT_JIS},
                           Case{"CP949", CodePage::KOREAN}, Case{"Cp1252", CodePage::WINDOWS_1252},
                           Case{"1252", CodePage::WINDOWS_1252}, Case{"65001", CodePage::UTF8},
                           Case{"UTF-8", CodePage::UTF8}, Case{"utf8", CodePage::UTF8},
                           Case{" 949 ", CodePage::KOREAN}}) {
    Result<CodePage> named = codePageNamed(each.name);
    ASSERT_TRUE(succeeded(named)) << each.name;
    EXPECT_EQ(named.value(), each.codePage) << each.name;
  }
  for (std::string_view unknown : {"", "936", "cp", "932x", "-932", "shift_jis", "0x3a4"}) {
    Result<CodePage> named = codePageNamed(unknown);
    ASSERT_FALSE(named.ok()) << unknown;
    EXPECT_EQ(named.error().code, ERROR_INVALID_PARAMETER);
  }
}

struct SystemCodePageCase {
  const char* name;
  std::optional<std::string> platformCodePage;
  std::optional<std::string> lcAll;
  std::optional<std::string> lcCtype;
  std::optional<std::string> lang;
  CodePage expected;
  bool problem;
};

void PrintTo(const SystemCodePageCase& each, std::ostream* out) { *out << each.name; }

class SystemCodePageTest : public ::testing::TestWithParam<SystemCodePageCase> {};

TEST_P(SystemCodePageTest, ComesFromTheVariableOrTheLocale) {
  const SystemCodePageCase& each = GetParam();
  test::ScopedEnvironment environment;
  environment.set("PLATFORM_CODEPAGE", each.platformCodePage);
  environment.set("LC_ALL", each.lcAll);
  environment.set("LC_CTYPE", each.lcCtype);
  environment.set("LANG", each.lang);

  CodePageChoice choice = chooseSystemCodePage();
  EXPECT_EQ(choice.codePage, each.expected);
  EXPECT_EQ(choice.problem.has_value(), each.problem);
  if (choice.problem) {
    EXPECT_EQ(choice.problem->code, ERROR_INVALID_PARAMETER);
    EXPECT_EQ(choice.problem->where, "PLATFORM_CODEPAGE");
  }
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(systemCodePage(), each.expected);
  std::string reported = ::testing::internal::GetCapturedStderr();
  if (!each.problem) {
    EXPECT_EQ(reported, "");
  }
}

const std::nullopt_t kUnset = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Settings, SystemCodePageTest,
    ::testing::Values(
        SystemCodePageCase{"CLocale", kUnset, kUnset, kUnset, kUnset, CodePage::WINDOWS_1252, false},
        SystemCodePageCase{"JapaneseLang", kUnset, kUnset, kUnset, "ja_JP.UTF-8", CodePage::SHIFT_JIS, false},
        SystemCodePageCase{"KoreanLang", kUnset, kUnset, kUnset, "ko_KR.eucKR", CodePage::KOREAN, false},
        SystemCodePageCase{"EnglishLang", kUnset, kUnset, kUnset, "en_US.UTF-8", CodePage::WINDOWS_1252, false},
        SystemCodePageCase{"CtypeBeforeLang", kUnset, kUnset, "ko_KR.UTF-8", "ja_JP.UTF-8", CodePage::KOREAN, false},
        SystemCodePageCase{"AllBeforeCtype", kUnset, "ja_JP", "ko_KR.UTF-8", "en_US", CodePage::SHIFT_JIS, false},
        SystemCodePageCase{"AllEnglishWins", kUnset, "C.UTF-8", "ko_KR.UTF-8", "ja_JP", CodePage::WINDOWS_1252, false},
        SystemCodePageCase{"EmptyAllIsUnset", kUnset, "", "ko_KR.UTF-8", kUnset, CodePage::KOREAN, false},
        SystemCodePageCase{"Variable932", "932", kUnset, kUnset, "en_US.UTF-8", CodePage::SHIFT_JIS, false},
        SystemCodePageCase{"VariableCp932", "cp932", "ko_KR", kUnset, kUnset, CodePage::SHIFT_JIS, false},
        SystemCodePageCase{"VariableCP949", "CP949", kUnset, kUnset, "ja_JP", CodePage::KOREAN, false},
        SystemCodePageCase{"Variable1252", "1252", "ja_JP.UTF-8", kUnset, kUnset, CodePage::WINDOWS_1252, false},
        SystemCodePageCase{"EmptyVariableIsUnset", "", kUnset, kUnset, "ko_KR", CodePage::KOREAN, false},
        SystemCodePageCase{"UnknownVariableUsesLocale", "936", kUnset, kUnset, "ja_JP", CodePage::SHIFT_JIS, true},
        SystemCodePageCase{"GarbageVariableUsesLocale", "latin", kUnset, kUnset, kUnset, CodePage::WINDOWS_1252, true}),
    [](const ::testing::TestParamInfo<SystemCodePageCase>& info) { return std::string(info.param.name); });

TEST(SystemCodePageReportTest, AnUnknownVariableIsReportedOnce) {
  // The layer remembers what it reported, so each run of this test (--gtest_repeat) needs a value of its own.
  static int run = 0;
  const std::string unknown = "cp1234" + std::to_string(++run);
  test::ScopedEnvironment environment;
  environment.set("PLATFORM_CODEPAGE", unknown);
  environment.set("LC_ALL", "ko_KR.UTF-8");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(systemCodePage(), CodePage::KOREAN);
  EXPECT_EQ(systemCodePage(), CodePage::KOREAN);
  std::string reported = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(reported.find("PLATFORM_CODEPAGE"), std::string::npos) << reported;
  EXPECT_NE(reported.find(unknown), std::string::npos) << reported;
  EXPECT_EQ(reported.find("PLATFORM_CODEPAGE", reported.find("PLATFORM_CODEPAGE") + 1), std::string::npos)
      << "reported twice: " << reported;
}

}  // namespace
}  // namespace platform
