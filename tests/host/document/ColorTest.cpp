#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/document/Color.h"
#include "host/document/Document.h"
#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

void expectFourNear(const FourColor& actual, const FourColor& expected) {
  EXPECT_NEAR(actual.cyan, expected.cyan, 1e-6);
  EXPECT_NEAR(actual.magenta, expected.magenta, 1e-6);
  EXPECT_NEAR(actual.yellow, expected.yellow, 1e-6);
  EXPECT_NEAR(actual.black, expected.black, 1e-6);
}

void expectThreeNear(const ThreeColor& actual, const ThreeColor& expected) {
  EXPECT_NEAR(actual.red, expected.red, 1e-6);
  EXPECT_NEAR(actual.green, expected.green, 1e-6);
  EXPECT_NEAR(actual.blue, expected.blue, 1e-6);
}

void expectValuesNear(const CustomColorValues& actual, const CustomColorValues& expected) {
  ASSERT_EQ(actual.index(), expected.index());
  if (const auto* four = std::get_if<FourColor>(&expected)) {
    expectFourNear(std::get<FourColor>(actual), *four);
  } else {
    expectThreeNear(std::get<ThreeColor>(actual), std::get<ThreeColor>(expected));
  }
}

struct TintCase {
  const char* description;
  CustomColorValues full;
  HostReal tint;
  CustomColorValues painted;
};

TEST(CustomColor, TintMixesTowardsWhite) {
  const FourColor process{0.2f, 0.4f, 0.6f, 0.8f};
  const ThreeColor orange{1, 0.5f, 0};
  const TintCase cases[] = {
      {"process at tint 0 is the full colour", process, 0, process},
      {"process at tint 0.5 has half the ink", process, 0.5f, FourColor{0.1f, 0.2f, 0.3f, 0.4f}},
      {"process at tint 1 has no ink", process, 1, FourColor{0, 0, 0, 0}},
      {"screen at tint 0 is the full colour", orange, 0, orange},
      {"screen at tint 0.5 is halfway to white", orange, 0.5f, ThreeColor{1, 0.75f, 0.5f}},
      {"screen at tint 1 is white", orange, 1, ThreeColor{1, 1, 1}},
  };
  for (const TintCase& tinted : cases) {
    SCOPED_TRACE(tinted.description);
    const CustomColor spot{"Spot", tinted.full};
    std::optional<CustomColorValues> painted = resolveTint({&spot, tinted.tint});
    ASSERT_TRUE(painted.has_value());
    expectValuesNear(*painted, tinted.painted);
  }
}

TEST(CustomColor, DocumentKeepsStableUniqueColoursAndFollowsRedefinition) {
  Document document;
  platform::Result<const CustomColor*> spot = document.newCustomColor({"Spot", FourColor{0, 1, 1, 0}});
  ASSERT_TRUE(spot);
  const CustomColor* address = *spot;
  for (int index = 0; index < 100; ++index) {
    ASSERT_TRUE(document.newCustomColor({"Extra " + std::to_string(index), ThreeColor{0, 0, 0}}));
  }
  EXPECT_EQ(document.findCustomColor("Spot"), address);
  EXPECT_TRUE(document.isLiveCustomColor(address));
  EXPECT_EQ(address->kind(), ColorKind::FOUR);

  EXPECT_EQ(document.newCustomColor({"Spot", ThreeColor{}}).error().code, HOST_DUPLICATE_NAME);
  EXPECT_EQ(document.newCustomColor({"", ThreeColor{}}).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(document.newCustomColor({"Bright", ThreeColor{1.5f, 0, 0}}).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(document.setCustomColor(address, {"Extra 7", ThreeColor{}}).error().code, HOST_DUPLICATE_NAME);

  // A path painted with the colour (red ink) at tint 0.5 follows its redefinition.
  PathStyle style;
  style.stroke.color = TintedCustomColor{address, 0.5f};
  platform::Result<Art*> path = document.newPath(PaintOrder::PLACE_ABOVE_ALL, nullptr, PathData{}, style);
  ASSERT_TRUE(path);
  expectThreeNear(*toThreeColor((*path)->style().stroke.color), {1, 0.5f, 0.5f});
  ASSERT_TRUE(document.setCustomColor(address, {"Spot", ThreeColor{0, 0, 1}}));
  expectThreeNear(*toThreeColor((*path)->style().stroke.color), {0.5f, 0.5f, 1});
}

TEST(CustomColor, StyleWithAnotherDocumentsColourIsRefused) {
  Document document;
  Document stranger;
  const CustomColor* foreign = *stranger.newCustomColor({"Spot", ThreeColor{1, 0, 0}});
  PathStyle style;
  style.fill = {true, TintedCustomColor{foreign, 0}, false};
  EXPECT_EQ(document.newPath(PaintOrder::PLACE_ABOVE_ALL, nullptr, PathData{}, style).error().code, HOST_BAD_HANDLE);
  EXPECT_EQ(document.artCount(), 1u) << "nothing was created";

  Art* path = *document.newArt(ArtType::PATH, PaintOrder::PLACE_ABOVE_ALL, nullptr);
  EXPECT_EQ(path->setStyle(style).error().code, HOST_BAD_HANDLE);
  EXPECT_EQ(path->style(), PathStyle{});
}

TEST(Color, ScreenApproximationOfEachKind) {
  struct ScreenCase {
    const char* description;
    Color color;
    std::optional<ThreeColor> screen;
  };
  const ScreenCase cases[] = {
      {"gray is ink: a quarter is light gray", GrayColor{0.25f}, ThreeColor{0.75f, 0.75f, 0.75f}},
      {"default colour is black", Color{}, ThreeColor{0, 0, 0}},
      {"full black ink", FourColor{0, 0, 0, 1}, ThreeColor{0, 0, 0}},
      {"cyan ink", FourColor{1, 0, 0, 0}, ThreeColor{0, 1, 1}},
      {"screen colour as it is", ThreeColor{0.1f, 0.2f, 0.3f}, ThreeColor{0.1f, 0.2f, 0.3f}},
      {"pattern has none", PatternColor{PatternId{3}}, std::nullopt},
      {"gradient has none", GradientColor{}, std::nullopt},
  };
  for (const ScreenCase& screen : cases) {
    SCOPED_TRACE(screen.description);
    std::optional<ThreeColor> actual = toThreeColor(screen.color);
    ASSERT_EQ(actual.has_value(), screen.screen.has_value());
    if (actual) expectThreeNear(*actual, *screen.screen);
  }
  EXPECT_EQ(Color(PatternColor{}).kind(), ColorKind::PATTERN);
  EXPECT_EQ(Color(ThreeColor{}).kind(), ColorKind::THREE);
  EXPECT_EQ(Color(TintedCustomColor{}).kind(), ColorKind::CUSTOM);
}

}  // namespace
}  // namespace host
