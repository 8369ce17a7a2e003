#include "host/svg/SvgReader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "SvgTestSupport.h"
#include "host/document/Layer.h"
#include "host/svg/SvgErrors.h"
#include "host/svg/SvgWriter.h"

namespace host::svg {
namespace {

using testing::allArt;
using testing::artOfType;
using testing::diagnosticCount;
using testing::expectPointNear;
using testing::fixturePath;
using testing::readSnippet;

ThreeColor rgb(int red, int green, int blue) {
  return {static_cast<HostReal>(red / 255.0), static_cast<HostReal>(green / 255.0),
          static_cast<HostReal>(blue / 255.0)};
}

void expectThreeColor(const Color& actual, ThreeColor expected) {
  ASSERT_EQ(actual.kind(), ColorKind::THREE);
  EXPECT_NEAR(actual.get<ThreeColor>()->red, expected.red, 1e-6);
  EXPECT_NEAR(actual.get<ThreeColor>()->green, expected.green, 1e-6);
  EXPECT_NEAR(actual.get<ThreeColor>()->blue, expected.blue, 1e-6);
}

std::vector<HostRealPoint> anchors(const Art& art) {
  std::vector<HostRealPoint> points;
  for (const PathSegment& segment : art.path().segments()) points.push_back(segment.p);
  return points;
}

void expectAnchors(const Art& art, const std::vector<HostRealPoint>& expected) {
  const std::vector<HostRealPoint> actual = anchors(art);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t index = 0; index < expected.size(); ++index) {
    expectPointNear(actual[index], expected[index], 1e-3, "anchor " + std::to_string(index));
  }
}

SvgReadResult read(std::string_view svg) {
  platform::Result<SvgReadResult> result = readSnippet(svg);
  EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().describe());
  if (!result.ok()) return SvgReadResult{std::make_unique<Document>(), {}};
  return std::move(*result);
}

SvgReadResult readFixture(std::string_view name) {
  platform::Result<SvgReadResult> result = readSvgFile(fixturePath(name));
  EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().describe());
  if (!result.ok()) return SvgReadResult{std::make_unique<Document>(), {}};
  return std::move(*result);
}

TEST(SvgReader, ThePageBecomesThePageSetupWithItsOriginBottomLeft) {
  // A landscape A5 page: 148 mm are 419.53 points, recorded as 420 whole points.
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="210mm" height="148mm"
      viewBox="0 0 210 148"><path d="M 0 0 L 210 148 L 10 20" stroke="black"/></svg>)svg");
  const Document& document = *result.document;
  EXPECT_EQ(document.pageSetup().paper, (PageRect{0, 0, 595, 420}));
  EXPECT_EQ(document.pageSetup().printableArea, document.pageSetup().paper);
  EXPECT_EQ(document.pageOrigin().h, 0);
  EXPECT_EQ(document.pageOrigin().v, 0);
  const std::vector<const Art*> paths = artOfType(document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 1u);
  // y upwards from the page's bottom edge, flipped with the exact height: no point moves by the rounding.
  constexpr float kPointsPerMillimetre = 72 / 25.4f;
  expectAnchors(*paths[0], {{0, 148 * kPointsPerMillimetre},
                            {210 * kPointsPerMillimetre, 0},
                            {10 * kPointsPerMillimetre, 128 * kPointsPerMillimetre}});
}

TEST(SvgReader, SizesInPerCentAreOfTheViewBox) {
  const SvgReadResult result = readFixture("percent-size.svg");
  const Document& document = *result.document;
  // 40 x 20 user units are 30 x 15 points.
  EXPECT_EQ(document.pageSetup().paper, (PageRect{0, 0, 30, 15}));
  const std::vector<const Art*> paths = artOfType(document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 1u);
  expectAnchors(*paths[0], {{0, 15}, {30, 0}});
}

