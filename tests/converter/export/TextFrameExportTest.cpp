// Text frames of an in-process host document written as TEXT entities, and custom colours through the host.

#include "converter/export/TextFrameExport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "ExportTestSupport.h"
#include "InProcessHost.h"
#include "PaletteReference.h"
#include "converter/export/DxfColors.h"
#include "host/sdk/CustomColorSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/FontSuite.h"
#include "host/text/TextEditing.h"

namespace converter {
namespace {

using test::InProcessHost;
using test::MemoryRecords;

/// One TEXT entity's groups by code ("10", "1", ...).
using TextEntity = std::map<std::string, std::string>;

/// The TEXT entities of DXF text, each as its groups.
std::vector<TextEntity> textEntities(const std::string& dxf) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < dxf.size();) {
    size_t end = dxf.find("\r\n", start);
    lines.push_back(dxf.substr(start, end - start));
    start = end + 2;
  }
  std::vector<TextEntity> entities;
  for (size_t index = 0; index + 1 < lines.size(); index += 2) {
    std::string code = lines[index].substr(lines[index].find_first_not_of(' '));
    if (code == "0") {
      if (lines[index + 1] == "TEXT") entities.emplace_back();
      continue;
    }
    if (!entities.empty()) entities.back()[code] = lines[index + 1];
  }
  return entities;
}

double number(const TextEntity& entity, const std::string& code) { return std::stod(entity.at(code)); }

/// The host's unit-size height (ascent + descent + line gap) of a font, by full name.
double unitHeight(const std::string& fullName) {
  const FontSuite* fonts = plugin::pluginFrame().suites().get<FontSuite>();
  int32_t count = 0;
  EXPECT_EQ(fonts->countFonts(&count), 0);
  for (int32_t index = 0; index < count; ++index) {
    FontHandle font = nullptr;
    char name[256] = {};
    EXPECT_EQ(fonts->indexFontList(index, &font), 0);
    EXPECT_EQ(fonts->getFullFontName(font, name, sizeof name), 0);
    if (fullName != name) continue;
    FontMetrics metrics{};
    EXPECT_EQ(fonts->getFontMetrics(font, &metrics), 0);
    return static_cast<double>(metrics.ascent) + metrics.descent + metrics.lineGap;
  }
  ADD_FAILURE() << "no font " << fullName;
  return 0;
}

class TextFrameExport : public ::testing::Test {
protected:
  TextFrameExport() { environment.set("PLATFORM_CODEPAGE", "1252"); }

  /// A point-text frame at anchor, turned anticlockwise by degrees about it, one paragraph per text.
  host::Art* addFrame(HostRealPoint anchor, const std::vector<std::string>& paragraphs,
                      host::Justification justification, const host::CharacterFeatures& features = {},
                      double degrees = 0) {
    std::string text;
    for (const std::string& paragraph : paragraphs) text += (text.empty() ? "" : "\r") + paragraph;
    platform::Result<host::TextFrameData> frame = host::makePointText(anchor, text, features);
    EXPECT_TRUE(frame.ok());
    for (host::Paragraph& paragraph : frame->story.paragraphs) paragraph.justification = justification;
    double radians = degrees * std::numbers::pi / 180;
    auto cosine = static_cast<HostReal>(std::cos(radians));
    auto sine = static_cast<HostReal>(std::sin(radians));
    frame->matrix = {cosine, sine, -sine, cosine, anchor.h, anchor.v};
    platform::Result<host::Art*> art =
        host::newTextFrame(hostProcess.document(), host::PaintOrder::PLACE_ABOVE_ALL, nullptr, std::move(*frame));
    EXPECT_TRUE(art.ok());
    return art.ok() ? *art : nullptr;
  }

  /// Writes the frame on layer "Cut" and returns its TEXT entities.
  std::vector<TextEntity> write(host::Art* frame, ExportMode mode = ExportMode::ENTITIES) {
    EXPECT_EQ(writeTextFrame(records.writer(), reinterpret_cast<ArtHandle>(frame), mode, "Cut"), HOST_NO_ERROR);
    return textEntities(records.text());
  }

  platform::test::ScopedEnvironment environment;
  InProcessHost hostProcess;
  MemoryRecords records;
};

