#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "SvgTestSupport.h"
#include "host/document/Layer.h"
#include "host/svg/SvgReader.h"
#include "host/svg/SvgWriter.h"

namespace host::svg {
namespace {

using testing::artOfType;
using testing::diagnosticCount;

std::vector<std::string> paragraphTexts(const TextFrameData& frame) {
  std::vector<std::string> texts;
  for (const Paragraph& paragraph : frame.story.paragraphs) texts.push_back(paragraph.text());
  return texts;
}

SvgReadResult read(std::string_view svg) {
  platform::Result<SvgReadResult> result = testing::readSnippet(svg);
  EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().describe());
  return result.ok() ? std::move(*result) : SvgReadResult{std::make_unique<Document>(), {}};
}

TEST(SvgText, LinesBecomeParagraphsOfPointText) {
  platform::Result<SvgReadResult> result = readSvgFile(testing::fixturePath("text.svg"));
  ASSERT_TRUE(result.ok()) << result.error().describe();
  const std::vector<const Art*> frames = artOfType(*result->document, ArtType::TEXT_FRAME);
  ASSERT_EQ(frames.size(), 5u);

  // 16 px is 12 pt; the frame stands at the baseline start, (20, 40) px on a page 300 pt high.
  const TextFrameData& hello = frames[0]->textFrame();
  EXPECT_EQ(hello.kind, TextFrameKind::POINT);
  EXPECT_EQ(paragraphTexts(hello), (std::vector<std::string>{"Hello, world"}));
  const CharacterFeatures& helloFeatures = hello.story.paragraphs[0].runs[0].features;
  EXPECT_EQ(helloFeatures.font, "DejaVu Sans");
  EXPECT_FLOAT_EQ(helloFeatures.size, 12);
  EXPECT_EQ(hello.story.paragraphs[0].justification, Justification::LEFT);
  EXPECT_EQ(hello.matrix, AffineMatrix::translation(15, 195));

  // Spaces collapse; the second line 30 px (22.5 pt) below the first is an explicit leading.
  const TextFrameData& lines = frames[1]->textFrame();
  EXPECT_EQ(paragraphTexts(lines), (std::vector<std::string>{"First line", "Second line"}));
  EXPECT_EQ(lines.story.paragraphs[0].justification, Justification::CENTER);
  EXPECT_FALSE(lines.story.paragraphs[0].leading.has_value());
  ASSERT_TRUE(lines.story.paragraphs[1].leading.has_value());
  EXPECT_FLOAT_EQ(*lines.story.paragraphs[1].leading, 22.5);
  const CharacterFeatures& mono = lines.story.paragraphs[1].runs[0].features;
  EXPECT_EQ(mono.font, "DejaVu Sans Mono");
  EXPECT_FLOAT_EQ(mono.size, 9);
  EXPECT_EQ(mono.fillColor, Color(ThreeColor{0, 0, 1}));

  // Runs keep their own features; the frame matrix turns by 30 degrees (anticlockwise with y upwards).
  const TextFrameData& turned = frames[2]->textFrame();
  ASSERT_EQ(turned.story.paragraphs.size(), 1u);
  const std::vector<TextRun>& runs = turned.story.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].text, "Turned ");
  EXPECT_EQ(runs[1].text, "small");
  EXPECT_EQ(runs[2].text, " end");
  EXPECT_EQ(runs[0].features.font, "DejaVu Serif");
  EXPECT_FLOAT_EQ(runs[0].features.size, 15);
  EXPECT_FLOAT_EQ(runs[1].features.size, 7.5);
  EXPECT_EQ(runs[1].features.fillColor, Color(ThreeColor{0, 128 / 255.0f, 0}));
  EXPECT_EQ(turned.story.paragraphs[0].justification, Justification::RIGHT);
  const double angle = 30 * std::numbers::pi / 180;
  EXPECT_NEAR(turned.matrix.a, std::cos(angle), 1e-6);
  EXPECT_NEAR(turned.matrix.b, std::sin(angle), 1e-6);
  EXPECT_NEAR(turned.matrix.c, -std::sin(angle), 1e-6);
  EXPECT_NEAR(turned.matrix.d, std::cos(angle), 1e-6);
  EXPECT_NEAR(turned.matrix.tx, 75, 1e-4) << "the centre of the rotation is the text's position";
  EXPECT_NEAR(turned.matrix.ty, 75, 1e-4);

  // Japanese and Korean lines keep their characters and fonts.
  const TextFrameData& japanese = frames[3]->textFrame();
  EXPECT_EQ(paragraphTexts(japanese), (std::vector<std::string>{"図面番号 Ø25±0.1"}));
  EXPECT_EQ(japanese.story.paragraphs[0].runs[0].features.font, "IPAGothic");
  const TextFrameData& korean = frames[4]->textFrame();
  EXPECT_EQ(paragraphTexts(korean), (std::vector<std::string>{"도면 번호"}));
  EXPECT_EQ(korean.story.paragraphs[0].runs[0].features.font, "NanumGothic");
  EXPECT_EQ(korean.story.paragraphs[0].justification, Justification::RIGHT);
  EXPECT_TRUE(result->diagnostics.empty());
}

