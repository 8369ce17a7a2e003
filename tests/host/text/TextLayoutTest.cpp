#include "host/text/TextLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

#include "host/sdk/ErrorCodes.h"
#include "host/text/TextEditing.h"
#include "ReferenceFont.h"

namespace host {
namespace {

const FontCatalog& catalog() {
  static const platform::Result<const FontCatalog*> shared = defaultFontCatalog();
  EXPECT_TRUE(shared.ok());
  return **shared;
}

std::int32_t fontIndex(const char* fullName) { return catalog().findByFullName(fullName).value_or(-1); }

// Width of ASCII text in points, from FreeType directly.
double referenceWidth(const char* fullName, std::u32string_view text, double size, double horizontalScale = 1) {
  const testing::ReferenceFont font(catalog().fonts()[static_cast<std::size_t>(fontIndex(fullName))].file);
  double width = 0;
  for (const char32_t character : text) width += font.advance(character) * size * horizontalScale;
  return width;
}

double referenceAscender(const char* fullName) {
  return (*catalog().face(fontIndex(fullName)))->verticalMetrics().ascender;
}

TextLayout layOut(const TextFrameData& frame) {
  platform::Result<TextLayout> layout = layoutText(frame, catalog());
  EXPECT_TRUE(layout.ok()) << (layout.ok() ? "" : layout.error().describe());
  return layout.ok() ? *layout : TextLayout{};
}

TextFrameData pointText(HostRealPoint anchor, const char* text, CharacterFeatures features = {}) {
  platform::Result<TextFrameData> frame = makePointText(anchor, text, features);
  EXPECT_TRUE(frame.ok());
  return *frame;
}

TextFrameData areaText(HostRealRect area, const char* text, CharacterFeatures features = {}) {
  platform::Result<TextFrameData> frame = makeAreaText(area, text, features);
  EXPECT_TRUE(frame.ok());
  return *frame;
}

struct JustificationCase {
  const char* name;
  Justification justification;
  double startAsFractionOfWidth;  // of -width for point text
  /// Names the case in test output.
  friend void PrintTo(const JustificationCase& test, std::ostream* out) { *out << test.name; }
};

class PointTextJustification : public ::testing::TestWithParam<JustificationCase> {};

TEST_P(PointTextJustification, PlacesTheLineAroundTheAnchor) {
  CharacterFeatures features;
  features.size = 20;
  features.horizontalScale = 1.5f;
  TextFrameData frame = pointText({100, 200}, "AVoid", features);
  ASSERT_TRUE(setJustification(frame, 0, 0, GetParam().justification).ok());

  const TextLayout layout = layOut(frame);
  ASSERT_EQ(layout.lines.size(), 1u);
  const TextLine& line = layout.lines[0];
  const double width = referenceWidth("DejaVu Sans", U"AVoid", 20, 1.5);
  const double start = -GetParam().startAsFractionOfWidth * width;
  EXPECT_NEAR(line.width, width, 1e-3);
  EXPECT_NEAR(line.left, start, 1e-3);
  EXPECT_EQ(line.baseline, 0.0f);
  ASSERT_EQ(line.runs.size(), 1u);
  const GlyphRun& run = line.runs[0];
  EXPECT_EQ(run.characters, U"AVoid");
  EXPECT_EQ(run.font, fontIndex("DejaVu Sans"));
  EXPECT_NEAR(run.origin.h, start, 1e-3);
  EXPECT_NEAR(run.origin.v, 0, 1e-6);
  EXPECT_NEAR(run.artworkOrigin.h, 100 + start, 1e-3);
  EXPECT_NEAR(run.artworkOrigin.v, 200, 1e-3);
  ASSERT_EQ(run.advances.size(), 5u);
  EXPECT_NEAR(run.advances[0], referenceWidth("DejaVu Sans", U"A", 20, 1.5), 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Justifications, PointTextJustification,
                         ::testing::Values(JustificationCase{"Left", Justification::LEFT, 0},
                                           JustificationCase{"Center", Justification::CENTER, 0.5},
                                           JustificationCase{"Right", Justification::RIGHT, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextLayout, PlacesOriginsThroughTheFrameMatrix) {
  TextFrameData frame = pointText({0, 0}, "AB");
  // A quarter turn to the left, then a move: the text runs upwards from (50, 10).
  frame.matrix = {0, 1, -1, 0, 50, 10};
  const TextLayout layout = layOut(frame);
  ASSERT_EQ(layout.lines.size(), 1u);
  ASSERT_EQ(layout.lines[0].runs.size(), 1u);
  const GlyphRun& run = layout.lines[0].runs[0];
  EXPECT_NEAR(run.artworkOrigin.h, 50, 1e-4);
  EXPECT_NEAR(run.artworkOrigin.v, 10, 1e-4);
}

struct LeadingCase {
  const char* name;
  std::optional<HostReal> leading;
  double sizeOfSecondParagraph;
  double expectedDistance;
  /// Names the case in test output.
  friend void PrintTo(const LeadingCase& test, std::ostream* out) { *out << test.name; }
};

class ParagraphLeading : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(ParagraphLeading, PutsEachParagraphOnALineOneLeadingLower) {
  TextFrameData frame = pointText({10, 20}, "First\rSecond");
  ASSERT_TRUE(changeCharacterFeatures(frame, 6, 6, [](CharacterFeatures& features) {
                features.size = static_cast<HostReal>(GetParam().sizeOfSecondParagraph);
              }).ok());
  ASSERT_TRUE(setLeading(frame, 0, frame.characterCount(), GetParam().leading).ok());

  const TextLayout layout = layOut(frame);
  ASSERT_EQ(layout.lines.size(), 2u);
  EXPECT_EQ(layout.lines[0].paragraph, 0);
  EXPECT_EQ(layout.lines[1].paragraph, 1);
  EXPECT_EQ(layout.lines[1].firstCharacter, 6);
  EXPECT_NEAR(layout.lines[0].baseline, 0, 1e-6);
  EXPECT_NEAR(layout.lines[1].baseline, -GetParam().expectedDistance, 1e-4);
  ASSERT_EQ(layout.lines[1].runs.size(), 1u);
  EXPECT_NEAR(layout.lines[1].runs[0].artworkOrigin.v, 20 - GetParam().expectedDistance, 1e-4);
  EXPECT_NEAR(layout.lines[1].runs[0].artworkOrigin.h, 10, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Leadings, ParagraphLeading,
                         ::testing::Values(LeadingCase{"AutoFromSize", std::nullopt, 12, 14.4},
                                           LeadingCase{"AutoFromTheLowerLinesSize", std::nullopt, 30, 36},
                                           LeadingCase{"Fixed", HostReal(15), 30, 15}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextLayout, EmptyParagraphsStillTakeALine) {
  const TextLayout layout = layOut(pointText({0, 0}, "A\r\rB"));
  ASSERT_EQ(layout.lines.size(), 3u);
  EXPECT_TRUE(layout.lines[1].runs.empty());
  EXPECT_EQ(layout.lines[2].firstCharacter, 3);
  EXPECT_NEAR(layout.lines[2].baseline, -2 * 14.4, 1e-4);
}

TEST(TextLayout, AreaTextStartsOneAscentBelowTheTopAndWrapsAtSpaces) {
  const double helloWidth = referenceWidth("DejaVu Sans", U"Hello", 12);
  const double fullWidth = referenceWidth("DejaVu Sans", U"Hello world", 12);
  // Wide enough for "Hello" but not for "Hello world".
  const HostRealRect area{10, 300, static_cast<HostReal>(10 + (helloWidth + fullWidth) / 2), 100};
  TextFrameData frame = areaText(area, "Hello world");

  const TextLayout layout = layOut(frame);
  ASSERT_EQ(layout.lines.size(), 2u);
  EXPECT_EQ(layout.lines[0].characterCount, 6);  // "Hello " with its hanging space
  EXPECT_EQ(layout.lines[1].firstCharacter, 6);
  EXPECT_EQ(layout.lines[1].characterCount, 5);
  EXPECT_NEAR(layout.lines[0].width, helloWidth, 1e-3);
  EXPECT_NEAR(layout.lines[0].baseline, 300 - referenceAscender("DejaVu Sans") * 12, 1e-3);
  EXPECT_NEAR(layout.lines[1].baseline, layout.lines[0].baseline - 14.4, 1e-3);
  for (const TextLine& line : layout.lines) {
    EXPECT_NEAR(line.left, 10, 1e-4);
    EXPECT_FALSE(line.overflow);
  }

  // Right justification puts each line's visible end, not its hanging space, on the right edge.
  ASSERT_TRUE(setJustification(frame, 0, 0, Justification::RIGHT).ok());
  const TextLayout right = layOut(frame);
  ASSERT_EQ(right.lines.size(), 2u);
  EXPECT_NEAR(right.lines[0].left + helloWidth, area.right, 1e-3);
  EXPECT_NEAR(right.lines[1].left + referenceWidth("DejaVu Sans", U"world", 12), area.right, 1e-3);

  ASSERT_TRUE(setJustification(frame, 0, 0, Justification::CENTER).ok());
  const TextLayout centred = layOut(frame);
  EXPECT_NEAR(centred.lines[0].left + helloWidth / 2, (area.left + area.right) / 2, 1e-3);
}

TEST(TextLayout, AreaTextBreaksWordsLongerThanTheLine) {
  const char* word = "Incomprehensibilities";
  const double width = referenceWidth("DejaVu Sans", U"Incomprehensibilities", 12);
  const TextLayout layout = layOut(areaText({0, 100, static_cast<HostReal>(width / 3), -1000}, word));
  ASSERT_GE(layout.lines.size(), 3u);
  std::int32_t next = 0;
  for (const TextLine& line : layout.lines) {
    EXPECT_EQ(line.firstCharacter, next);
    EXPECT_GT(line.characterCount, 0);
    EXPECT_LE(line.width, width / 3 + 1e-3);
    next += line.characterCount;
  }
  EXPECT_EQ(next, 21);
}

TEST(TextLayout, AreaNarrowerThanOneCharacterStillProgresses) {
  const TextLayout layout = layOut(areaText({0, 100, 0, -1000}, "MW"));
  ASSERT_EQ(layout.lines.size(), 2u);
  EXPECT_EQ(layout.lines[0].characterCount, 1);
  EXPECT_EQ(layout.lines[1].characterCount, 1);
}

TEST(TextLayout, JapaneseWrapsBetweenAnyCharacters) {
  const double each = referenceWidth("IPAGothic", U"日", 10);
  const TextLayout layout =
      layOut(areaText({0, 100, static_cast<HostReal>(each * 2.5), -100}, "日本語の文章", {.size = 10}));
  ASSERT_EQ(layout.lines.size(), 3u);
  for (const TextLine& line : layout.lines) EXPECT_EQ(line.characterCount, 2);
}

TEST(TextLayout, LinesBelowTheAreaOverflow) {
  const TextLayout layout = layOut(areaText({0, 30, 500, 0}, "one\rtwo\rthree"));
  ASSERT_EQ(layout.lines.size(), 3u);
  EXPECT_FALSE(layout.lines[0].overflow);
  EXPECT_TRUE(layout.lines[2].overflow);
}

TEST(TextLayout, JapaneseAndKoreanComeFromTheirFonts) {
  struct Case {
    const char* text;
    std::u32string characters;
    const char* face;
  };
  const Case cases[] = {
      {"日本語", U"日本語", "IPAGothic"},
      {"ひらがな", U"ひらがな", "IPAGothic"},
      {"한국어", U"한국어", "NanumGothic"},
  };
  for (const Case& test : cases) {
    const TextLayout layout = layOut(pointText({0, 0}, test.text));
    ASSERT_EQ(layout.lines.size(), 1u) << test.text;
    ASSERT_EQ(layout.lines[0].runs.size(), 1u) << test.text;
    const GlyphRun& run = layout.lines[0].runs[0];
    EXPECT_EQ(run.characters, test.characters);
    EXPECT_EQ(run.font, fontIndex(test.face)) << test.text;
    EXPECT_EQ(run.features.font, "DejaVu Sans");  // the run keeps what was asked for
    EXPECT_NEAR(run.width(), referenceWidth(test.face, test.characters, 12), 1e-3) << test.text;
  }
}

TEST(TextLayout, SplitsGlyphRunsWhereTheFaceOrTheRunChanges) {
  TextFrameData frame = pointText({0, 0}, "Aあ한B");
  ASSERT_TRUE(changeCharacterFeatures(frame, 3, 1, [](CharacterFeatures& features) { features.size = 20; }).ok());
  const TextLayout layout = layOut(frame);
  ASSERT_EQ(layout.lines.size(), 1u);
  const std::vector<GlyphRun>& runs = layout.lines[0].runs;
  ASSERT_EQ(runs.size(), 4u);
  const std::int32_t expectedFonts[] = {fontIndex("DejaVu Sans"), fontIndex("IPAGothic"), fontIndex("NanumGothic"),
                                        fontIndex("DejaVu Sans")};
  double x = 0;
  for (std::size_t index = 0; index < runs.size(); ++index) {
    EXPECT_EQ(runs[index].font, expectedFonts[index]) << index;
    EXPECT_EQ(runs[index].firstCharacter, static_cast<std::int32_t>(index));
    EXPECT_NEAR(runs[index].origin.h, x, 1e-3) << index;
    x += runs[index].width();
  }
  EXPECT_EQ(runs[3].features.size, 20.0f);
}

TEST(TextLayout, UnknownFontsFallBackToTheFirstFace) {
  const TextLayout layout = layOut(pointText({0, 0}, "M", {.font = "No Such Font"}));
  ASSERT_EQ(layout.lines.size(), 1u);
  EXPECT_EQ(layout.lines[0].runs[0].font, 0);
}

TEST(TextLayout, RefusesFramesThatCannotBeLaidOut) {
  TextFrameData badSize = pointText({0, 0}, "A");
  badSize.story.paragraphs[0].runs[0].features.size = 0;
  TextFrameData badMatrix = pointText({0, 0}, "A");
  badMatrix.matrix.a = std::nanf("");
  TextFrameData upsideDown = areaText({0, 0, 100, 100}, "A");
  upsideDown.area = {0, 0, 100, 100};
  for (const TextFrameData* frame : {&badSize, &badMatrix, &upsideDown}) {
    platform::Result<TextLayout> layout = layoutText(*frame, catalog());
    ASSERT_FALSE(layout.ok());
    EXPECT_EQ(layout.error().code, HOST_BAD_PARAMETER);
  }
}

}  // namespace
}  // namespace host