TEST(SvgReader, ReadsEveryBasicShapeAsPaths) {
  const SvgReadResult result = readFixture("shapes.svg");
  const Document& document = *result.document;
  EXPECT_TRUE(result.diagnostics.empty());
  ASSERT_EQ(document.layerCount(), 1);
  EXPECT_EQ(document.layerAt(0)->title(), "Layer 1");
  EXPECT_EQ(document.pageSetup().paper, (PageRect{0, 0, 300, 225}));

  const std::vector<const Art*> compounds = artOfType(document, ArtType::COMPOUND_PATH);
  ASSERT_EQ(compounds.size(), 1u);
  const std::vector<const Art*> paths = artOfType(document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 11u);

  const Art& rectangle = *paths[0];
  expectAnchors(rectangle, {{7.5, 217.5}, {67.5, 217.5}, {67.5, 187.5}, {7.5, 187.5}});
  EXPECT_TRUE(rectangle.path().closed());
  EXPECT_TRUE(rectangle.style().fill.paint);
  expectThreeColor(rectangle.style().fill.color, rgb(255, 0, 0));
  EXPECT_TRUE(rectangle.style().stroke.paint);
  expectThreeColor(rectangle.style().stroke.color, rgb(0, 0, 255));
  EXPECT_FLOAT_EQ(rectangle.style().stroke.width, 1.5f);

  EXPECT_EQ(paths[1]->path().segmentCount(), 8) << "rounded corners: four quarters and four sides";
  expectThreeColor(paths[1]->style().fill.color, rgb(0, 128, 0));
  EXPECT_EQ(paths[2]->path().segmentCount(), 6) << "rx clamped to half the width leaves no top and bottom sides";
  expectThreeColor(paths[2]->style().fill.color, rgb(128, 64, 0));

  const Art& circle = *paths[3];
  expectAnchors(circle, {{60, 150}, {37.5, 127.5}, {15, 150}, {37.5, 172.5}});
  for (const PathSegment& segment : circle.path().segments()) EXPECT_FALSE(segment.corner);
  expectThreeColor(circle.style().fill.color, rgb(255, 204, 0));

  EXPECT_FALSE(paths[4]->style().fill.paint);
  EXPECT_FLOAT_EQ(paths[4]->style().stroke.width, 2.25f);

  const Art& line = *paths[5];
  expectAnchors(line, {{150, 165}, {210, 135}});
  EXPECT_FALSE(line.path().closed());
  EXPECT_EQ(line.style().stroke.cap, LineCap::ROUND);

  EXPECT_EQ(paths[6]->path().segmentCount(), 4);
  EXPECT_FALSE(paths[6]->path().closed());
  EXPECT_EQ(paths[6]->style().stroke.join, LineJoin::BEVEL);
  EXPECT_EQ(paths[7]->path().segmentCount(), 3);
  EXPECT_TRUE(paths[7]->path().closed());
  EXPECT_FLOAT_EQ(paths[7]->style().stroke.miterLimit, 10);

  const Art& compound = *compounds[0];
  ASSERT_EQ(paths[8]->parent(), &compound);
  ASSERT_EQ(paths[9]->parent(), &compound);
  for (const Art* member : {paths[8], paths[9]}) {
    EXPECT_EQ(member->path().segmentCount(), 4);
    EXPECT_TRUE(member->style().fill.evenOdd);
    expectThreeColor(member->style().fill.color, rgb(0, 0, 128));
  }
  EXPECT_EQ(paths[10]->path().segmentCount(), 5) << "Q, T, S and C: one anchor each after the start";
}

TEST(SvgReader, LayersKeepTheirOrderFlagsAndOutsideContent) {
  const SvgReadResult result = readFixture("layers.svg");
  const Document& document = *result.document;
  // Layers keep the file's order: the first layer group is at the back (index 0), the last on top and
  // current; content outside the groups gets layers of its own where it stands in the stacking order.
  const std::vector<std::string> expected = {"Outside layers", "Background", "Hidden notes", "Locked frame",
                                             "Outside layers 2"};
  ASSERT_EQ(document.layerCount(), static_cast<std::int32_t>(expected.size()));
  for (std::int32_t index = 0; index < document.layerCount(); ++index) {
    const Layer& layer = *document.layerAt(index);
    EXPECT_EQ(layer.title(), expected[static_cast<std::size_t>(index)]);
    EXPECT_EQ(layer.visible(), layer.title() != "Hidden notes") << layer.title();
    EXPECT_EQ(layer.locked(), layer.title() == "Locked frame") << layer.title();
  }
  EXPECT_EQ(document.currentLayer(), document.layerAt(document.layerCount() - 1));
  EXPECT_EQ(document.pageSetup().paper, (PageRect{0, 0, 595, 842}));

  const std::vector<const Art*> groups = artOfType(document, ArtType::GROUP);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0]->name(), "Title block");
  EXPECT_TRUE(groups[0]->hasAttribute(ArtAttribute::LOCKED));
  // The group's last element in the file paints last: its front-most child.
  const Art* hiddenSquare = groups[0]->firstChild();
  ASSERT_NE(hiddenSquare, nullptr);
  EXPECT_TRUE(hiddenSquare->hasAttribute(ArtAttribute::HIDDEN)) << "display=\"none\" keeps the art, hidden";
}

