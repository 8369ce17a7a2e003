#include "host/svg/CssColor.h"

#include <gtest/gtest.h>

#include <optional>

namespace host::svg {
namespace {

struct ColorCase {
  const char* text;
  RgbColor expected;
};

TEST(SvgCssColor, ReadsEveryForm) {
  const ColorCase cases[] = {
      {"#f80", {255, 136, 0}},
      {"#FF8800", {255, 136, 0}},
      {"#0a0B0c", {10, 11, 12}},
      {"rgb(255, 0, 10)", {255, 0, 10}},
      {"rgb(255,0,10)", {255, 0, 10}},
      {"RGB( 1 , 2 , 3 )", {1, 2, 3}},
      {"rgb(100%, 50%, 0%)", {255, 128, 0}},
      {"rgb(300, -5, 0)", {255, 0, 0}},
      {"red", {255, 0, 0}},
      {"Red", {255, 0, 0}},
      {"  navy  ", {0, 0, 128}},
      {"aliceblue", {240, 248, 255}},
      {"gray", {128, 128, 128}},
      {"grey", {128, 128, 128}},
      {"green", {0, 128, 0}},
      {"lime", {0, 255, 0}},
      {"lightgoldenrodyellow", {250, 250, 210}},
      {"yellowgreen", {154, 205, 50}},
  };
  for (const ColorCase& testCase : cases) {
    SCOPED_TRACE(testCase.text);
    const std::optional<RgbColor> color = parseCssColor(testCase.text);
    ASSERT_TRUE(color.has_value());
    EXPECT_EQ(*color, testCase.expected);
  }
}

TEST(SvgCssColor, RefusesWhatIsNoColour) {
  for (const char* text : {"", "#", "#ff", "#ffff", "#gggggg", "rgb(1,2)", "rgb(10%, 20, 30)", "rgb(1,2,3",
                           "rgb(1,2,3,4)", "notacolour", "none", "currentColor", "url(#g)"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(parseCssColor(text).has_value());
  }
}

TEST(SvgCssColor, KnowsAllSvgColourKeywords) {
  EXPECT_EQ(namedColorCount(), 147u);
  EXPECT_FALSE(namedColor("Red").has_value()) << "look-ups take lower case";
  EXPECT_FALSE(namedColor("rebeccapurple").has_value()) << "not an SVG 1.1 keyword";
}

}  // namespace
}  // namespace host::svg
