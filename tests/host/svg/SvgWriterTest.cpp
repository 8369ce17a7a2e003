#include "host/svg/SvgWriter.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "SvgTestSupport.h"
#include "host/document/Layer.h"
#include "host/svg/SvgErrors.h"
#include "host/svg/SvgNumberFormat.h"
#include "host/svg/SvgReader.h"

namespace host::svg {
namespace {

using testing::diagnosticCount;
using testing::expectSameDocument;
using testing::fixturePath;

std::unique_ptr<Document> readFixture(std::string_view name) {
  platform::Result<SvgReadResult> result = readSvgFile(fixturePath(name));
  EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().describe());
  return result.ok() ? std::move(result->document) : std::make_unique<Document>();
}

std::unique_ptr<Document> readText(const std::string& text) {
  platform::Result<SvgReadResult> result = readSvgBytes(text, "written.svg");
  EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().describe());
  return result.ok() ? std::move(result->document) : std::make_unique<Document>();
}

std::string fileContent(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

class SvgFixtureRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(SvgFixtureRoundTrip, KeepsGeometryStyleAndStructure) {
  const std::unique_ptr<Document> original = readFixture(GetParam());
  const SvgText written = formatSvg(*original);
  const std::unique_ptr<Document> reread = readText(written.text);
  expectSameDocument(*original, *reread);
  // The output depends on the document only: the same document gives the same bytes, and so does the
  // document read back from them.
  EXPECT_EQ(formatSvg(*original).text, written.text);
  EXPECT_EQ(formatSvg(*reread).text, written.text);
}

INSTANTIATE_TEST_SUITE_P(SvgFixtures, SvgFixtureRoundTrip,
                         ::testing::Values("shapes.svg", "arcs.svg", "transforms.svg", "clip-groups.svg", "dashes.svg",
                                           "layers.svg", "text.svg"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           name = name.substr(0, name.find('.'));
                           std::erase(name, '-');
                           return name;
                         });

TEST(SvgWriter, WritesLayersPageAndClipPathsAsEditorsExpect) {
  const std::unique_ptr<Document> document = readFixture("layers.svg");
  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_string(formatSvg(*document).text.c_str()));
  const pugi::xml_node svg = xml.child("svg");
  EXPECT_STREQ(svg.attribute("width").value(), "595pt");
  EXPECT_STREQ(svg.attribute("height").value(), "842pt");
  EXPECT_STREQ(svg.attribute("viewBox").value(), "0 0 595 842");
  EXPECT_STREQ(svg.attribute("xmlns:inkscape").value(), "http://www.inkscape.org/namespaces/inkscape");
  std::vector<std::string> labels;
  for (const pugi::xml_node& group : svg.children("g")) {
    EXPECT_STREQ(group.attribute("inkscape:groupmode").value(), "layer");
    labels.push_back(group.attribute("inkscape:label").value());
    const std::string label = labels.back();
    EXPECT_EQ(std::string(group.attribute("style").value()), label == "Hidden notes" ? "display:none" : "") << label;
    EXPECT_EQ(std::string(group.attribute("sodipodi:insensitive").value()), label == "Locked frame" ? "true" : "")
        << label;
  }
  // Bottom layer first, so that the file's stacking order is the document's.
  EXPECT_EQ(labels, (std::vector<std::string>{"Outside layers", "Background", "Hidden notes", "Locked frame",
                                              "Outside layers 2"}));

  const std::unique_ptr<Document> clipped = readFixture("clip-groups.svg");
  const std::string text = formatSvg(*clipped).text;
  ASSERT_TRUE(xml.load_string(text.c_str()));
  const pugi::xml_node defs = xml.child("svg").child("defs");
  ASSERT_TRUE(defs);
  EXPECT_STREQ(defs.first_child().name(), "clipPath");
  EXPECT_STREQ(defs.first_child().attribute("id").value(), "clipPath1");
  EXPECT_STREQ(defs.last_child().attribute("id").value(), "clipPath2");
  EXPECT_STREQ(defs.last_child().child("path").attribute("clip-rule").value(), "evenodd");
  const pugi::xpath_node user = xml.select_node("//g[@clip-path='url(#clipPath1)']");
  ASSERT_TRUE(user);
  EXPECT_STREQ(user.node().attribute("style").value(), "opacity:0.5");
  EXPECT_EQ(std::distance(user.node().children().begin(), user.node().children().end()), 2)
      << "the clipping path is not drawn as content";
}