TEST(SvgText, WhiteSpaceCollapsesUnlessPreserved) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <text>  two
        words  <tspan>  and   more </tspan> </text>
      <text xml:space="preserve">  kept   as	is </text>
      <text>   </text></svg>)svg");
  const std::vector<const Art*> frames = artOfType(*result.document, ArtType::TEXT_FRAME);
  ASSERT_EQ(frames.size(), 2u) << "text without characters draws nothing";
  EXPECT_EQ(frames[0]->textFrame().text(), "two words and more");
  EXPECT_EQ(frames[1]->textFrame().text(), "  kept   as is ");
}

TEST(SvgText, ReportsWhatTextCannotKeep) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <text x="1 2 3" y="5">spread</text><text dx="2" y="5">shifted</text>
      <text><textPath href="#p">along</textPath></text>
      <text y="9" font-weight="bold">heavy</text><text y="9" font-weight="300" font-style="italic">slanted</text></svg>)svg");
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::TEXT_APPROXIMATED, "glyph positions"), 2);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::TEXT_APPROXIMATED, "textPath"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::TEXT_APPROXIMATED, "font-weight or font-style"), 2);
  const std::vector<const Art*> frames = artOfType(*result.document, ArtType::TEXT_FRAME);
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_EQ(frames[2]->textFrame().story.paragraphs[0].runs[0].features.font, kDefaultFontName)
      << "the family as written (none here), not a bold font";
}

TEST(SvgText, ALaterLineAboveAnEarlierOneKeepsItsPlace) {
  // As matplotlib writes titles: the second line stands 10 px (7.5 pt) above the first.
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200">
      <text><tspan x="20" y="100">a</tspan><tspan x="20" y="90">b</tspan></text></svg>)svg");
  const std::vector<const Art*> frames = artOfType(*result.document, ArtType::TEXT_FRAME);
  ASSERT_EQ(frames.size(), 1u);
  const TextFrameData& frame = frames[0]->textFrame();
  EXPECT_EQ(paragraphTexts(frame), (std::vector<std::string>{"a", "b"}));
  ASSERT_TRUE(frame.story.paragraphs[1].leading.has_value());
  EXPECT_FLOAT_EQ(*frame.story.paragraphs[1].leading, -7.5);
  EXPECT_TRUE(validateTextFrame(frame).ok());
}

TEST(SvgText, TextBeyondTheHostsRangeIsLeftOutAndReported) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <text x="1e39" y="5">far</text><text y="5" font-size="1e39">huge</text><text y="5">kept</text></svg>)svg");
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::INVALID_VALUE, "text"), 2);
  const std::vector<const Art*> frames = artOfType(*result.document, ArtType::TEXT_FRAME);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->textFrame().text(), "kept");
}

