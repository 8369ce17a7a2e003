#include "host/text/TextOutlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "host/document/Document.h"
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

testing::ReferenceFont referenceFont(const char* fullName) {
  return testing::ReferenceFont(
      catalog().fonts()[static_cast<std::size_t>(catalog().findByFullName(fullName).value_or(0))].file);
}

// A container's children back to front, the order in which they paint: glyphs in the order of the text.
std::vector<Art*> childrenOf(const Art& container) {
  std::vector<Art*> children;
  for (Art* child = container.lastChild(); child != nullptr; child = child->priorSibling()) children.push_back(child);
  return children;
}

// The union of the bounds of every path below art.
std::optional<HostRealRect> boundsOf(const Art& art) {
  std::optional<HostRealRect> total;
  const auto add = [&](const HostRealRect& box) {
    if (!total) {
      total = box;
      return;
    }
    total->left = std::min(total->left, box.left);
    total->right = std::max(total->right, box.right);
    total->top = std::max(total->top, box.top);
    total->bottom = std::min(total->bottom, box.bottom);
  };
  if (art.type() == ArtType::PATH) {
    if (std::optional<HostRealRect> box = art.path().bounds()) add(*box);
  }
  for (const Art* child : childrenOf(art)) {
    if (std::optional<HostRealRect> box = boundsOf(*child)) add(*box);
  }
  return total;
}

// The signed area of a closed path, its cubic curves sampled as finely as the reference samples the font's.
double sampledArea(const PathData& path) {
  constexpr int kSteps = 64;
  const std::span<const PathSegment> segments = path.segments();
  double total = 0;
  for (std::size_t index = 0; index < segments.size(); ++index) {
    const PathSegment& from = segments[index];
    const PathSegment& to = segments[(index + 1) % segments.size()];
    double x = from.p.h;
    double y = from.p.v;
    for (int step = 1; step <= kSteps; ++step) {
      const double t = static_cast<double>(step) / kSteps;
      const double u = 1 - t;
      const double nextX =
          u * u * u * from.p.h + 3 * u * u * t * from.out.h + 3 * u * t * t * to.in.h + t * t * t * to.p.h;
      const double nextY =
          u * u * u * from.p.v + 3 * u * u * t * from.out.v + 3 * u * t * t * to.in.v + t * t * t * to.p.v;
      total += (x * nextY - nextX * y) / 2;
      x = nextX;
      y = nextY;
    }
  }
  return total;
}

class TextOutlines : public ::testing::Test {
protected:
  Art* addText(HostRealPoint anchor, const char* text, CharacterFeatures features = {}) {
    platform::Result<TextFrameData> frame = makePointText(anchor, text, features);
    EXPECT_TRUE(frame.ok());
    platform::Result<Art*> art = newTextFrame(document, PaintOrder::PLACE_ABOVE_ALL, nullptr, *frame);
    EXPECT_TRUE(art.ok());
    return *art;
  }

  Art* outline(Art& frame) {
    platform::Result<Art*> group = createOutlines(frame, catalog());
    EXPECT_TRUE(group.ok()) << (group.ok() ? "" : group.error().describe());
    return group.ok() ? *group : nullptr;
  }

  Document document;
};

TEST_F(TextOutlines, LetterOIsOneCompoundPathOfTwoClosedContours) {
  CharacterFeatures features;
  features.size = 100;
  Art* frame = addText({50, 60}, "O", features);
  Art* group = outline(*frame);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->type(), ArtType::GROUP);
  EXPECT_EQ(frame->priorSibling(), group);  // directly above (in front of) the frame, which stays

  const std::vector<Art*> glyphs = childrenOf(*group);
  ASSERT_EQ(glyphs.size(), 1u);
  EXPECT_EQ(glyphs[0]->type(), ArtType::COMPOUND_PATH);
  const std::vector<Art*> contours = childrenOf(*glyphs[0]);
  ASSERT_EQ(contours.size(), 2u);
  EXPECT_EQ(referenceFont("DejaVu Sans").contourCount(U'O'), 2);
  for (const Art* contour : contours) {
    EXPECT_EQ(contour->type(), ArtType::PATH);
    EXPECT_TRUE(contour->path().closed());
    EXPECT_GT(contour->path().segmentCount(), 3);
    // FreeType repeats a contour's start point at its end; the closed path holds each anchor once.
    const std::span<const PathSegment> segments = contour->path().segments();
    for (std::size_t index = 0; index < segments.size(); ++index) {
      const PathSegment& next = segments[(index + 1) % segments.size()];
      EXPECT_FALSE(segments[index].p.h == next.p.h && segments[index].p.v == next.p.v) << index;
    }
    EXPECT_TRUE(contour->style().fill.paint);
    EXPECT_FALSE(contour->style().stroke.paint);
    EXPECT_EQ(contour->style().fill.color, Color());
  }

  // The curves themselves, not only their extremes (which lie on the font's points): the enclosed area
  // matches the font's quadratic outline.
  double area = 0;
  for (const Art* contour : contours) area += sampledArea(contour->path());
  EXPECT_NEAR(area, referenceFont("DejaVu Sans").area(U'O') * 100 * 100, 0.5);

  const testing::EmBox box = referenceFont("DejaVu Sans").bbox(U'O');
  const std::optional<HostRealRect> bounds = boundsOf(*group);
  ASSERT_TRUE(bounds.has_value());
  EXPECT_NEAR(bounds->left, 50 + box.left * 100, 0.01);
  EXPECT_NEAR(bounds->right, 50 + box.right * 100, 0.01);
  EXPECT_NEAR(bounds->bottom, 60 + box.bottom * 100, 0.01);
  EXPECT_NEAR(bounds->top, 60 + box.top * 100, 0.01);
}

