#include "plugin-common/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/TestSupport.h"
#include "platform/SystemErrors.h"
#include "plugin-common/ConverterSettings.h"

namespace plugin {
namespace {

using platform::test::readText;
using platform::test::ScopedEnvironment;
using platform::test::TemporaryFolder;
using platform::test::writeText;

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs pairsOf(std::string_view text) {
  Pairs pairs;
  for (const SettingsLine& line : tokeniseSettings(text)) pairs.emplace_back(line.key, line.value);
  return pairs;
}

struct TokeniseCase {
  const char* name;
  std::string text;
  Pairs expected;
};

TEST(SettingsTokeniser, CutsLinesIntoKeysAndValues) {
  const std::string longValue(300, 'x');
  const TokeniseCase cases[] = {
      {"no blanks", "fuselname=1", {{"fuselname", "1"}}},
      {"spaces around", "  fuselname  =  1  ", {{"fuselname", "1"}}},
      {"tabs around", "\tfuselname\t=\t1\t", {{"fuselname", "1"}}},
      {"blanks inside a word", "fuse lname = 1 2", {{"fuselname", "12"}}},
      {"quotes keep spaces", "cnvfont = \"MS  Gothic\"", {{"cnvfont", "MS  Gothic"}}},
      {"no quotes lose spaces", "cnvfont = MS  Gothic", {{"cnvfont", "MSGothic"}}},
      {"comment", "'fuselname = 1", {}},
      {"comment after blanks", " \t 'fuselname = 1", {}},
      {"apostrophe later is kept", "product = it's", {{"product", "it's"}}},
      {"value cut at a comma", "fuselname = 5,6", {{"fuselname", "5"}}},
      {"second equals sign ends the value", "fuselname = 5=6", {{"fuselname", "5"}}},
      {"quoted comma and equals", "product = \"a,b=c\"", {{"product", "a,b=c"}}},
      {"no equals sign", "fuselname", {}},
      {"empty value", "fuselname =", {}},
      {"empty key", "= 1", {}},
      {"empty quoted value is a value", "cnvfont = \"\"", {{"cnvfont", ""}}},
      {"CR LF and a last line without a line end",
       "fuselname = 1\r\nfusesmoth = 0\r\n\r\nkelmot = 1",
       {{"fuselname", "1"}, {"fusesmoth", "0"}, {"kelmot", "1"}}},
      {"CR inside a line is dropped", "fusel\rname = 1\r", {{"fuselname", "1"}}},
      {"zero byte ends the text", std::string("fuselname = 1\nkelmot = 1\0\nfusesmoth = 0", 38),
       {{"fuselname", "1"}, {"kelmot", "1"}}},
      // The key, " = " without blanks and 254 characters of the value fill the 256 kept characters.
      {"line cut at 256 characters", "product = \"" + longValue + "\"\nkelmot = 1",
       {{"product", std::string(256 - 9, 'x')}, {"kelmot", "1"}}},
  };
  for (const TokeniseCase& testCase : cases) {
    EXPECT_EQ(pairsOf(testCase.text), testCase.expected) << testCase.name;
  }
}

// Reads text into the converter's defaults.
ConverterSettings applied(std::string_view text) {
  ConverterSettings settings = defaultConverterSettings();
  applySettings(text, converterSettingsKeys(), &settings);
  return settings;
}

TEST(SettingsReader, Int16ValuesWrapAsSigned16Bit) {
  struct Case {
    const char* value;
    int16_t expected;
  };
  const Case cases[] = {
      {"1", 1},       {"-1", -1},        {"+7", 7},    {"70000", 4464}, {"-70000", -4464},
      {"32768", -32768}, {"12abc", 12}, {"abc", 0},   {"-", 0},         {"99999999999999999999", -1},
      {"\" 9\"", 9},
  };
  for (const Case& testCase : cases) {
    EXPECT_EQ(applied(std::string("vertexLimit = ") + testCase.value).options.vertexLimit, testCase.expected)
        << testCase.value;
  }
}

TEST(SettingsReader, RealValues) {
  const float defaultTolerance = defaultConverterSettings().options.plxAber;
  struct Case {
    const char* value;
    float expected;
  };
  const Case cases[] = {
      {"0.5", 0.5f},     {"+2.5", 2.5f},   {"-0.125", -0.125f}, {"1.5xyz", 1.5f}, {".25", 0.25f},
      {"2e-3", 0.002f},  {"abc", 0.0f},
      // Values a float field cannot hold leave the field as it was instead of overflowing it.
      {"1e39", defaultTolerance}, {"1e400", defaultTolerance}, {"inf", defaultTolerance},
      {"nan", defaultTolerance},
  };
  for (const Case& testCase : cases) {
    EXPECT_EQ(applied(std::string("plxAber = ") + testCase.value).options.plxAber, testCase.expected)
        << testCase.value;
  }
}

TEST(SettingsReader, LanguageWordsAreCaseSensitive) {
  struct Case {
    const char* value;
    LanguageId expected;
  };
  const Case cases[] = {
      {"ENGLISH", LanguageId::ENGLISH}, {"KOREAN", LanguageId::KOREAN},   {"JAPANESE", LanguageId::JAPANESE},
      {"english", LanguageId::JAPANESE}, {"FRENCH", LanguageId::JAPANESE}, {"\"ENGLISH\"", LanguageId::ENGLISH},
  };
  for (const Case& testCase : cases) {
    EXPECT_EQ(applied(std::string("language = ") + testCase.value).common.language, testCase.expected)
        << testCase.value;
  }
}

TEST(SettingsReader, TextValues) {
  EXPECT_EQ(std::string(applied("cnvfont = \"MS Mincho\"").options.cnvfont), "MS Mincho");
  EXPECT_EQ(std::string(applied("cnvfont = MS Mincho").options.cnvfont), "MSMincho");
  // TEXT(63): the first 63 characters and a terminator.
  EXPECT_EQ(std::string(applied("cnvfont = " + std::string(100, 'f')).options.cnvfont), std::string(63, 'f'));
  // A quoted empty text clears the product name, so what the writer wrote for an empty text reads back.
  EXPECT_EQ(std::string(applied("product = \"\"").common.product), "");
  // An empty quoted value means nothing to a number.
  EXPECT_EQ(applied("vertexLimit = \"\"").options.vertexLimit, 512);
}

TEST(SettingsReader, KeysAndLines) {
  const ConverterSettings defaults = defaultConverterSettings();
  EXPECT_EQ(applied("fuselname = 1\nfuselname = 3").options.fuselname, 3) << "the last line wins";
  EXPECT_EQ(applied("FuseLname = 1").options.fuselname, defaults.options.fuselname) << "keys are case-sensitive";
  EXPECT_EQ(applied("unknown = 1\nkelmot = 1").options.kelmot, 1) << "unknown keys are skipped";
  EXPECT_EQ(applied("'kelmot = 1").options.kelmot, defaults.options.kelmot) << "comment";
  EXPECT_EQ(applied("fuselname = 1\r\nkelmot = 1").options.kelmot, 1) << "last line without a line end";
  EXPECT_EQ(applied("plxVertex = 7,8").options.plxVertex, 7) << "value cut at a comma";
}

// A record with one key of every kind, for exact output and indexed keys.
struct SampleRecord {
  int16_t count;
  float scale;
  double precise;
  char title[8];
  LanguageId language;
  char rows[3][5];
};

constexpr SettingsKey kSampleKeys[] = {
    {"count", SettingKind::INT16, offsetof(SampleRecord, count), sizeof(int16_t)},
    {"scale", SettingKind::REAL, offsetof(SampleRecord, scale), sizeof(float)},
    {"precise", SettingKind::REAL, offsetof(SampleRecord, precise), sizeof(double)},
    {"title", SettingKind::TEXT, offsetof(SampleRecord, title), 8},
    {"language", SettingKind::LANGUAGE, offsetof(SampleRecord, language), sizeof(LanguageId)},
    {"row", SettingKind::INDEXED_TEXT, offsetof(SampleRecord, rows), 5, 3},
};
static_assert(isValidKeyTable(kSampleKeys, sizeof(SampleRecord)));

TEST(SettingsKeyTable, RejectsRowsThatDoNotFitTheirKindOrRecord) {
  const SettingsKey wrongIntSize[] = {{"count", SettingKind::INT16, 0, 4}};
  const SettingsKey pastTheEnd[] = {{"title", SettingKind::TEXT, offsetof(SampleRecord, title), 100}};
  const SettingsKey tooManyRows[] = {{"row", SettingKind::INDEXED_TEXT, 0, 1, 101}};
  EXPECT_EQ(isValidKeyTable(wrongIntSize, sizeof(SampleRecord)), false);
  EXPECT_EQ(isValidKeyTable(pastTheEnd, sizeof(SampleRecord)), false);
  EXPECT_EQ(isValidKeyTable(tooManyRows, 1000), false);
}

TEST(SettingsWriter, WritesEveryKindAsItsLineFormat) {
  SampleRecord record{};
  record.count = -12;
  record.scale = 0.2617993333333334f;
  record.precise = 1e-7;
  std::memcpy(record.title, "a b,c", 6);
  record.language = LanguageId::KOREAN;
  std::memcpy(record.rows[1], "one", 4);
  EXPECT_EQ(formatSettings(kSampleKeys, &record),
            "count = -12\r\n"
            "scale = 0.261799\r\n"
            "precise = 1e-07\r\n"
            "title = \"a b,c\"\r\n"
            "language = KOREAN\r\n"
            "row00 = \"\"\r\n"
            "row01 = \"one\"\r\n"
            "row02 = \"\"\r\n");

  // A language value outside the three is written as the JAPANESE it is taken for.
  record.language = static_cast<LanguageId>(7);
  EXPECT_NE(formatSettings(kSampleKeys, &record).find("language = JAPANESE\r\n"), std::string::npos);
}

TEST(SettingsReader, IndexedKeysNameTheirRow) {
  SampleRecord record{};
  applySettings("row02 = \"two\"\nrow03 = \"beyond\"\nrow1 = \"short\"\nrowAB = \"letters\"\nrow001 = \"long\"\n"
                "row00 = \"truncated\"",
                kSampleKeys, &record);
  EXPECT_EQ(std::string(record.rows[0]), "trun");
  EXPECT_EQ(std::string(record.rows[1]), "");
  EXPECT_EQ(std::string(record.rows[2]), "two");
}

TEST(ConverterSettings, WritesEveryKeyInOrderThenTheCommonKeys) {
  const ConverterSettings defaults = defaultConverterSettings();
  EXPECT_EQ(formatSettings(converterSettingsKeys(), &defaults),
            "fuselname = 0\r\nfusesmoth = 1\r\nfuselnfix = 1\r\nfusebzknj = 1\r\nfuseatext = 1\r\n"
            "fuseschar = 1\r\nfuseWidth = 1\r\nfuseCircle = 1\r\nfjoinPoly = 1\r\nfcnvApper = 1\r\n"
            "fcnvMask = 1\r\nfcnvFill = 1\r\nfuseImgfr = 1\r\nfAdjObjPos = 1\r\nftiipcomp = 0\r\n"
            "ffixScalTx = 0\r\nfuseplnfix = 1\r\nfusepsmoth = 1\r\nplxVertex = 4\r\nplxAngle = 0.261799\r\n"
            "plxAber = 0.025\r\ncnvfont = \"\"\r\ncnvtTani = 1\r\norgnMode = 0\r\npolyMode = 0\r\n"
            "cnvtScal = 1\r\ncnvtAber = 0.02\r\ncnvtJoin = 0.01\r\nschrType = 0\r\nvertexLimit = 512\r\n"
            "kelmot = 0\r\nlanguage = JAPANESE\r\nproduct = \"KELMO-Pro\"\r\n");
}

// Each test gets its own documents folder through PLATFORM_DOCUMENTS, restored afterwards.
class ConverterSettingsFile : public ::testing::Test {
protected:
  ConverterSettingsFile() { environment.set("PLATFORM_DOCUMENTS", documents.path().string()); }

