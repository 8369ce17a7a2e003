#include "host/text/TextEditing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/document/Document.h"
#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

CharacterFeatures sized(HostReal size) {
  CharacterFeatures features;
  features.size = size;
  return features;
}

TextFrameData pointText(const char* text, CharacterFeatures features = {}) {
  platform::Result<TextFrameData> frame = makePointText({0, 0}, text, features);
  EXPECT_TRUE(frame.ok());
  return *frame;
}

// The story as "text|size" per run and "/" between paragraphs, so that a failure shows the whole story.
std::string describeRuns(const TextFrameData& frame) {
  std::string described;
  for (const Paragraph& paragraph : frame.story.paragraphs) {
    if (!described.empty()) described += " / ";
    for (const TextRun& run : paragraph.runs) {
      described += "[" + run.text + "|" + std::to_string(static_cast<int>(run.features.size)) + "]";
    }
  }
  return described;
}

TEST(TextCreation, MakesPointAndAreaFrames) {
  platform::Result<TextFrameData> point = makePointText({30, 40}, "Two\r\nlines", sized(18));
  ASSERT_TRUE(point.ok());
  EXPECT_EQ(point->kind, TextFrameKind::POINT);
  EXPECT_EQ(point->matrix, AffineMatrix::translation(30, 40));
  EXPECT_EQ(point->text(), "Two\rlines");
  EXPECT_EQ(describeRuns(*point), "[Two|18] / [lines|18]");

  // The corners are put in order: top above bottom.
  platform::Result<TextFrameData> area = makeAreaText({100, 0, 10, 50}, "x");
  ASSERT_TRUE(area.ok());
  EXPECT_EQ(area->kind, TextFrameKind::AREA);
  EXPECT_EQ(area->area.left, 10.0f);
  EXPECT_EQ(area->area.right, 100.0f);
  EXPECT_EQ(area->area.top, 50.0f);
  EXPECT_EQ(area->area.bottom, 0.0f);

  // An empty frame keeps the features it was made with, for the text typed into it.
  platform::Result<TextFrameData> empty = makePointText({0, 0}, "", sized(30));
  ASSERT_TRUE(empty.ok());
  EXPECT_EQ(empty->characterCount(), 0);
  ASSERT_TRUE(insertText(*empty, 0, "a").ok());
  EXPECT_EQ(describeRuns(*empty), "[a|30]");
}