TEST_F(TextFrameExport, LeftLineAtItsStartInItsFillColour) {
  host::CharacterFeatures red;
  red.fillColor = host::Color(host::ThreeColor{1, 0, 0});
  records.context().language = plugin::LanguageId::ENGLISH;
  std::vector<TextEntity> texts = write(addFrame({100, 200}, {"Plan 1", "", "Plan 2"}, host::Justification::LEFT, red));

  ASSERT_EQ(texts.size(), 2u) << "the empty line has no glyphs and writes nothing";
  const TextEntity& first = texts[0];
  EXPECT_EQ(first.at("8"), "Cut");
  EXPECT_EQ(first.at("10"), "100.000000");
  EXPECT_EQ(first.at("20"), "200.000000");
  EXPECT_EQ(first.at("11"), "100.000000");
  EXPECT_EQ(first.at("21"), "200.000000");
  EXPECT_NEAR(number(first, "40"), 0.8 * 12 * unitHeight("DejaVu Sans"), 1e-5);
  EXPECT_EQ(first.at("41"), "0.500000");
  EXPECT_EQ(first.at("62"), "1");
  EXPECT_EQ(first.count("50"), 0u) << "no rotation record for an upright frame";
  EXPECT_EQ(first.count("72"), 0u) << "no justification record for left text";
  EXPECT_EQ(first.at("1"), "Plan 1");
  EXPECT_EQ(texts[1].at("1"), "Plan 2");
  EXPECT_LT(number(texts[1], "20"), 200 - 12) << "the third line lies two leadings lower";
}

TEST_F(TextFrameExport, RightAndCentredLinesAtTheirEndAndMiddle) {
  struct Case {
    host::Justification justification;
    const char* code;
  };
  for (const Case& test : {Case{host::Justification::RIGHT, "2"}, Case{host::Justification::CENTER, "1"}}) {
    MemoryRecords out;
    // Point text ends (right) or is centred (centre) at its anchor, so the end or the middle the writer
    // works out from the fonts' advances lands on the anchor. The second run is larger and wider.
    host::Art* frame = addFrame({300, 400}, {"Ab wide"}, test.justification);
    host::CharacterFeatures large;
    large.size = 24;
    large.horizontalScale = 1.5f;
    platform::Result<host::TextFrameData*> data = frame->editTextFrame();
    ASSERT_TRUE(data.ok());
    ASSERT_TRUE(host::setCharacterFeatures(**data, 3, 4, large).ok());

    ASSERT_EQ(writeTextFrame(out.writer(), reinterpret_cast<ArtHandle>(frame), ExportMode::ENTITIES, "Cut"), 0);
    std::vector<TextEntity> texts = textEntities(out.text());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(number(texts[0], "10"), 300, 1e-3);
    EXPECT_NEAR(number(texts[0], "20"), 400, 1e-3);
    EXPECT_EQ(texts[0].at("72"), test.code);
    EXPECT_EQ(texts[0].at("1"), "Ab wide");
    EXPECT_NEAR(number(texts[0], "40"), 0.8 * 24 * unitHeight("DejaVu Sans"), 1e-4) << "the tallest run";
    EXPECT_EQ(texts[0].count("62"), 0u) << "black text has no colour record";
  }
}

TEST_F(TextFrameExport, RotatedFrames) {
  struct Case {
    double degrees;
    host::Justification justification;
    double rotation;
  };
  const Case cases[] = {
      {30, host::Justification::LEFT, 30},
      {30, host::Justification::RIGHT, 30},
      {-90, host::Justification::RIGHT, 270},
      {180, host::Justification::CENTER, 180},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.degrees);
    MemoryRecords out;
    host::Art* frame = addFrame({50, 60}, {"Turned"}, test.justification, {}, test.degrees);
    ASSERT_EQ(writeTextFrame(out.writer(), reinterpret_cast<ArtHandle>(frame), ExportMode::ENTITIES, "Cut"), 0);
    std::vector<TextEntity> texts = textEntities(out.text());
    ASSERT_EQ(texts.size(), 1u);
    // Left text starts at the anchor; right text ends there, along the turned baseline.
    EXPECT_NEAR(number(texts[0], "10"), 50, 1e-3);
    EXPECT_NEAR(number(texts[0], "20"), 60, 1e-3);
    EXPECT_NEAR(number(texts[0], "50"), test.rotation, 1e-3);
  }
}