// The file lists art back to front; the document holds it front-most first; the file written again lists
// it as it came, subpaths of a compound path included.
TEST(SvgWriter, KeepsTheFilesStackingOrder) {
  const std::unique_ptr<Document> document = readText(
      R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape")"
      R"( width="100" height="100"><path inkscape:label="back" d="M0 0 H10"/>)"
      R"(<g inkscape:label="middle"><path inkscape:label="inner back" d="M0 0 H20"/>)"
      R"(<path inkscape:label="inner front" d="M0 0 H30"/></g>)"
      R"(<path inkscape:label="front" d="M0 0 H40 V40 Z M50 50 H60 V60 Z"/></svg>)");
  const Art* layerGroup = document->layerAt(0)->group();
  ASSERT_NE(layerGroup->firstChild(), nullptr);
  EXPECT_EQ(layerGroup->firstChild()->name(), "front");
  EXPECT_EQ(layerGroup->lastChild()->name(), "back");

  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_string(formatSvg(*document).text.c_str()));
  std::vector<std::string> labels;
  for (const pugi::xpath_node& labelled : xml.select_nodes("//*[@inkscape:label]")) {
    labels.push_back(labelled.node().attribute("inkscape:label").value());
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"Layer 1", "back", "middle", "inner back", "inner front", "front"}));
  const pugi::xpath_node front = xml.select_node("//path[@inkscape:label='front']");
  ASSERT_TRUE(front);
  EXPECT_STREQ(front.node().attribute("d").value(), "M 0 0 L 30 0 L 30 30 Z M 37.5 37.5 L 45 37.5 L 45 45 Z");
}

struct NumberCase {
  double value;
  const char* text;
};

TEST(SvgWriter, FormatsNumbersFixedToFourDecimals) {
  const NumberCase cases[] = {{0, "0"},
                              {12, "12"},
                              {0.5, "0.5"},
                              {-3.1, "-3.1"},
                              {1.23456, "1.2346"},
                              {595.27559, "595.2756"},
                              {-0.00001, "0"},
                              {-0.00004, "0"},
                              {1e7, "10000000"},
                              {0.0001, "0.0001"},
                              {123456.78901, "123456.789"}};
  for (const NumberCase& testCase : cases) EXPECT_EQ(formatNumber(testCase.value), testCase.text) << testCase.value;
}