TEST(SvgReader, WithoutLayerGroupsEverythingIsInLayerOne) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <g><rect width="1" height="1"/></g><rect width="2" height="2"/></svg>)svg");
  ASSERT_EQ(result.document->layerCount(), 1);
  EXPECT_EQ(result.document->layerAt(0)->title(), "Layer 1");
  EXPECT_EQ(allArt(*result.document).size(), 3u);
}

TEST(SvgReader, StylesInheritAndTheStyleAttributeWins) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">
      <g fill="red" stroke="blue" stroke-width="4" style="fill:green" color="#123456">
        <path d="M 0 0 H 10 V 10 Z"/>
        <path d="M 0 0 H 10 V 10 Z" fill="yellow" style="fill:inherit;stroke:none"/>
        <path d="M 0 0 H 10 V 10 Z" fill="currentColor" stroke="currentColor"/>
        <path d="M 0 0 H 10 V 10 Z" fill="bogus" stroke-width="-2"/>
      </g></svg>)svg");
  const std::vector<const Art*> paths = artOfType(*result.document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 4u);
  expectThreeColor(paths[0]->style().fill.color, rgb(0, 128, 0));
  expectThreeColor(paths[0]->style().stroke.color, rgb(0, 0, 255));
  EXPECT_FLOAT_EQ(paths[0]->style().stroke.width, 3);
  expectThreeColor(paths[1]->style().fill.color, rgb(0, 128, 0));
  EXPECT_FALSE(paths[1]->style().stroke.paint);
  expectThreeColor(paths[2]->style().fill.color, rgb(0x12, 0x34, 0x56));
  expectThreeColor(paths[2]->style().stroke.color, rgb(0x12, 0x34, 0x56));
  // Invalid values are ignored (the inherited ones stay) and reported once per property.
  expectThreeColor(paths[3]->style().fill.color, rgb(0, 128, 0));
  EXPECT_FLOAT_EQ(paths[3]->style().stroke.width, 3);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::INVALID_VALUE, "fill"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::INVALID_VALUE, "stroke-width"), 1);
}

TEST(SvgReader, TransformsApplyToCoordinatesAndScaleStrokes) {
  const SvgReadResult result = readFixture("transforms.svg");
  const std::vector<const Art*> paths = artOfType(*result.document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 7u);
  // translate(50, 20): the first rectangle's top-left corner at (50, 20), page 200 high, y upwards.
  EXPECT_NEAR(paths[0]->path().segments()[0].p.h, 50, 1e-4);
  EXPECT_NEAR(paths[0]->path().segments()[0].p.v, 180, 1e-4);
  // scale(2, 0.5) inside: y 80 -> 40 -> 60 on the page; width 20 -> 40; stroke 2 * sqrt(2 * 0.5) = 2.
  expectAnchors(*paths[1], {{50, 140}, {90, 140}, {90, 120}, {50, 120}});
  EXPECT_FLOAT_EQ(paths[1]->style().stroke.width, 2);
  // rotate(30 120 10) turns about the rectangle's centre: the centre stays where it was.
  HostRealPoint centre{0, 0};
  for (const PathSegment& segment : paths[2]->path().segments()) {
    centre.h += segment.p.h / 4;
    centre.v += segment.p.v / 4;
  }
  expectPointNear(centre, {170, 170}, 1e-3, "centre of the turned rectangle");
  // skewX(20) moves the corner at y 120 by 120 tan 20 to the right.
  EXPECT_NEAR(paths[3]->path().segments()[0].p.h, 10 + 120 * std::tan(20 * std::numbers::pi / 180), 1e-3);
  // matrix(1 0.2 -0.3 1 150 120) maps (30, 30) to (150 + 30 - 9, 120 + 6 + 30).
  expectPointNear(paths[5]->path().segments()[2].p, {171, 200 - 156}, 1e-3, "third corner");
  EXPECT_TRUE(result.diagnostics.empty());
}