TEST_F(TextFrameExport, SpecialCharactersInTheSystemCodePage) {
  struct Case {
    const char* name;
    const char* codePage;
    plugin::LanguageId language;
    int16_t schrType;
    const char* font;
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"Microsoft ASCII", "1252", plugin::LanguageId::ENGLISH, 1, "DejaVu Sans", "ø25±0.1", "%%c25%%p0.1"},
      {"Japanese as Shift-JIS bytes", "932", plugin::LanguageId::JAPANESE, 0, "IPAGothic", "図面φ25±0.1°",
       "\x90\x7D\x96\xCA%%c25%%p0.1%%d"},
      {"Korean as code page 949 bytes", "949", plugin::LanguageId::KOREAN, 0, "NanumGothic", "도면 ±5%",
       "\xB5\xB5\xB8\xE9 %%p5%%%"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    environment.set("PLATFORM_CODEPAGE", test.codePage);
    MemoryRecords out;
    out.context().language = test.language;
    out.options().schrType = test.schrType;
    host::CharacterFeatures features;
    features.font = test.font;
    // Right-aligned, so that the end point also checks the widths measured from the converted text.
    host::Art* frame = addFrame({10, 20}, {test.text}, host::Justification::RIGHT, features);
    ASSERT_EQ(writeTextFrame(out.writer(), reinterpret_cast<ArtHandle>(frame), ExportMode::ENTITIES, "Cut"), 0);
    std::vector<TextEntity> texts = textEntities(out.text());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].at("1"), test.expected);
    EXPECT_NEAR(number(texts[0], "10"), 10, 1e-3);
    EXPECT_NEAR(number(texts[0], "20"), 20, 1e-3);
  }
}

TEST_F(TextFrameExport, WritesNothingUnlessItShould) {
  host::CharacterFeatures unfilled;
  unfilled.fillPaint = false;
  unfilled.fillColor = host::Color(host::ThreeColor{1, 0, 0});
  host::Art* frame = addFrame({0, 0}, {"Outline"}, host::Justification::LEFT, unfilled);

  EXPECT_TRUE(write(frame, ExportMode::LINE_TYPES).empty());
  EXPECT_EQ(records.text(), "");
  std::vector<TextEntity> texts = write(frame);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].count("62"), 0u) << "an unfilled line has no colour";

  // A line of control characters only converts to nothing.
  MemoryRecords out;
  host::Art* controls = addFrame({0, 0}, {"\t\t"}, host::Justification::LEFT);
  ASSERT_EQ(writeTextFrame(out.writer(), reinterpret_cast<ArtHandle>(controls), ExportMode::ENTITIES, "Cut"), 0);
  EXPECT_EQ(out.text(), "");

  // Art that is no text frame is the host's error, and nothing is written.
  MemoryRecords stale;
  EXPECT_EQ(writeTextFrame(stale.writer(), reinterpret_cast<ArtHandle>(&stale), ExportMode::ENTITIES, "Cut"),
            HOST_BAD_HANDLE);
  EXPECT_EQ(stale.text(), "");
}

HostColor custom(CustomColorHandle color, float tint) {
  HostColor paint{};
  paint.kind = COLOR_KIND_CUSTOM;
  paint.c.custom = {color, tint};
  return paint;
}

TEST(DxfColorNumberOfCustomColours, TintsOfProcessAndScreenColours) {
  InProcessHost hostProcess;
  const CustomColorSuite* colors = plugin::pluginFrame().suites().get<CustomColorSuite>();
  ASSERT_NE(colors, nullptr);
  HostCustomColor process{};
  process.kind = CUSTOM_COLOR_KIND_FOUR;
  process.c.four = {0, 1, 1, 0};  // a red ink
  HostCustomColor screen{};
  screen.kind = CUSTOM_COLOR_KIND_THREE;
  screen.c.three = {0, 0, 1};
  CustomColorHandle red = nullptr;
  CustomColorHandle blue = nullptr;
  ASSERT_EQ(colors->newCustomColor(&process, "Spot Red", &red), 0);
  ASSERT_EQ(colors->newCustomColor(&screen, "Spot Blue", &blue), 0);
  EXPECT_EQ(colors->newCustomColor(&screen, "Spot Blue", &blue), HOST_DUPLICATE_NAME);

  struct Case {
    const char* name;
    HostColor color;
    int expected;
  };
  const Case cases[] = {
      {"full process red", custom(red, 0), 1},
      {"process red at half tint: inks halved", custom(red, 0.5f), test::referenceNearest({255, 128, 128})},
      {"process red at three-quarter tint: a quarter of the inks", custom(red, 0.75f),
       test::referenceNearest({255, 191, 191})},
      {"full screen blue", custom(blue, 0), 5},
      {"screen blue at half tint: towards white", custom(blue, 0.5f), test::referenceNearest({128, 128, 255})},
      {"full tint is white", custom(blue, 1), 255},
      {"a colour that is none of the document's is black",
       custom(reinterpret_cast<CustomColorHandle>(&hostProcess), 0), 0},
  };
  for (const Case& test : cases) EXPECT_EQ(colorNumber(test.color), test.expected) << test.name;
}

}  // namespace
}  // namespace converter
