#include "host/svg/SvgStyle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace host::svg {
namespace {

const LengthContext kContext{10, 200, 100};

SvgStyle applied(std::string_view name, std::string_view value, const SvgStyle& parent = {}) {
  SvgStyle style = inheritedStyle(parent);
  EXPECT_EQ(applyDeclaration(style, parent, name, value, kContext), DeclarationOutcome::APPLIED)
      << name << ": " << value;
  return style;
}

TEST(SvgStyle, InheritsOnlyInheritedProperties) {
  SvgStyle parent;
  parent.fill = Paint{PaintKind::COLOR, {255, 0, 0}, {}, PaintKind::NONE, {}};
  parent.strokeWidth = 3;
  parent.opacity = 0.5;
  parent.displayNone = true;
  parent.clipPath = "clip";
  parent.filter = true;
  const SvgStyle child = inheritedStyle(parent);
  EXPECT_EQ(child.fill.color, (RgbColor{255, 0, 0}));
  EXPECT_EQ(child.strokeWidth, 3);
  EXPECT_EQ(child.opacity, 1);
  EXPECT_FALSE(child.displayNone);
  EXPECT_TRUE(child.clipPath.empty());
  EXPECT_FALSE(child.filter);
}

TEST(SvgStyle, ReadsPropertyValues) {
  EXPECT_EQ(applied("fill", "none").fill.kind, PaintKind::NONE);
  EXPECT_EQ(applied("fill", "currentColor").fill.kind, PaintKind::CURRENT_COLOR);
  const Paint reference = applied("fill", "url(#gradient) #00ff00").fill;
  EXPECT_EQ(reference.kind, PaintKind::REFERENCE);
  EXPECT_EQ(reference.reference, "gradient");
  EXPECT_EQ(reference.fallbackKind, PaintKind::COLOR);
  EXPECT_EQ(reference.fallbackColor, (RgbColor{0, 255, 0}));
  EXPECT_EQ(applied("stroke", "url('#g')").stroke.reference, "g");
  EXPECT_DOUBLE_EQ(applied("opacity", "50%").opacity, 0.5);
  EXPECT_DOUBLE_EQ(applied("fill-opacity", "1.5").fillOpacity, 1);
  EXPECT_TRUE(applied("fill-rule", "evenodd").fillEvenOdd);
  EXPECT_DOUBLE_EQ(applied("stroke-width", "1in").strokeWidth, 96);
  EXPECT_DOUBLE_EQ(applied("stroke-width", "2em").strokeWidth, 20);
  EXPECT_NEAR(applied("stroke-width", "10%").strokeWidth, 0.1 * std::sqrt((200.0 * 200 + 100 * 100) / 2), 1e-9);
  EXPECT_EQ(applied("stroke-dasharray", "5, 3 2").dashArray, (std::vector<double>{5, 3, 2}));
  EXPECT_TRUE(applied("stroke-dasharray", "0 0").dashArray.empty()) << "a pattern adding up to zero is solid";
  EXPECT_DOUBLE_EQ(applied("stroke-dashoffset", "-4").dashOffset, -4);
  EXPECT_DOUBLE_EQ(applied("stroke-miterlimit", "10").miterLimit, 10);
  EXPECT_EQ(applied("stroke-linecap", "square").lineCap, LineCap::PROJECTING);
  EXPECT_EQ(applied("stroke-linejoin", "bevel").lineJoin, LineJoin::BEVEL);
  EXPECT_FALSE(applied("visibility", "hidden").visible);
  EXPECT_TRUE(applied("display", "none").displayNone);
  EXPECT_EQ(applied("clip-path", "url(#c)").clipPath, "c");
  EXPECT_EQ(applied("font-family", "'DejaVu Sans', sans-serif").fontFamily, "DejaVu Sans");
  EXPECT_EQ(applied("font-family", "Nimbus Roman, serif").fontFamily, "Nimbus Roman");
  EXPECT_DOUBLE_EQ(applied("font-size", "12pt").fontSize, 16);
  SvgStyle big;
  big.fontSize = 20;
  EXPECT_DOUBLE_EQ(applied("font-size", "150%", big).fontSize, 30);
  EXPECT_DOUBLE_EQ(applied("font-size", "2em", big).fontSize, 40);
  EXPECT_EQ(applied("text-anchor", "middle").textAnchor, TextAnchor::MIDDLE);
  EXPECT_TRUE(applied("marker-end", "url(#arrow)").markers);
  EXPECT_TRUE(applied("filter", "url(#blur)").filter);
  EXPECT_FALSE(applied("mask", "none").mask);
}

TEST(SvgStyle, RefusesInvalidValuesAndKeepsThePropertyAsItWas) {
  struct InvalidCase {
    const char* name;
    const char* value;
  };
  const InvalidCase cases[] = {{"fill", "bogus"},        {"fill", "url(#g) bogus"},    {"stroke-width", "-1"},
                               {"stroke-width", "3 px"}, {"stroke-dasharray", "5,-1"}, {"stroke-miterlimit", "0.5"},
                               {"opacity", "half"},      {"stroke-linecap", "flat"},   {"clip-path", "#c"},
                               {"font-size", "-3"},      {"fill-rule", "odd"}};
  for (const InvalidCase& testCase : cases) {
    SCOPED_TRACE(std::string(testCase.name) + ": " + testCase.value);
    SvgStyle style;
    const SvgStyle before = style;
    EXPECT_EQ(applyDeclaration(style, {}, testCase.name, testCase.value, kContext), DeclarationOutcome::INVALID_VALUE);
    EXPECT_EQ(style.strokeWidth, before.strokeWidth);
    EXPECT_EQ(style.fill.kind, before.fill.kind);
    EXPECT_TRUE(style.dashArray.empty());
  }
  SvgStyle style;
  EXPECT_EQ(applyDeclaration(style, {}, "line-height", "1.25", kContext), DeclarationOutcome::UNKNOWN_PROPERTY);
}

TEST(SvgStyle, StyleAttributeAppliesDeclarationsInOrder) {
  SvgStyle parent;
  parent.strokeWidth = 7;
  SvgStyle style = inheritedStyle(parent);
  style.strokeWidth = 2;
  std::vector<std::string> invalid;
  applyStyleAttribute(style, parent,
                      " fill : #ff0000 ; stroke-width:inherit;FILL-OPACITY:0.5 !important;stroke:bogus;;opacity:0.25;",
                      kContext, invalid);
  EXPECT_EQ(style.fill.color, (RgbColor{255, 0, 0}));
  EXPECT_EQ(style.strokeWidth, 7) << "inherit takes the parent's value";
  EXPECT_DOUBLE_EQ(style.fillOpacity, 0.5) << "names are case-insensitive and !important is dropped";
  EXPECT_DOUBLE_EQ(style.opacity, 0.25);
  EXPECT_EQ(invalid, (std::vector<std::string>{"stroke"}));
}

}  // namespace
}  // namespace host::svg