TEST(SvgReader, InvalidTransformIsReportedAndIgnored) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="100pt" height="100pt"
      viewBox="0 0 100 100"><path d="M 1 1 H 2" stroke="#000" transform="rotate(x)"/></svg>)svg");
  const std::vector<const Art*> paths = artOfType(*result.document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 1u);
  expectAnchors(*paths[0], {{1, 99}, {2, 99}});
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::INVALID_VALUE, "transform"), 1);
}

TEST(SvgReader, DashPatternsKeepAtMostSixLengths) {
  const SvgReadResult fixture = readFixture("dashes.svg");
  const std::vector<const Art*> paths = artOfType(*fixture.document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 4u);
  const auto lengths = [](const Art& art) {
    const std::span<const HostReal> dash = art.style().stroke.dash.lengths();
    return std::vector<HostReal>(dash.begin(), dash.end());
  };
  EXPECT_EQ(lengths(*paths[0]), (std::vector<HostReal>{5, 3}));
  EXPECT_EQ(lengths(*paths[1]), (std::vector<HostReal>{4, 2, 1, 4, 2, 1})) << "an odd list repeats";
  EXPECT_FLOAT_EQ(paths[1]->style().stroke.dash.offset(), 2);
  EXPECT_EQ(lengths(*paths[2]), (std::vector<HostReal>{2, 2})) << "scaled with the stroke";
  EXPECT_FLOAT_EQ(paths[2]->style().stroke.width, 1);
  EXPECT_EQ(lengths(*paths[3]), (std::vector<HostReal>{6, 2, 2, 2}));
  EXPECT_EQ(paths[3]->style().stroke.cap, LineCap::PROJECTING);
  EXPECT_TRUE(fixture.diagnostics.empty());

  const SvgReadResult reduced = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="100pt" height="100pt"
      viewBox="0 0 100 100"><g stroke="black">
      <path d="M 0 0 H 90" stroke-dasharray="1 2 3 4 5 6 7 8"/>
      <path d="M 0 5 H 90" stroke-dasharray="1 2 3 4 5"/></g></svg>)svg");
  const std::vector<const Art*> reducedPaths = artOfType(*reduced.document, ArtType::PATH);
  ASSERT_EQ(reducedPaths.size(), 2u);
  EXPECT_EQ(lengths(*reducedPaths[0]), (std::vector<HostReal>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(lengths(*reducedPaths[1]), (std::vector<HostReal>{1, 2, 3, 4, 5, 1}));
  EXPECT_EQ(diagnosticCount(reduced.diagnostics, SvgDiagnosticCode::DASHES_REDUCED, "stroke-dasharray"), 2);
}

struct OpacityCase {
  const char* description;
  const char* attributes;
  double opacity;
  bool fill;
  bool stroke;
};

TEST(SvgReader, FoldsFillAndStrokeOpacityIntoTheArtOpacity) {
  const OpacityCase cases[] = {
      {"opaque", R"svg(fill="red")svg", 1, true, false},
      {"opacity times fill opacity", R"svg(fill="red" opacity="0.5" fill-opacity="0.5")svg", 0.25, true, false},
      {"stroke only: the stroke opacity", R"svg(fill="none" stroke="red" stroke-opacity="0.4")svg", 0.4, false, true},
      {"filled and stroked: the fill opacity",
       R"svg(fill="red" stroke="red" fill-opacity="0.3" stroke-opacity="0.9")svg", 0.3, true, true},
      {"a transparent fill is dropped, not the stroke", R"svg(fill="red" fill-opacity="0" stroke="red")svg", 1, false,
       true},
      {"a transparent stroke is dropped", R"svg(fill="red" stroke="red" stroke-opacity="0")svg", 1, true, false},
      {"a zero-width stroke is no stroke", R"svg(fill="none" stroke="red" stroke-width="0")svg", 1, false, false},
  };
  for (const OpacityCase& testCase : cases) {
    SCOPED_TRACE(testCase.description);
    const SvgReadResult result =
        read(std::string(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)svg") +
             "<path d=\"M0 0 H 5 V 5 Z\" " + testCase.attributes + "/></svg>");
    const std::vector<const Art*> paths = artOfType(*result.document, ArtType::PATH);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_NEAR(paths[0]->opacity(), testCase.opacity, 1e-6);
    EXPECT_EQ(paths[0]->style().fill.paint, testCase.fill);
    EXPECT_EQ(paths[0]->style().stroke.paint, testCase.stroke);
  }
  const SvgReadResult grouped = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <g opacity="0.5"><path d="M0 0 H 5 V 5 Z"/></g></svg>)svg");
  const std::vector<const Art*> groups = artOfType(*grouped.document, ArtType::GROUP);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_FLOAT_EQ(groups[0]->opacity(), 0.5) << "group opacity stays on the group";
  EXPECT_FLOAT_EQ(groups[0]->firstChild()->opacity(), 1);
}

