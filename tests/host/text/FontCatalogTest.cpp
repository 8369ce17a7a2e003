#include "host/text/FontCatalog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ReferenceFont.h"

namespace host {
namespace {

const FontCatalog& catalog() {
  static const platform::Result<const FontCatalog*> shared = defaultFontCatalog();
  EXPECT_TRUE(shared.ok()) << (shared.ok() ? "" : shared.error().describe());
  return **shared;
}

std::vector<std::string> fullNames(const FontCatalog& fonts) {
  std::vector<std::string> names;
  for (const FontInfo& info : fonts.fonts()) names.push_back(info.fullName);
  return names;
}

TEST(FontCatalog, ListsTheFixedSetSortedByFullName) {
  // Exactly the fixed set in byte order of the full names; DejaVu's extra styles, installed on some
  // machines, stay out.
  const std::vector<std::string> expected{
      "DejaVu Sans", "DejaVu Sans Bold", "DejaVu Sans Mono", "DejaVu Sans Mono Bold", "DejaVu Serif",
      "DejaVu Serif Bold", "IPAGothic", "NanumGothic", "NanumGothicBold"};
  EXPECT_EQ(fullNames(catalog()), expected);
}

TEST(FontCatalog, GivesTheSameListEveryTime) {
  platform::Result<FontCatalog> again = FontCatalog::create();
  ASSERT_TRUE(again.ok()) << again.error().describe();
  EXPECT_EQ(fullNames(*again), fullNames(catalog()));
  ASSERT_EQ(again->fontCount(), catalog().fontCount());
  for (std::int32_t index = 0; index < again->fontCount(); ++index) {
    const FontInfo& first = catalog().fonts()[static_cast<std::size_t>(index)];
    const FontInfo& second = again->fonts()[static_cast<std::size_t>(index)];
    EXPECT_EQ(first.file, second.file);
    EXPECT_EQ(first.postScriptName, second.postScriptName);
  }
}

TEST(FontCatalog, DescribesEachFace) {
  const std::int32_t bold = catalog().findByFullName("DejaVu Sans Bold").value_or(-1);
  ASSERT_GE(bold, 0);
  const FontInfo& info = catalog().fonts()[static_cast<std::size_t>(bold)];
  EXPECT_EQ(info.family, "DejaVu Sans");
  EXPECT_EQ(info.style, "Bold");
  EXPECT_EQ(info.postScriptName, "DejaVuSans-Bold");
  EXPECT_EQ(info.file.filename(), "DejaVuSans-Bold.ttf");
  EXPECT_EQ(info.faceIndex, 0);
  // Fonts named in several languages are listed under their English names.
  const std::int32_t ipa = catalog().findByPostScriptName("IPAGothic").value_or(-1);
  ASSERT_GE(ipa, 0);
  EXPECT_EQ(catalog().fonts()[static_cast<std::size_t>(ipa)].fullName, "IPAGothic");
}

TEST(FontCatalog, FindsFacesByEachKindOfName) {
  const std::optional<std::int32_t> byFullName = catalog().findByFullName("NanumGothic");
  ASSERT_TRUE(byFullName.has_value());
  EXPECT_EQ(catalog().findByPostScriptName("NanumGothic"), byFullName);
  EXPECT_EQ(catalog().findByFamilyAndStyle("NanumGothic", "Regular"), byFullName);
  EXPECT_EQ(catalog().findByFamilyAndStyle("DejaVu Sans", "Bold"), catalog().findByFullName("DejaVu Sans Bold"));

  EXPECT_FALSE(catalog().findByFullName("Times New Roman").has_value());
  EXPECT_FALSE(catalog().findByPostScriptName("DejaVu Sans").has_value());
  EXPECT_FALSE(catalog().findByFamilyAndStyle("DejaVu Sans", "Italic").has_value());
  // Unknown names fall back to the first face.
  EXPECT_EQ(catalog().resolveFullName("Times New Roman"), 0);
  EXPECT_EQ(catalog().resolveFullName("NanumGothic"), *byFullName);
}

TEST(FontCatalog, AdvancesMatchFreeTypeAtUnitSize) {
  for (const char* name : {"DejaVu Sans", "DejaVu Serif Bold", "IPAGothic"}) {
    const std::int32_t index = catalog().findByFullName(name).value_or(-1);
    ASSERT_GE(index, 0) << name;
    const testing::ReferenceFont reference(catalog().fonts()[static_cast<std::size_t>(index)].file);
    platform::Result<const FontFace*> face = catalog().face(index);
    ASSERT_TRUE(face.ok());
    for (const char32_t character : {U'M', U'i', U' '}) {
      platform::Result<double> advance = (*face)->advance(character);
      ASSERT_TRUE(advance.ok());
      EXPECT_DOUBLE_EQ(*advance, reference.advance(character))
          << name << " U+" << std::hex << static_cast<std::uint32_t>(character);
    }
  }
}

TEST(FontCatalog, VerticalMetricsArePositiveFractionsOfTheEm) {
  for (std::int32_t index = 0; index < catalog().fontCount(); ++index) {
    platform::Result<const FontFace*> face = catalog().face(index);
    ASSERT_TRUE(face.ok());
    const VerticalMetrics metrics = (*face)->verticalMetrics();
    const std::string& name = catalog().fonts()[static_cast<std::size_t>(index)].fullName;
    EXPECT_GT(metrics.ascender, 0.5) << name;
    EXPECT_LT(metrics.ascender, 1.5) << name;
    EXPECT_GT(metrics.descender, 0.0) << name;
    EXPECT_LT(metrics.descender, 0.5) << name;
    EXPECT_GE(metrics.lineGap, 0.0) << name;
  }
  // DejaVu's horizontal header agrees with FreeType's own reading of it.
  const testing::ReferenceFont dejaVu(catalog().fonts()[0].file);
  EXPECT_DOUBLE_EQ((*catalog().face(0))->verticalMetrics().ascender, dejaVu.ascender());
}

TEST(FontCatalog, DrawsMissingGlyphsWithTheFirstFaceThatHasThem) {
  const std::int32_t dejaVu = catalog().resolveFullName("DejaVu Sans");
  const std::int32_t ipa = catalog().findByFullName("IPAGothic").value_or(-1);
  const std::int32_t nanum = catalog().findByFullName("NanumGothic").value_or(-1);
  const std::int32_t nanumBold = catalog().findByFullName("NanumGothicBold").value_or(-1);
  struct Case {
    std::int32_t requested;
    char32_t character;
    std::int32_t expected;
  };
  const Case cases[] = {
      {dejaVu, U'A', dejaVu},
      {dejaVu, U'あ', ipa},      // hiragana
      {dejaVu, U'漢', ipa},      // ideograph: IPA Gothic sorts before Nanum Gothic
      {dejaVu, U'한', nanum},    // Hangul syllable
      {nanumBold, U'한', nanumBold},
      {nanum, U'A', nanum},      // the requested face keeps what it has
      {dejaVu, U'\U000F0000', dejaVu},  // private use: nobody has it, the requested face's .notdef stands in
  };
  for (const Case& test : cases) {
    platform::Result<std::int32_t> chosen = catalog().faceForCharacter(test.requested, test.character);
    ASSERT_TRUE(chosen.ok());
    EXPECT_EQ(*chosen, test.expected) << "U+" << std::hex << static_cast<std::uint32_t>(test.character);
  }
  EXPECT_FALSE(catalog().faceForCharacter(catalog().fontCount(), U'A').ok());
  EXPECT_FALSE(catalog().face(-1).ok());
}

TEST(FontCatalog, RefusesFilesThatHoldNoFont) {
  const std::filesystem::path notAFont = std::filesystem::path(::testing::TempDir()) / "not-a-font.ttf";
  std::ofstream(notAFont) << "plain text, no font tables";
  const std::vector<std::filesystem::path> files{notAFont};
  platform::Result<FontCatalog> built = FontCatalog::createFromFiles(files);
  EXPECT_FALSE(built.ok());
  std::filesystem::remove(notAFont);

  const std::vector<std::filesystem::path> missing{"/nonexistent/font.ttf"};
  EXPECT_FALSE(FontCatalog::createFromFiles(missing).ok());
}

}  // namespace
}  // namespace host
