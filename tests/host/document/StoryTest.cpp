// The text data model of host/document/TextFrameData.h, tested here beside the engine that relies on it.
#include "host/document/TextFrameData.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

CharacterFeatures sized(HostReal size) {
  CharacterFeatures features;
  features.size = size;
  return features;
}

TEST(Story, JoinsParagraphsWithCarriageReturnsAndCountsCharacters) {
  Story story;
  EXPECT_EQ(story.text(), "");
  EXPECT_EQ(story.characterCount(), 0);
  story.paragraphs.push_back({Justification::LEFT, std::nullopt, {{"日本", {}}, {"é!", sized(20)}}});
  story.paragraphs.push_back({});
  story.paragraphs.push_back({Justification::RIGHT, HostReal(14), {{"z", {}}}});
  EXPECT_EQ(story.text(), "日本é!\r\rz");
  EXPECT_EQ(story.characterCount(), 7);
  EXPECT_EQ(story.paragraphs[0].characterCount(), 4);
}

TEST(Story, DecodesUtf8OneCharacterPerByteWhenMalformed) {
  struct Case {
    const char* name;
    std::string text;
    char32_t first;
    std::int32_t length;
    std::int32_t characters;
  };
  const Case cases[] = {
      {"ascii", "Ab", U'A', 1, 2},
      {"two bytes", "é", U'é', 2, 1},
      {"three bytes", "語", U'語', 3, 1},
      {"four bytes", "\xF0\x9F\x98\x80", U'\U0001F600', 4, 1},
      {"cut short", "\xE8\xAA", 0xFFFD, 1, 2},
      {"stray continuation", "\x80" "a", 0xFFFD, 1, 2},
      {"overlong", "\xC0\xAF", 0xFFFD, 1, 2},
      {"surrogate", "\xED\xA0\x80", 0xFFFD, 1, 3},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", 0xFFFD, 1, 4},
  };
  for (const Case& test : cases) {
    const DecodedCharacter decoded = decodeCharacter(test.text, 0);
    EXPECT_EQ(static_cast<std::uint32_t>(decoded.codePoint), static_cast<std::uint32_t>(test.first)) << test.name;
    EXPECT_EQ(decoded.length, test.length) << test.name;
    EXPECT_EQ(countCodePoints(test.text), test.characters) << test.name;
    EXPECT_EQ(byteOffsetOfCharacter(test.text, test.characters), test.text.size()) << test.name;
  }
  EXPECT_EQ(byteOffsetOfCharacter("a語b", 2), 4u);
}

TEST(Story, FeaturesForTypingComeFromTheCharacterBefore) {
  Story story;
  story.paragraphs.push_back({Justification::LEFT, std::nullopt, {{"ab", sized(10)}, {"cd", sized(20)}}});
  story.paragraphs.push_back({});
  story.paragraphs.push_back({Justification::LEFT, std::nullopt, {{"e", sized(30)}}});
  struct Case {
    std::int32_t position;
    HostReal size;
  };
  const Case cases[] = {{0, 10}, {2, 10}, {3, 20}, {4, 20}, {5, 20}, {6, 30}, {7, 30}, {99, 30}};
  for (const Case& test : cases) EXPECT_EQ(featuresAt(story, test.position).size, test.size) << test.position;
  EXPECT_EQ(featuresAt(Story{}, 0), CharacterFeatures{});
}

TEST(Story, ValidationNamesBrokenFrames) {
  TextFrameData valid;
  valid.story.paragraphs.push_back({Justification::LEFT, std::nullopt, {{"a", {}}}});
  ASSERT_TRUE(validateTextFrame(valid).ok());

  const auto broken = {
      +[](TextFrameData& frame) { frame.story.paragraphs[0].runs[0].features.size = 0; },
      +[](TextFrameData& frame) { frame.story.paragraphs[0].runs[0].features.verticalScale = -1; },
      +[](TextFrameData& frame) { frame.story.paragraphs[0].runs[0].features.strokeWidth = -1; },
      +[](TextFrameData& frame) { frame.story.paragraphs[0].runs[0].features.fillColor = GrayColor{2}; },
      +[](TextFrameData& frame) { frame.story.paragraphs[0].runs[0].text = "a\rb"; },
      +[](TextFrameData& frame) { frame.story.paragraphs[0].leading = std::numeric_limits<HostReal>::quiet_NaN(); },
      +[](TextFrameData& frame) { frame.story.paragraphs[0].justification = static_cast<Justification>(3); },
      +[](TextFrameData& frame) { frame.kind = static_cast<TextFrameKind>(2); },
      +[](TextFrameData& frame) { frame.matrix.ty = std::numeric_limits<HostReal>::infinity(); },
      +[](TextFrameData& frame) {
        frame.kind = TextFrameKind::AREA;
        frame.area = {0, 0, 10, 10};  // bottom above top
      },
  };
  int index = 0;
  for (const auto breakFrame : broken) {
    TextFrameData frame = valid;
    breakFrame(frame);
    const platform::Result<void> result = validateTextFrame(frame);
    ASSERT_FALSE(result.ok()) << index;
    EXPECT_EQ(result.error().code, HOST_BAD_PARAMETER) << index;
    ++index;
  }
}

}  // namespace
}  // namespace host