// A document made the way a plug-in makes one, with what SVG cannot hold as it is.
std::unique_ptr<Document> madeDocument() {
  auto document = std::make_unique<Document>();
  Layer* bottom = document->layerAt(0);
  EXPECT_TRUE(bottom->setTitle("Bottom & <friends>"));
  platform::Result<Layer*> top = document->insertLayer(1, "Top");
  EXPECT_TRUE(top.ok());
  auto path = [](std::vector<PathSegment> segments, bool closed) {
    PathData data;
    EXPECT_TRUE(data.assignSegments(segments));
    data.setClosed(closed);
    return data;
  };
  PathStyle style;
  style.fill.paint = true;
  style.fill.color = GrayColor{0.2f};
  style.stroke.color = FourColor{0, 1, 1, 0};
  style.stroke.width = 0.5;
  style.stroke.join = LineJoin::ROUND;
  platform::Result<Art*> group = document->newArt(ArtType::GROUP, PaintOrder::PLACE_INSIDE_ON_TOP, bottom->group());
  EXPECT_TRUE(group.ok());
  EXPECT_TRUE((*group)->setOpacity(0.75));
  (*group)->setName("Parts");
  EXPECT_TRUE((*group)->setAttributes(bitOf(ArtAttribute::LOCKED), bitOf(ArtAttribute::LOCKED)));
  // A curve with smooth anchors, a closed curved loop and an open straight path.
  EXPECT_TRUE(document->newPath(PaintOrder::PLACE_INSIDE_ON_TOP, *group,
                                path({{{10, 10}, {10, 10}, {20, 30}, true},
                                      {{50, 40}, {40, 40}, {60, 40}, false},
                                      {{80, 10}, {80, 30}, {80, 10}, true}},
                                     true),
                                style));
  EXPECT_TRUE(document->newPath(PaintOrder::PLACE_INSIDE_ON_TOP, *group,
                                path({cornerSegment({100, 100}), cornerSegment({120, 100})}, false), PathStyle{}));
  platform::Result<Art*> compound =
      document->newArt(ArtType::COMPOUND_PATH, PaintOrder::PLACE_INSIDE_ON_TOP, (*top)->group());
  EXPECT_TRUE(compound.ok());
  PathStyle evenOdd;
  evenOdd.fill.paint = true;
  evenOdd.fill.evenOdd = true;
  evenOdd.stroke.paint = false;
  for (float size : {40.0f, 20.0f}) {
    EXPECT_TRUE(document->newPath(
        PaintOrder::PLACE_INSIDE_ON_TOP, *compound,
        path({cornerSegment({0, 0}), cornerSegment({size, 0}), cornerSegment({size, size})}, true), evenOdd));
  }
  EXPECT_TRUE((*compound)->setAttributes(bitOf(ArtAttribute::HIDDEN), bitOf(ArtAttribute::HIDDEN)));
  // Guides and paths without anything to draw are left out.
  PathData guide = path({cornerSegment({0, 0}), cornerSegment({10, 10})}, false);
  guide.setGuide(true);
  EXPECT_TRUE(document->newPath(PaintOrder::PLACE_INSIDE_ON_TOP, (*top)->group(), guide, PathStyle{}));
  EXPECT_TRUE(document->newPath(PaintOrder::PLACE_INSIDE_ON_TOP, (*top)->group(), path({cornerSegment({5, 5})}, false),
                                PathStyle{}));
  return document;
}