TEST_F(TextOutlines, FollowsScalesAndTheFrameMatrix) {
  CharacterFeatures features;
  features.size = 50;
  features.horizontalScale = 2;
  features.verticalScale = 0.5f;
  Art* frame = addText({0, 0}, "O", features);
  // A quarter turn to the left, then a move: x' = -y + 300, y' = x + 400.
  platform::Result<TextFrameData*> data = frame->editTextFrame();
  ASSERT_TRUE(data.ok());
  (*data)->matrix = {0, 1, -1, 0, 300, 400};
  Art* group = outline(*frame);
  ASSERT_NE(group, nullptr);

  const testing::EmBox box = referenceFont("DejaVu Sans").bbox(U'O');
  const std::optional<HostRealRect> bounds = boundsOf(*group);
  ASSERT_TRUE(bounds.has_value());
  EXPECT_NEAR(bounds->left, 300 - box.top * 25, 0.01);
  EXPECT_NEAR(bounds->right, 300 - box.bottom * 25, 0.01);
  EXPECT_NEAR(bounds->bottom, 400 + box.left * 100, 0.01);
  EXPECT_NEAR(bounds->top, 400 + box.right * 100, 0.01);
}

TEST_F(TextOutlines, OneContourGlyphsArePlainPathsAndSpacesVanish) {
  CharacterFeatures features;
  features.fillColor = ThreeColor{0, 0, 1};
  features.strokePaint = true;
  features.strokeColor = GrayColor{0.5f};
  features.strokeWidth = 0.25f;
  Art* group = outline(*addText({0, 0}, "l l", features));
  ASSERT_NE(group, nullptr);
  const std::vector<Art*> glyphs = childrenOf(*group);
  ASSERT_EQ(glyphs.size(), 2u);
  for (const Art* glyph : glyphs) {
    EXPECT_EQ(glyph->type(), ArtType::PATH);
    EXPECT_EQ(glyph->style().fill.color, Color(ThreeColor{0, 0, 1}));
    EXPECT_TRUE(glyph->style().stroke.paint);
    EXPECT_EQ(glyph->style().stroke.color, Color(GrayColor{0.5f}));
    EXPECT_EQ(glyph->style().stroke.width, 0.25f);
  }
  // The second "l" sits one "l" and one space further right.
  const testing::ReferenceFont font = referenceFont("DejaVu Sans");
  const double shift = (font.advance(U'l') + font.advance(U' ')) * 12;
  EXPECT_NEAR(glyphs[1]->path().bounds()->left - glyphs[0]->path().bounds()->left, shift, 1e-3);
}

TEST_F(TextOutlines, FallbackGlyphsComeFromTheirOwnFonts) {
  CharacterFeatures features;
  features.size = 100;
  Art* group = outline(*addText({0, 0}, "한", features));
  ASSERT_NE(group, nullptr);
  const testing::EmBox box = referenceFont("NanumGothic").bbox(U'한');
  const std::optional<HostRealRect> bounds = boundsOf(*group);
  ASSERT_TRUE(bounds.has_value());
  EXPECT_NEAR(bounds->left, box.left * 100, 0.01);
  EXPECT_NEAR(bounds->top, box.top * 100, 0.01);
}

TEST_F(TextOutlines, OverflowingAreaLinesAreNotConverted) {
  platform::Result<TextFrameData> frame = makeAreaText({0, 20, 500, 0}, "I\rI\rI");
  ASSERT_TRUE(frame.ok());
  platform::Result<std::vector<GlyphShape>> shapes = outlineGlyphs(*frame, catalog());
  ASSERT_TRUE(shapes.ok());
  ASSERT_EQ(shapes->size(), 1u);
  EXPECT_EQ((*shapes)[0].character, 0);
}

TEST_F(TextOutlines, RefusesOtherArtAndLeavesNothingBehind) {
  platform::Result<Art*> path = document.newArt(ArtType::PATH, PaintOrder::PLACE_ABOVE_ALL, nullptr);
  ASSERT_TRUE(path.ok());
  const std::size_t before = document.artCount();
  platform::Result<Art*> refused = createOutlines(**path, catalog());
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(document.artCount(), before);

  // A custom colour of another document cannot paint this one's paths: refused part way, nothing stays.
  Document other;
  platform::Result<const CustomColor*> foreign = other.newCustomColor({"Foreign", FourColor{0, 1, 0, 0}});
  ASSERT_TRUE(foreign.ok());
  CharacterFeatures features;
  features.fillColor = TintedCustomColor{*foreign, 0};
  Art* frame = addText({0, 0}, "AB", features);
  const std::size_t withFrame = document.artCount();
  EXPECT_FALSE(createOutlines(*frame, catalog()).ok());
  EXPECT_EQ(document.artCount(), withFrame);
}

}  // namespace
}  // namespace host