  [[nodiscard]] std::filesystem::path settingsPath() const {
    return documents.path() / "Adobe" / "Illustrator" / "Prefs" / "KELMO-Pro.ini";
  }

  TemporaryFolder documents;
  ScopedEnvironment environment;
};

TEST_F(ConverterSettingsFile, PrefsFolderLiesUnderTheDocumentsFolder) {
  const platform::Result<std::filesystem::path> prefs = getPrefsFolder();
  ASSERT_TRUE(prefs.ok()) << prefs.error().describe();
  EXPECT_EQ(*prefs, documents.path() / "Adobe" / "Illustrator");
  EXPECT_EQ(std::filesystem::is_directory(*prefs), true);
}

TEST_F(ConverterSettingsFile, WriteThenReadGivesTheSameValues) {
  ConverterSettings written = defaultConverterSettings();
  written.options.fuselname = 1;
  written.options.ftiipcomp = TIIP_TORAY_CREACOMPO;
  written.options.vertexLimit = -300;
  written.options.cnvtScal = 2.5f;
  written.options.cnvtJoin = 0.125f;
  std::memcpy(written.options.cnvfont, "MS Gothic, bold=1", 18);
  written.common.language = LanguageId::ENGLISH;
  std::memcpy(written.common.product, "KELMOT", 7);

  const platform::Result<void> result = writeConverterSettings(written);
  ASSERT_TRUE(result.ok()) << result.error().describe();
  EXPECT_EQ(std::filesystem::exists(settingsPath()), true);

  ConverterSettings read = defaultConverterSettings();
  std::memcpy(read.common.product, "other", 6);
  readConverterSettings(read);
  // Every value above survives six significant digits, so the whole file reads back the same.
  EXPECT_EQ(formatSettings(converterSettingsKeys(), &read), formatSettings(converterSettingsKeys(), &written));
  EXPECT_EQ(read.options.vertexLimit, -300);
  EXPECT_EQ(read.options.cnvtScal, 2.5f);
  EXPECT_EQ(std::string(read.options.cnvfont), "MS Gothic, bold=1");
  EXPECT_EQ(read.common.language, LanguageId::ENGLISH);
  EXPECT_EQ(std::string(read.common.product), "KELMOT");
  // The smoothing angle keeps six significant digits only: 0.2617993333333334 comes back as 0.261799.
  EXPECT_EQ(read.options.plxAngle, 0.261799f);
  EXPECT_NEAR(read.options.plxAngle, written.options.plxAngle, 1e-6);
}

TEST_F(ConverterSettingsFile, EmptyTextsReadBackEmpty) {
  ConverterSettings written = defaultConverterSettings();
  written.common.product[0] = '\0';
  ASSERT_TRUE(writeConverterSettings(written).ok());
  ConverterSettings read = defaultConverterSettings();
  readConverterSettings(read);
  EXPECT_EQ(std::string(read.common.product), "");
}

TEST_F(ConverterSettingsFile, MissingFileKeepsTheDefaults) {
  ConverterSettings settings = defaultConverterSettings();
  settings.options.kelmot = 9;
  readConverterSettings(settings);
  EXPECT_EQ(settings.options.kelmot, 9);
  EXPECT_EQ(std::filesystem::exists(settingsPath()), false) << "the reader never writes the file";
}

// What stands in the settings file's place but is no settings file is not read: start-up neither fails, nor
// waits for a writer, nor reads gigabytes; every setting keeps its default.
TEST_F(ConverterSettingsFile, AFolderFifoOrHugeFileInItsPlaceKeepsTheDefaults) {
  std::filesystem::create_directories(settingsPath().parent_path());
  const auto folder = [](const std::filesystem::path& path) { std::filesystem::create_directory(path); };
  const auto fifo = [](const std::filesystem::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); };
  const auto huge = [](const std::filesystem::path& path) {
    writeText(path, "kelmot = 1\r\n");
    std::filesystem::resize_file(path, 2 * static_cast<std::uintmax_t>(kMaxSettingsFileSize));
  };
  const auto linkToFifo = [this, fifo](const std::filesystem::path& path) {
    fifo(documents.path() / "pipe");
    std::filesystem::create_symlink(documents.path() / "pipe", path);
  };
  const ConverterSettings defaults = defaultConverterSettings();
  for (const auto& replace : {+folder, +fifo, +huge}) {
    replace(settingsPath());
    ConverterSettings settings = defaultConverterSettings();
    readConverterSettings(settings);
    EXPECT_EQ(settings.options.kelmot, 0);
    EXPECT_EQ(formatSettings(converterSettingsKeys(), &settings),
              formatSettings(converterSettingsKeys(), &defaults));
    std::filesystem::remove_all(settingsPath());
  }
  linkToFifo(settingsPath());
  ConverterSettings settings = defaultConverterSettings();
  readConverterSettings(settings);
  EXPECT_EQ(settings.options.kelmot, 0);
}

TEST_F(ConverterSettingsFile, ReadsAHandWrittenFile) {
  writeText(settingsPath(), " fuselname\t= 1\r\n' kelmot = 1\r\nvertexLimit = 70000\r\nlanguage = english\r\n"
                            "cnvfont = \"MS Gothic\", 12\r\nplxAber = 1.5");
  ConverterSettings settings = defaultConverterSettings();
  settings.common.language = LanguageId::KOREAN;
  readConverterSettings(settings);
  EXPECT_EQ(settings.options.fuselname, 1);
  EXPECT_EQ(settings.options.kelmot, 0);
  EXPECT_EQ(settings.options.vertexLimit, 4464);
  EXPECT_EQ(settings.common.language, LanguageId::JAPANESE);
  EXPECT_EQ(std::string(settings.options.cnvfont), "MS Gothic");
  EXPECT_EQ(settings.options.plxAber, 1.5f);
}

TEST_F(ConverterSettingsFile, AFailedWriteIsReportedAndKeepsThePreviousFile) {
  // Prefs as a plain file: the settings file cannot be created below it.
  writeText(documents.path() / "Adobe" / "Illustrator" / "Prefs", "previous");
  const platform::Result<void> result = writeConverterSettings(defaultConverterSettings());
  ASSERT_EQ(result.ok(), false);
  EXPECT_EQ(result.error().code, platform::ERROR_WRITE_FAULT);
  EXPECT_NE(result.error().where.find("KELMO-Pro.ini"), std::string::npos) << result.error().where;
  EXPECT_EQ(readText(documents.path() / "Adobe" / "Illustrator" / "Prefs"), "previous");
}

}  // namespace
}  // namespace plugin