TEST(SvgReader, ClipPathsMakeClipGroupsInTheClippedElementsSpace) {
  const SvgReadResult result = readFixture("clip-groups.svg");
  const Document& document = *result.document;
  const std::vector<const Art*> groups = artOfType(document, ArtType::GROUP);
  ASSERT_EQ(groups.size(), 3u);

  // A clipped <g> is itself the clip group; its clipping path (the circle) is its last child.
  const Art& clipped = *groups[0];
  EXPECT_TRUE(clipped.isClipGroup());
  EXPECT_FLOAT_EQ(clipped.opacity(), 0.5);
  const Art* circle = clipped.lastChild();
  ASSERT_NE(circle, nullptr);
  ASSERT_EQ(circle->type(), ArtType::PATH);
  EXPECT_TRUE(circle->isClipping());
  EXPECT_EQ(circle->path().segmentCount(), 4);
  EXPECT_FALSE(circle->style().fill.paint);
  EXPECT_FALSE(circle->style().stroke.paint);
  std::int32_t children = 0;
  for (const Art* child = clipped.firstChild(); child != nullptr; child = child->nextSibling()) ++children;
  EXPECT_EQ(children, 3);

  // A clipped rectangle inside translate(100 100) gets a clip group of its own; the clip path's two
  // rectangles are in the rectangle's user space, the second one moved again by its own transform.
  const Art& wrapper = *groups[2];
  EXPECT_EQ(groups[1], wrapper.parent());
  EXPECT_TRUE(wrapper.isClipGroup());
  ASSERT_NE(wrapper.firstChild(), nullptr);
  EXPECT_EQ(wrapper.firstChild()->type(), ArtType::PATH);
  const Art* clip = wrapper.lastChild();
  ASSERT_EQ(clip->type(), ArtType::COMPOUND_PATH);
  EXPECT_TRUE(clip->isClipping());
  const Art* second = clip->firstChild();  // a compound path's members too: the last subpath is in front
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->style().fill.evenOdd) << "clip-rule evenodd from the clipPath element";
  // (125, 125) px is the second rectangle's top-left corner: (93.75, 150 - 93.75) pt.
  expectPointNear(second->path().segments()[0].p, {93.75, 56.25}, 1e-3, "second clip rectangle");
}

TEST(SvgReader, ClipProblemsAreReportedAndDrawnUnclipped) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <clipPath id="box" clipPathUnits="objectBoundingBox"><rect width="0.5" height="0.5"/></clipPath>
      <clipPath id="nothing"/>
      <rect width="5" height="5" clip-path="url(#missing)"/>
      <rect width="5" height="5" clip-path="url(#box)"/>
      <rect width="5" height="5" clip-path="url(#nothing)"/></svg>)svg");
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::MISSING_REFERENCE, "clip-path"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::UNSUPPORTED_CLIP, "clipPathUnits"), 1);
  const std::vector<const Art*> groups = artOfType(*result.document, ArtType::GROUP);
  ASSERT_EQ(groups.size(), 1u);
  // An empty clip path lets nothing through: the content is kept, hidden.
  EXPECT_FALSE(groups[0]->isClipGroup());
  EXPECT_TRUE(groups[0]->hasAttribute(ArtAttribute::HIDDEN));
  EXPECT_EQ(artOfType(*result.document, ArtType::PATH).size(), 3u);
}