TEST(SvgText, WritesOneTspanPerParagraphWithTheFrameMatrix) {
  Document document;
  platform::Result<Art*> art = document.newArt(ArtType::TEXT_FRAME, PaintOrder::PLACE_ABOVE_ALL, nullptr);
  ASSERT_TRUE(art.ok());
  platform::Result<TextFrameData*> frame = (*art)->editTextFrame();
  ASSERT_TRUE(frame.ok());
  (*frame)->matrix = AffineMatrix{0, 1, -1, 0, 100, 200};
  Paragraph first;
  first.justification = Justification::CENTER;
  first.runs.push_back(TextRun{"Title", CharacterFeatures{}});
  Paragraph second;
  second.leading = 30;
  CharacterFeatures bold;
  bold.font = "DejaVu Sans Bold";
  bold.size = 10;
  bold.fillColor = ThreeColor{1, 0, 0};
  second.runs.push_back(TextRun{"plain ", CharacterFeatures{}});
  second.runs.push_back(TextRun{"bold & <sharp>", bold});
  (*frame)->story.paragraphs = {first, second};

  const SvgText written = formatSvg(document);
  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_string(written.text.c_str()));
  const pugi::xml_node text = xml.select_node("//text").node();
  ASSERT_TRUE(text);
  // A quarter turn anticlockwise (y up) is a quarter turn clockwise on the page; 842 - 200 = 642.
  EXPECT_STREQ(text.attribute("transform").value(), "matrix(0 -1 1 0 100 642)");
  std::vector<pugi::xml_node> lines;
  for (const pugi::xml_node& line : text.children("tspan")) lines.push_back(line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_STREQ(lines[0].attribute("y").value(), "0");
  EXPECT_STREQ(lines[1].attribute("y").value(), "30");
  EXPECT_NE(std::string(lines[0].attribute("style").value()).find("text-anchor:middle"), std::string::npos);
  EXPECT_NE(std::string(lines[0].attribute("style").value()).find("font-family:'DejaVu Sans'"), std::string::npos);
  EXPECT_STREQ(lines[0].text().get(), "Title");
  EXPECT_STREQ(lines[1].last_child().text().get(), "bold & <sharp>");

  platform::Result<SvgReadResult> reread = readSvgBytes(written.text, "written.svg");
  ASSERT_TRUE(reread.ok()) << reread.error().describe();
  testing::expectSameDocument(document, *reread->document);
}

TEST(SvgText, AreaTextIsWrittenAsPointTextAndReported) {
  Document document;
  platform::Result<Art*> art = document.newArt(ArtType::TEXT_FRAME, PaintOrder::PLACE_ABOVE_ALL, nullptr);
  ASSERT_TRUE(art.ok());
  platform::Result<TextFrameData*> frame = (*art)->editTextFrame();
  ASSERT_TRUE(frame.ok());
  (*frame)->kind = TextFrameKind::AREA;
  (*frame)->area = HostRealRect{0, 0, 200, -100};
  Paragraph paragraph;
  paragraph.runs.push_back(TextRun{"wrapped text", CharacterFeatures{}});
  (*frame)->story.paragraphs = {paragraph};
  const SvgText written = formatSvg(document);
  EXPECT_EQ(diagnosticCount(written.diagnostics, SvgDiagnosticCode::TEXT_APPROXIMATED, "area text"), 1);
  platform::Result<SvgReadResult> reread = readSvgBytes(written.text, "written.svg");
  ASSERT_TRUE(reread.ok());
  const std::vector<const Art*> frames = artOfType(*reread->document, ArtType::TEXT_FRAME);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->textFrame().text(), "wrapped text");
  // The first baseline one size below the area's top edge.
  EXPECT_NEAR(frames[0]->textFrame().matrix.ty, -12, 1e-4);
}

}  // namespace
}  // namespace host::svg