TEST(TextCreation, RefusesWhatCannotBeDrawn) {
  const float nan = std::nanf("");
  EXPECT_EQ(makePointText({nan, 0}, "a").error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(makePointText({0, 0}, "a", sized(-1)).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(makePointText({0, 0}, "\xC3").error().code, HOST_BAD_PARAMETER);  // cut UTF-8
  EXPECT_EQ(makeAreaText({0, 10, nan, 0}, "a").error().code, HOST_BAD_PARAMETER);
}

TEST(TextCreation, PlacesTextFrameArtInTheDocument) {
  Document document;
  platform::Result<TextFrameData> frame = makePointText({5, 6}, "Label");
  ASSERT_TRUE(frame.ok());
  platform::Result<Art*> art = newTextFrame(document, PaintOrder::PLACE_ABOVE_ALL, nullptr, *frame);
  ASSERT_TRUE(art.ok());
  EXPECT_EQ((*art)->type(), ArtType::TEXT_FRAME);
  EXPECT_EQ((*art)->textFrame(), *frame);

  const std::size_t before = document.artCount();
  TextFrameData broken = *frame;
  broken.story.paragraphs[0].runs[0].text = "a\rb";
  EXPECT_EQ(newTextFrame(document, PaintOrder::PLACE_ABOVE_ALL, nullptr, broken).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(document.artCount(), before);
}

TEST(TextEditing, InsertsWithTheFeaturesOfTheCharacterBefore) {
  TextFrameData frame = pointText("Hello", sized(10));
  ASSERT_TRUE(setCharacterFeatures(frame, 3, 2, sized(20)).ok());
  ASSERT_EQ(describeRuns(frame), "[Hel|10][lo|20]");

  struct Case {
    std::int32_t position;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {0, "X", "[XHel|10][lo|20]"},       // at the start: the first character's features
      {2, "X", "[HeXl|10][lo|20]"},
      {3, "X", "[HelX|10][lo|20]"},       // at a run boundary: the run before
      {4, "X", "[Hel|10][lXo|20]"},
      {5, "X", "[Hel|10][loX|20]"},
      {5, "", "[Hel|10][lo|20]"},
      {2, "a\rb", "[Hea|10] / [bl|10][lo|20]"},
      {5, "\r", "[Hel|10][lo|20] / [|20]"},  // a new empty paragraph keeps the features for typing
      {0, "\n\n", "[|10] / [|10] / [Hel|10][lo|20]"},
  };
  for (const Case& test : cases) {
    TextFrameData edited = frame;
    ASSERT_TRUE(insertText(edited, test.position, test.text).ok()) << test.position << " " << test.text;
    EXPECT_EQ(describeRuns(edited), test.expected) << test.position << " " << test.text;
  }
}

TEST(TextEditing, NewParagraphsTakeTheParagraphFeatures) {
  TextFrameData frame = pointText("ab");
  ASSERT_TRUE(setJustification(frame, 0, 0, Justification::RIGHT).ok());
  ASSERT_TRUE(setLeading(frame, 0, 0, HostReal(30)).ok());
  ASSERT_TRUE(insertText(frame, 1, "\r").ok());
  ASSERT_EQ(frame.story.paragraphs.size(), 2u);
  EXPECT_EQ(frame.story.paragraphs[1].justification, Justification::RIGHT);
  EXPECT_EQ(frame.story.paragraphs[1].leading, HostReal(30));
  EXPECT_EQ(frame.text(), "a\rb");
}

TEST(TextEditing, InsertsMultibyteTextByCharacterPosition) {
  TextFrameData frame = pointText("日本");
  ASSERT_TRUE(insertText(frame, 1, "é").ok());
  EXPECT_EQ(frame.text(), "日é本");
  EXPECT_EQ(frame.characterCount(), 3);
}

TEST(TextEditing, SetFeaturesSplitsAndMergesRuns) {
  TextFrameData frame = pointText("Hello\rWorld", sized(10));
  ASSERT_TRUE(setCharacterFeatures(frame, 1, 2, sized(20)).ok());
  EXPECT_EQ(describeRuns(frame), "[H|10][el|20][lo|10] / [World|10]");

  // Across the separator: the end of one paragraph and the start of the next.
  ASSERT_TRUE(setCharacterFeatures(frame, 4, 4, sized(30)).ok());
  EXPECT_EQ(describeRuns(frame), "[H|10][el|20][l|10][o|30] / [Wo|30][rld|10]");

  // Setting the original features everywhere merges the runs again.
  ASSERT_TRUE(setCharacterFeatures(frame, 0, frame.characterCount(), sized(10)).ok());
  EXPECT_EQ(describeRuns(frame), "[Hello|10] / [World|10]");
  EXPECT_EQ(frame.text(), "Hello\rWorld");
}

TEST(TextEditing, ChangesOneFeatureAndKeepsTheOthers) {
  CharacterFeatures red = sized(10);
  red.fillColor = ThreeColor{1, 0, 0};
  TextFrameData frame = pointText("ab", red);
  ASSERT_TRUE(setCharacterFeatures(frame, 1, 1, sized(20)).ok());
  ASSERT_TRUE(changeCharacterFeatures(frame, 0, 2, [](CharacterFeatures& features) { features.size = 40; }).ok());
  ASSERT_EQ(frame.story.paragraphs[0].runs.size(), 2u);
  EXPECT_EQ(frame.story.paragraphs[0].runs[0].features.fillColor, Color(ThreeColor{1, 0, 0}));
  EXPECT_EQ(frame.story.paragraphs[0].runs[1].features.fillColor, Color());
  EXPECT_EQ(describeRuns(frame), "[a|40][b|40]");
}

TEST(TextEditing, EmptyParagraphsInTheRangeTakeTheFeatures) {
  TextFrameData frame = pointText("a\r\rb", sized(10));
  ASSERT_TRUE(setCharacterFeatures(frame, 0, frame.characterCount(), sized(20)).ok());
  EXPECT_EQ(describeRuns(frame), "[a|20] / [|20] / [b|20]");
}

TEST(TextEditing, DeletesAndJoinsParagraphs) {
  TextFrameData frame = pointText("Hello\rWorld", sized(10));
  ASSERT_TRUE(setJustification(frame, 6, 0, Justification::CENTER).ok());
  ASSERT_TRUE(setCharacterFeatures(frame, 6, 1, sized(20)).ok());
  struct Case {
    std::int32_t start;
    std::int32_t count;
    const char* expected;
  };
  const Case cases[] = {
      {0, 0, "[Hello|10] / [W|20][orld|10]"},
      {1, 3, "[Ho|10] / [W|20][orld|10]"},
      {4, 3, "[Hellorld|10]"},  // equal features meet and merge
      {5, 1, "[Hello|10][W|20][orld|10]"},
      {0, 11, "[|10]"},                       // emptied: the first deleted character's features remain
      {6, 5, "[Hello|10] / [|20]"},
  };
  for (const Case& test : cases) {
    TextFrameData edited = frame;
    ASSERT_TRUE(deleteText(edited, test.start, test.count).ok()) << test.start << " " << test.count;
    EXPECT_EQ(describeRuns(edited), test.expected) << test.start << " " << test.count;
  }
  // The joined paragraph is the first one, with its justification.
  TextFrameData joined = frame;
  ASSERT_TRUE(deleteText(joined, 5, 1).ok());
  ASSERT_EQ(joined.story.paragraphs.size(), 1u);
  EXPECT_EQ(joined.story.paragraphs[0].justification, Justification::LEFT);
}

TEST(TextEditing, SetsJustificationOnTheParagraphsOfARange) {
  struct Case {
    std::int32_t start;
    std::int32_t count;
    std::vector<Justification> expected;
  };
  const Justification left = Justification::LEFT;
  const Justification right = Justification::RIGHT;
  const Case cases[] = {
      {0, 0, {right, left, left}},
      {1, 0, {right, left, left}},   // the separator's position belongs to the paragraph it ends
      {2, 0, {left, right, left}},
      {1, 1, {right, right, left}},  // the separator joins both paragraphs to the range
      {0, 7, {right, right, right}},
      {7, 0, {left, left, right}},
  };
  for (const Case& test : cases) {
    TextFrameData frame = pointText("a\rbb\rcc");
    ASSERT_TRUE(setJustification(frame, test.start, test.count, right).ok());
    std::vector<Justification> actual;
    for (const Paragraph& paragraph : frame.story.paragraphs) actual.push_back(paragraph.justification);
    EXPECT_EQ(actual, test.expected) << test.start << " " << test.count;
  }
}

TEST(TextEditing, RefusalsChangeNothing) {
  const TextFrameData original = pointText("ab\rc", sized(10));
  CharacterFeatures invalid = sized(10);
  invalid.horizontalScale = 0;
  const auto refusals = {
      +[](TextFrameData& frame) { return insertText(frame, 5, "x"); },
      +[](TextFrameData& frame) { return insertText(frame, -1, "x"); },
      +[](TextFrameData& frame) { return insertText(frame, 0, "\xFF"); },
      +[](TextFrameData& frame) { return deleteText(frame, 3, 2); },
      +[](TextFrameData& frame) { return deleteText(frame, 0, -1); },
      +[](TextFrameData& frame) { return setCharacterFeatures(frame, 2, 3, sized(12)); },
      +[](TextFrameData& frame) {
        return changeCharacterFeatures(frame, 0, 4, [](CharacterFeatures& features) { features.size = -2; });
      },
      +[](TextFrameData& frame) { return setJustification(frame, 0, 0, static_cast<Justification>(7)); },
      +[](TextFrameData& frame) { return setLeading(frame, 0, 0, HostReal(-1)); },
      +[](TextFrameData& frame) { return insertText(frame, 2147483647, "x"); },
      +[](TextFrameData& frame) { return deleteText(frame, 1, 2147483647); },
  };
  int index = 0;
  for (const auto refusal : refusals) {
    TextFrameData frame = original;
    const platform::Result<void> result = refusal(frame);
    ASSERT_FALSE(result.ok()) << index;
    EXPECT_EQ(result.error().code, HOST_BAD_PARAMETER) << index;
    EXPECT_EQ(frame, original) << index;
    ++index;
  }
}

}  // namespace
}  // namespace host
