#include "host/svg/SvgPage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace host::svg {
namespace {

struct PageCase {
  const char* description;
  PageAttributes attributes;
  std::int32_t width;
  std::int32_t height;
  Point probe;
  Point expected;
};

TEST(SvgPage, LaysOutThePageAndFlipsUserSpace) {
  const PageCase cases[] = {
      // 100 x 50 px is 75 x 37.5 pt, recorded as 75 x 38; y is flipped with the exact height.
      {"pixels without a unit", {"100", "50", {}, {}}, 75, 38, {100, 50}, {75, 0}},
      {"explicit pixels", {"100px", "50px", {}, {}}, 75, 38, {0, 0}, {0, 37.5}},
      {"inches", {"1in", "2in", {}, {}}, 72, 144, {96, 0}, {72, 144}},
      {"points and picas", {"12pt", "1pc", {}, {}}, 12, 12, {16, 16}, {12, 0}},
      {"centimetres", {"2cm", "1cm", {}, {}}, 57, 28, {0, 0}, {0, 28.3465}},
      {"A4 in millimetres with a viewBox in millimetres",
       {"210mm", "297mm", "0 0 210 297", {}},
       595,
       842,
       {210, 297},
       {595.2756, 0}},
      {"viewBox offset", {"100pt", "100pt", "-50 -50 100 100", {}}, 100, 100, {0, 0}, {50, 50}},
      {"viewBox meets the viewport, centred", {"200", "100", "0 0 10 10", {}}, 150, 75, {0, 0}, {37.5, 75}},
      {"xMinYMin puts it at the left", {"200", "100", "0 0 10 10", "xMinYMin"}, 150, 75, {10, 0}, {75, 75}},
      {"xMaxYMid", {"200", "100", "0 0 10 10", "xMaxYMid meet"}, 150, 75, {0, 0}, {75, 75}},
      {"slice fills the viewport", {"200", "100", "0 0 10 10", "xMidYMid slice"}, 150, 75, {0, 5}, {0, 37.5}},
      {"none stretches", {"200", "100", "0 0 10 10", "none"}, 150, 75, {10, 10}, {150, 0}},
      {"size from the viewBox", {{}, {}, "0 0 40 20", {}}, 30, 15, {40, 20}, {30, 0}},
      {"missing height follows the viewBox's ratio", {"80", {}, "0 0 40 20", {}}, 60, 30, {40, 0}, {60, 30}},
      {"nothing given: the default page with pixels", {{}, {}, {}, {}}, 595, 842, {96, 0}, {72, 842}},
      {"per cent of the viewBox", {"100%", "100%", "0 0 40 20", {}}, 30, 15, {40, 0}, {30, 15}},
      {"half of it", {"50%", "50%", "0 0 40 20", {}}, 15, 8, {40, 20}, {15, 0}},
      {"per cent beside an absolute height, centred", {"100%", "30", "0 0 40 20", {}}, 30, 23, {0, 0}, {0, 18.75}},
      {"per cent without a viewBox: the default page", {"100%", "100%", {}, {}}, 595, 842, {96, 0}, {72, 842}},
  };
  for (const PageCase& testCase : cases) {
    SCOPED_TRACE(testCase.description);
    const PageLayoutResult result = layOutPage(testCase.attributes);
    ASSERT_FALSE(result.problem.has_value()) << result.problem->message;
    const PageSetupRecord& record = result.layout.record;
    EXPECT_EQ(record.paper, (PageRect{0, 0, testCase.width, testCase.height}));
    EXPECT_EQ(record.printableArea, record.paper);
    const Point mapped = result.layout.userToArtwork.apply(testCase.probe);
    EXPECT_NEAR(mapped.x, testCase.expected.x, 1e-3);
    EXPECT_NEAR(mapped.y, testCase.expected.y, 1e-3);
    EXPECT_FALSE(result.layout.ignoredAttribute.has_value());
  }
}

struct ProblemCase {
  PageAttributes attributes;
  PageAttribute attribute;
  const char* words;
};

TEST(SvgPage, RefusesSizesWithoutAnAbsoluteUnitOrNotPositive) {
  const ProblemCase cases[] = {
      {{"0%", "100%", "0 0 10 10", {}}, PageAttribute::WIDTH, "\"0%\""},
      {{"100%", "1e30%", "0 0 10 10", {}}, PageAttribute::HEIGHT, "not a usable page size"},
      {{"100", "10furlongs", {}, {}}, PageAttribute::HEIGHT, "absolute unit"},
      {{"2em", "10", {}, {}}, PageAttribute::WIDTH, "absolute unit"},
      {{"0", "10", {}, {}}, PageAttribute::WIDTH, "not a usable page size"},
      {{"10", "-5mm", {}, {}}, PageAttribute::HEIGHT, "not a usable page size"},
      {{"1e30in", "10", {}, {}}, PageAttribute::WIDTH, "not a usable page size"},
  };
  for (const ProblemCase& testCase : cases) {
    SCOPED_TRACE(std::string(testCase.attributes.width.value_or("")) + " x " +
                 std::string(testCase.attributes.height.value_or("")));
    const PageLayoutResult result = layOutPage(testCase.attributes);
    ASSERT_TRUE(result.problem.has_value());
    EXPECT_EQ(result.problem->attribute, testCase.attribute);
    EXPECT_NE(result.problem->message.find(testCase.words), std::string::npos) << result.problem->message;
  }
}

TEST(SvgPage, IgnoresAMalformedViewBox) {
  for (const char* viewBox : {"0 0 10", "0 0 -10 10", "0 0 10 0", "a b c d"}) {
    SCOPED_TRACE(viewBox);
    const PageLayoutResult result = layOutPage({"100", "100", viewBox, {}});
    ASSERT_FALSE(result.problem.has_value());
    EXPECT_EQ(result.layout.ignoredAttribute, std::optional<std::string>("viewBox"));
    const Point mapped = result.layout.userToArtwork.apply({100, 0});
    EXPECT_NEAR(mapped.x, 75, 1e-9) << "pixels, as without a viewBox";
  }
}

}  // namespace
}  // namespace host::svg