TEST(SvgWriter, WritesADocumentMadeByPlugIns) {
  const std::unique_ptr<Document> document = madeDocument();
  const SvgText written = formatSvg(*document);
  EXPECT_EQ(diagnosticCount(written.diagnostics, SvgDiagnosticCode::GUIDE_SKIPPED, "guide"), 1);
  EXPECT_EQ(diagnosticCount(written.diagnostics, SvgDiagnosticCode::EMPTY_PATH, "path"), 1);
  EXPECT_EQ(diagnosticCount(written.diagnostics, SvgDiagnosticCode::COLOR_APPROXIMATED, "four-colour"), 1);
  EXPECT_EQ(diagnosticCount(written.diagnostics, SvgDiagnosticCode::COLOR_APPROXIMATED, "gray"), 0);

  const std::unique_ptr<Document> reread = readText(written.text);
  ASSERT_EQ(reread->layerCount(), 2);
  EXPECT_EQ(reread->layerAt(0)->title(), "Bottom & <friends>");
  EXPECT_EQ(reread->layerAt(1)->title(), "Top");
  const std::vector<const Art*> groups = testing::artOfType(*reread, ArtType::GROUP);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0]->name(), "Parts");
  EXPECT_TRUE(groups[0]->hasAttribute(ArtAttribute::LOCKED));
  EXPECT_FLOAT_EQ(groups[0]->opacity(), 0.75);

  // Geometry, anchor by anchor and handle by handle, and the colours as screen colours.
  std::vector<const Art*> originals = testing::artOfType(*document, ArtType::PATH);
  std::erase_if(originals, [](const Art* art) { return art->path().guide() || art->path().segmentCount() < 2; });
  const std::vector<const Art*> paths = testing::artOfType(*reread, ArtType::PATH);
  ASSERT_EQ(paths.size(), 4u);
  for (std::size_t index = 0; index < paths.size(); ++index) {
    SCOPED_TRACE("path " + std::to_string(index));
    const Art& original = *originals[index];
    ASSERT_EQ(paths[index]->path().segmentCount(), original.path().segmentCount());
    EXPECT_EQ(paths[index]->path().closed(), original.path().closed());
    for (std::int32_t segment = 0; segment < original.path().segmentCount(); ++segment) {
      const PathSegment& a = paths[index]->path().segments()[static_cast<std::size_t>(segment)];
      const PathSegment& e = original.path().segments()[static_cast<std::size_t>(segment)];
      testing::expectPointNear(a.p, e.p, testing::kGeometryTolerance, "anchor");
      testing::expectPointNear(a.in, e.in, testing::kGeometryTolerance, "in handle");
      testing::expectPointNear(a.out, e.out, testing::kGeometryTolerance, "out handle");
      EXPECT_EQ(a.corner, e.corner);
    }
  }
  const Art& curve = *groups[0]->lastChild();  // placed first, so at the back
  ASSERT_EQ(curve.style().fill.color.kind(), ColorKind::THREE);
  EXPECT_NEAR(curve.style().fill.color.get<ThreeColor>()->green, 0.8, 1e-6) << "gray ink 0.2 is light 0.8";
  EXPECT_EQ(curve.style().stroke.color, Color(ThreeColor{1, 0, 0})) << "no cyan, full magenta and yellow";
  EXPECT_FLOAT_EQ(curve.style().stroke.width, 0.5);
  EXPECT_EQ(curve.style().stroke.join, LineJoin::ROUND);
  const std::vector<const Art*> compounds = testing::artOfType(*reread, ArtType::COMPOUND_PATH);
  ASSERT_EQ(compounds.size(), 1u);
  EXPECT_TRUE(compounds[0]->hasAttribute(ArtAttribute::HIDDEN));
  EXPECT_TRUE(compounds[0]->firstChild()->style().fill.evenOdd);
}

TEST(SvgWriter, ReplacesTheFileWhole) {
  testing::ScratchFolder folder;
  const std::unique_ptr<Document> document = readFixture("shapes.svg");
  const std::filesystem::path target = folder.path() / "drawing.svg";
  {
    std::ofstream old(target);
    old << "old content";
  }
  platform::Result<std::vector<SvgDiagnostic>> written = writeSvgFile(*document, target);
  ASSERT_TRUE(written.ok()) << written.error().describe();
  EXPECT_EQ(fileContent(target), formatSvg(*document).text);
  EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"drawing.svg"})) << "no temporary file is left";
}

TEST(SvgWriter, AFailedWriteLeavesNothingBehind) {
  testing::ScratchFolder folder;
  const std::unique_ptr<Document> document = readFixture("shapes.svg");

  const std::filesystem::path missingFolder = folder.path() / "missing" / "drawing.svg";
  platform::Result<std::vector<SvgDiagnostic>> intoNowhere = writeSvgFile(*document, missingFolder);
  ASSERT_FALSE(intoNowhere.ok());
  EXPECT_EQ(intoNowhere.error().code, kSvgWriteFailed);
  EXPECT_EQ(intoNowhere.error().where, missingFolder.string());
  EXPECT_TRUE(folder.fileNames().empty());

  // A folder where the file should go cannot be replaced: it stays, and no temporary file is left.
  const std::filesystem::path occupied = folder.path() / "occupied.svg";
  std::filesystem::create_directory(occupied);
  platform::Result<std::vector<SvgDiagnostic>> overFolder = writeSvgFile(*document, occupied);
  ASSERT_FALSE(overFolder.ok());
  EXPECT_EQ(overFolder.error().code, kSvgWriteFailed);
  EXPECT_EQ(overFolder.error().where, occupied.string());
  EXPECT_TRUE(std::filesystem::is_directory(occupied));
  EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"occupied.svg"}));
}

}  // namespace
}  // namespace host::svg