TEST(SvgReader, UseDrawsItsTargetAtItsPlace) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg"
      xmlns:xlink="http://www.w3.org/1999/xlink" width="100pt" height="100pt" viewBox="0 0 100 100">
      <defs>
        <symbol id="mark" viewBox="0 0 10 10"><rect width="10" height="10"/></symbol>
        <rect id="dot" width="1" height="1" fill="red"/>
        <g id="pair" fill="blue"><rect width="1" height="1"/><rect x="2" width="1" height="1"/></g>
      </defs>
      <use xlink:href="#dot" x="10" y="20"/>
      <use href="#pair" transform="translate(30 0)" y="5"/>
      <use href="#mark" x="50" y="50" width="20" height="20" opacity="0.5"/>
      <use href="#nowhere"/>
      <g id="loop"><use href="#loop"/></g></svg>)svg");
  const std::vector<const Art*> paths = artOfType(*result.document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 4u);
  expectAnchors(*paths[0], {{10, 80}, {11, 80}, {11, 79}, {10, 79}});
  expectThreeColor(paths[0]->style().fill.color, rgb(255, 0, 0));
  expectPointNear(paths[2]->path().segments()[0].p, {32, 95}, 1e-4, "second rectangle of the pair");
  expectThreeColor(paths[2]->style().fill.color, rgb(0, 0, 255));
  // The symbol's 10 x 10 viewBox fills the use's 20 x 20; the use's opacity needs a group of its own.
  expectAnchors(*paths[3], {{50, 50}, {70, 50}, {70, 30}, {50, 30}});
  EXPECT_FLOAT_EQ(paths[3]->parent()->parent()->opacity(), 0.5);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::MISSING_REFERENCE, "use"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::USE_SKIPPED, "use"), 1);
}

TEST(SvgReader, MultiplyingUsesStopAtTheLimit) {
  // Each level uses the one below twice: 2^30 rectangles if nothing stopped it.
  std::string svg = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><defs>)svg"
                    R"svg(<rect id="level0" width="1" height="1"/>)svg";
  for (int level = 1; level <= 30; ++level) {
    const std::string below = "#level" + std::to_string(level - 1);
    svg +=
        "<g id=\"level" + std::to_string(level) + "\"><use href=\"" + below + "\"/><use href=\"" + below + "\"/></g>";
  }
  svg += R"svg(</defs><use href="#level30"/></svg>)svg";
  const SvgReadResult result = read(svg);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::USE_SKIPPED, "use") > 0, true);
  EXPECT_LE(result.document->artCount(), 200'000u);
}

TEST(SvgReader, DeepNestingIsCutOffNotFollowedToAStackOverflow) {
  std::string svg = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)svg";
  for (int level = 0; level < 5000; ++level) svg += "<g>";
  svg += R"svg(<rect width="1" height="1"/>)svg";
  for (int level = 0; level < 5000; ++level) svg += "</g>";
  svg += "</svg>";
  const SvgReadResult result = read(svg);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::NESTING_TOO_DEEP, "g"), 1);
  EXPECT_TRUE(artOfType(*result.document, ArtType::PATH).empty());
}

TEST(SvgReader, GradientsAndPatternsPaintWithOneColour) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg"
      xmlns:xlink="http://www.w3.org/1999/xlink" width="10" height="10">
      <defs>
        <linearGradient id="stops"><stop offset="0" style="stop-color:#00ff00"/><stop offset="1" stop-color="red"/></linearGradient>
        <radialGradient id="linked" xlink:href="#stops"/>
        <linearGradient id="empty"/>
        <pattern id="dots" width="2" height="2"><rect width="1" height="1"/></pattern>
      </defs>
      <rect width="1" height="1" fill="url(#stops)"/>
      <rect width="1" height="1" fill="url(#linked)"/>
      <rect width="1" height="1" fill="url(#empty)"/>
      <rect width="1" height="1" fill="url(#dots)"/>
      <rect width="1" height="1" fill="url(#missing) #0000ff"/>
      <rect width="1" height="1" fill="url(#missing)"/></svg>)svg");
  const std::vector<const Art*> paths = artOfType(*result.document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 6u);
  expectThreeColor(paths[0]->style().fill.color, rgb(0, 255, 0));
  expectThreeColor(paths[1]->style().fill.color, rgb(0, 255, 0));
  expectThreeColor(paths[2]->style().fill.color, rgb(128, 128, 128));
  expectThreeColor(paths[3]->style().fill.color, rgb(128, 128, 128));
  expectThreeColor(paths[4]->style().fill.color, rgb(0, 0, 255));
  EXPECT_FALSE(paths[5]->style().fill.paint);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::GRADIENT_PAINT, "linearGradient"), 2);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::GRADIENT_PAINT, "radialGradient"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::PATTERN_PAINT, "pattern"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::MISSING_REFERENCE, "paint"), 2);
}

