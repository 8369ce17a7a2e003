#include "converter/export/DxfColors.h"

#include <gtest/gtest.h>

#include "PaletteReference.h"

namespace converter {
namespace {

using test::ReferenceRgb;

TEST(DxfPalette, EveryEntryFollowsTheRule) {
  const std::array<ReferenceRgb, 256> expected = test::referencePalette();
  const std::array<PaletteColor, 256>& palette = dxfPalette();
  for (size_t index = 0; index < palette.size(); ++index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(palette[index].red, expected[index].red);
    EXPECT_EQ(palette[index].green, expected[index].green);
    EXPECT_EQ(palette[index].blue, expected[index].blue);
  }
}

TEST(DxfPalette, LandmarksAndTheTwoExceptions) {
  struct Entry {
    size_t index;
    PaletteColor color;
  };
  const Entry entries[] = {
      {10, {255, 0, 0}},      // hue 0, full
      {11, {255, 127, 127}},  // hue 0, lighter
      {14, {143, 0, 0}},      // hue 0, third level
      {19, {31, 15, 15}},     // hue 0, lighter at the darkest level: 127 * 31 / 255 is 15
      {20, {255, 63, 0}},     // hue 1: 15 degrees towards yellow
      {56, {87, 74, 0}},      // the rule would give (87, 87, 0)
      {68, {23, 31, 8}},      // the rule would give (23, 31, 0)
      {130, {0, 255, 255}},   // hue 12: cyan
      {249, {31, 15, 19}},    // last hue (255, 0, 63), lighter (255, 127, 159), darkest level
      {250, {42, 42, 42}},
      {255, {255, 255, 255}},
  };
  for (const Entry& entry : entries) {
    SCOPED_TRACE(entry.index);
    const PaletteColor& color = dxfPalette()[entry.index];
    EXPECT_EQ(color.red, entry.color.red);
    EXPECT_EQ(color.green, entry.color.green);
    EXPECT_EQ(color.blue, entry.color.blue);
  }
}

HostColor gray(float value) {
  HostColor color{};
  color.kind = COLOR_KIND_GRAY;
  color.c.gray = value;
  return color;
}

HostColor four(float cyan, float magenta, float yellow, float black) {
  HostColor color{};
  color.kind = COLOR_KIND_FOUR;
  color.c.four = {cyan, magenta, yellow, black};
  return color;
}

HostColor three(float red, float green, float blue) {
  HostColor color{};
  color.kind = COLOR_KIND_THREE;
  color.c.three = {red, green, blue};
  return color;
}

HostColor ofKind(int32_t kind) {
  HostColor color{};
  color.kind = kind;
  return color;
}

TEST(DxfColorNumber, KindsRoundingAndTies) {
  struct Case {
    const char* name;
    HostColor color;
    int16_t expected;
  };
  const Case cases[] = {
      {"pure red ties with entry 10, the lower index wins", three(1, 0, 0), 1},
      {"black", gray(1), 0},
      {"black in four colours", four(0, 0, 0, 1), 0},
      {"white", gray(0), 255},
      {"50 % gray rounds 127.5 up to 128", four(0, 0, 0, 0.5f), 252},
      {"cyan ink", four(1, 0, 0, 0), 4},
      {"inks beyond full black clamp to 0", four(0.5f, 0.5f, 0.5f, 0.8f), 0},
      {"blue light", three(0, 0, 1), 5},
      {"pattern is black", ofKind(COLOR_KIND_PATTERN), 0},
      {"gradient is black", ofKind(COLOR_KIND_GRADIENT), 0},
      {"an unknown kind is black", ofKind(99), 0},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(colorNumber(test.color), test.expected) << test.name;
  }
}

TEST(DxfColorNumber, NearestEntryOfMixedColours) {
  struct Case {
    HostColor color;
    ReferenceRgb rgb;  // the colour's components, worked out by hand
  };
  const Case cases[] = {
      {four(0, 0.5f, 1, 0), {255, 128, 0}},
      {four(0.25f, 0, 0.75f, 0.25f), {128, 191, 0}},  // 127.5 rounds up, 191.25 down, 0 clamps
      {three(0.2f, 0.4f, 0.6f), {51, 102, 153}},
      {gray(0.25f), {191, 191, 191}},  // 191.25
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(testing::Message() << test.rgb.red << "," << test.rgb.green << "," << test.rgb.blue);
    EXPECT_EQ(colorNumber(test.color), test::referenceNearest(test.rgb));
  }
}

}  // namespace
}  // namespace converter