TEST(SvgReader, ReportsWhatItSkipsOncePerKindWithACount) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <image width="1" height="1" href="a.png"/><image width="1" height="1" href="b.png"/>
      <image width="1" height="1" href="c.png"/>
      <foreignObject width="1" height="1"/><foreignObject width="1" height="1"/>
      <blink/>
      <style>rect { fill: red }</style>
      <rect width="1" height="1" filter="url(#f)"/><g style="filter:url(#f)"><rect width="1" height="1"/></g>
      <rect width="1" height="1" mask="url(#m)"/>
      <path d="M 0 0 L 1 1" stroke="black" marker-end="url(#arrow)"/>
      <title>ignored</title><desc>ignored</desc><metadata/></svg>)svg");
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::UNSUPPORTED_ELEMENT, "image"), 3);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::UNSUPPORTED_ELEMENT, "foreignObject"), 2);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::UNSUPPORTED_ELEMENT, "blink"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::UNSUPPORTED_ELEMENT, "style"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::UNSUPPORTED_EFFECT, "filter"), 2);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::UNSUPPORTED_EFFECT, "mask"), 1);
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::UNSUPPORTED_EFFECT, "marker"), 1);
  EXPECT_EQ(result.diagnostics.size(), 7u) << "title, desc and metadata draw nothing and are not reported";
  EXPECT_EQ(artOfType(*result.document, ArtType::PATH).size(), 4u);
}

TEST(SvgReader, StyleValuesBeyondTheHostsRangeAreReportedNotRefused) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <path d="M 0 0 L 10 5" stroke="black" stroke-width="1e39"/>
      <path d="M 0 0 L 10 5 L 0 9" stroke="black" stroke-miterlimit="1e39"/></svg>)svg");
  EXPECT_EQ(diagnosticCount(result.diagnostics, SvgDiagnosticCode::INVALID_VALUE, "stroke-width"), 1);
  const std::vector<const Art*> paths = artOfType(*result.document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 2u);
  EXPECT_FALSE(paths[0]->style().stroke.paint);
  EXPECT_TRUE(paths[1]->style().stroke.paint);
  EXPECT_TRUE(std::isfinite(paths[1]->style().stroke.miterLimit));
}

TEST(SvgReader, HiddenArtIsKeptAndMarked) {
  const SvgReadResult result = read(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
      <rect width="1" height="1" style="display:none"/>
      <g visibility="hidden"><rect width="1" height="1"/><rect width="1" height="1" visibility="visible"/></g></svg>)svg");
  const std::vector<const Art*> paths = artOfType(*result.document, ArtType::PATH);
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_TRUE(paths[0]->hasAttribute(ArtAttribute::HIDDEN));
  EXPECT_TRUE(paths[1]->hasAttribute(ArtAttribute::HIDDEN));
  EXPECT_FALSE(paths[2]->hasAttribute(ArtAttribute::HIDDEN)) << "visibility is inherited and may be overridden";
  EXPECT_FALSE(paths[2]->parent()->hasAttribute(ArtAttribute::HIDDEN));
}

TEST(SvgReader, ReadsCompressedFilesByTheirContent) {
  const SvgReadResult plain = readFixture("shapes.svg");
  const SvgReadResult compressed = readFixture("shapes.svgz");
  testing::expectSameDocument(*plain.document, *compressed.document, 0);

  // The gzip magic decides, not the name.
  std::ifstream stream(fixturePath("shapes.svgz"), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  platform::Result<SvgReadResult> named = readSvgBytes(bytes, "compressed-but-named.svg");
  ASSERT_TRUE(named.ok()) << named.error().describe();
  testing::expectSameDocument(*plain.document, *named->document, 0);
}

struct ErrorCase {
  const char* description;
  const char* fixture;
  std::int32_t code;
  const char* where;
  const char* words;
};

TEST(SvgReader, FailuresNameTheFileAndTheLine) {
  const ErrorCase cases[] = {
      {"missing file", "no-such-file.svg", kSvgFileNotFound, "", "does not exist"},
      {"not XML", "malformed-not-xml.svg", kSvgNotXml, ":5", "not well-formed XML"},
      {"not SVG", "malformed-not-svg.svg", kSvgNotSvg, ":2", "<html>"},
      {"broken path data", "malformed-broken-path-data.svg", kSvgBadPathData, ":5", "offset 13 of the d attribute"},
      {"unknown unit", "malformed-unknown-unit.svg", kSvgBadPageSize, ":3", "10furlongs"},
  };
  for (const ErrorCase& testCase : cases) {
    SCOPED_TRACE(testCase.description);
    const std::string file = fixturePath(testCase.fixture).string();
    const platform::Result<SvgReadResult> result = readSvgFile(file);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().code, testCase.code);
    EXPECT_EQ(result.error().where, file + testCase.where);
    EXPECT_NE(result.error().message.find(testCase.words), std::string::npos) << result.error().message;
  }
}

TEST(SvgReader, LinesCountTheSameWithWindowsLineEnds) {
  const platform::Result<SvgReadResult> result = readSnippet(
      "<svg xmlns=\"http://www.w3.org/2000/svg\"\r\n  width=\"10\" height=\"10\">\r\n"
      "<path d=\"M 0 0\r\n L 1 1\"/>\r\n<path d=\"M 0 0 L\"/>\r\n</svg>\r\n");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().code, kSvgBadPathData);
  EXPECT_EQ(result.error().where, "snippet.svg:5");
}

TEST(SvgReader, RefusesEmptyAndDamagedInput) {
  const platform::Result<SvgReadResult> empty = readSnippet("");
  ASSERT_FALSE(empty.ok());
  EXPECT_EQ(empty.error().code, kSvgNotXml);
  EXPECT_EQ(empty.error().where, "snippet.svg:1");
  const platform::Result<SvgReadResult> damaged = readSnippet(std::string("\x1f\x8b\x08\x00garbage", 11));
  ASSERT_FALSE(damaged.ok());
  EXPECT_EQ(damaged.error().code, kSvgReadFailed);
  EXPECT_EQ(damaged.error().where, "snippet.svg");
}

TEST(SvgReader, TellsHowFarItGotAndStopsWhenTold) {
  std::string svg = R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)svg";
  for (int index = 0; index < 5000; ++index) svg += "\n<path d=\"M 0 0 L 1 1\"/>";
  svg += "</svg>";
  std::vector<double> shares;
  platform::Result<SvgReadResult> read = readSvgBytes(svg, "large.svg", [&](double share) {
    shares.push_back(share);
    return true;
  });
  ASSERT_TRUE(read.ok()) << read.error().describe();
  ASSERT_EQ(shares.size(), 4u) << "every 1024th element";
  EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
  EXPECT_GT(shares.front(), 0.15);
  EXPECT_LT(shares.back(), 1.0);

  int calls = 0;
  platform::Result<SvgReadResult> stopped = readSvgBytes(svg, "large.svg", [&](double) { return ++calls < 2; });
  ASSERT_FALSE(stopped.ok());
  EXPECT_EQ(stopped.error().code, kSvgCancelled);
  EXPECT_EQ(stopped.error().where, "large.svg:2049") << "the element the reading stopped at";
}

TEST(SvgReader, DamagedFilesFailOrLoadButNeverCrash) {
  // Fixtures damaged at random (with a fixed seed): each either loads, and then its output loads too, or
  // fails with a place in the source.
  std::mt19937 random(20240611);
  const std::string alphabet = "<>\"'/=-+.0123456789eE#(),;: \nMmLlCcZzAaQqTtSsHhVv%";
  std::vector<std::string> sources;
  for (const char* name : {"shapes.svg", "arcs.svg", "clip-groups.svg", "layers.svg", "text.svg", "transforms.svg"}) {
    std::ifstream stream(fixturePath(name), std::ios::binary);
    sources.emplace_back(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  }
  for (int attempt = 0; attempt < 600; ++attempt) {
    std::string text = sources[random() % sources.size()];
    for (int edit = 0; edit < 3; ++edit) {
      const std::size_t at = random() % text.size();
      switch (random() % 3) {
        case 0: text[at] = alphabet[random() % alphabet.size()]; break;
        case 1: text.erase(at, random() % 8); break;
        default: text.insert(at, text.substr(random() % text.size(), random() % 40)); break;
      }
    }
    SCOPED_TRACE(text);
    const platform::Result<SvgReadResult> result = readSnippet(text);
    if (!result.ok()) {
      EXPECT_TRUE(result.error().where.starts_with("snippet.svg")) << result.error().describe();
      continue;
    }
    const platform::Result<SvgReadResult> reread = readSvgBytes(formatSvg(*result->document).text, "written.svg");
    EXPECT_TRUE(reread.ok()) << reread.error().describe();
  }
}

}  // namespace
}  // namespace host::svg
