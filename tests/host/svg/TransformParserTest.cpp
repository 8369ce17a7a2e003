#include "host/svg/TransformParser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

namespace host::svg {
namespace {

struct TransformCase {
  const char* text;
  Point probe;
  Point expected;
};

TEST(SvgTransformParser, MapsPointsAsSvgDefinesEachFunction) {
  const double tan20 = std::tan(20 * std::numbers::pi / 180);
  const TransformCase cases[] = {
      {"", {3, 4}, {3, 4}},
      {"matrix(1 2 3 4 5 6)", {1, 1}, {9, 12}},
      {"matrix(1,2,3,4,5,6)", {1, 1}, {9, 12}},
      {"translate(10)", {1, 1}, {11, 1}},
      {"translate(10 -5)", {1, 1}, {11, -4}},
      {"scale(2)", {1, 3}, {2, 6}},
      {"scale(2, -1)", {1, 3}, {2, -3}},
      {"rotate(90)", {1, 0}, {0, 1}},
      {"rotate(90 10 10)", {20, 10}, {10, 20}},
      {"skewX(20)", {0, 10}, {10 * tan20, 10}},
      {"skewY(20)", {10, 0}, {10, 10 * tan20}},
      // A list applies right to left to points: scale first, then translate.
      {"translate(10) scale(2)", {1, 1}, {12, 2}},
      {"translate(10),scale(2)", {1, 1}, {12, 2}},
      {"  scale ( 2 )  translate( 10 , 0 )  ", {1, 1}, {22, 2}},
      {"translate(1e1 .5)", {0, 0}, {10, 0.5}},
  };
  for (const TransformCase& testCase : cases) {
    SCOPED_TRACE(testCase.text);
    const std::optional<TransformMatrix> matrix = parseTransformList(testCase.text);
    ASSERT_TRUE(matrix.has_value());
    const Point mapped = matrix->apply(testCase.probe);
    EXPECT_NEAR(mapped.x, testCase.expected.x, 1e-9);
    EXPECT_NEAR(mapped.y, testCase.expected.y, 1e-9);
  }
}

TEST(SvgTransformParser, RefusesMalformedLists) {
  for (const char* text : {"translate(1,2", "rotate()", "rotate(1 2)", "scale(1 2 3)", "skew(3)", "matrix(1 2 3 4 5)",
                           "translate(1 2) junk", "translate 1 2", "scale(a)"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(parseTransformList(text).has_value());
  }
}

TEST(SvgTransformParser, MeanScaleIsTheSquareRootOfTheAreaFactor) {
  const std::optional<TransformMatrix> matrix = parseTransformList("rotate(33) scale(2 8) skewX(10)");
  ASSERT_TRUE(matrix.has_value());
  EXPECT_NEAR(matrix->meanScale(), 4, 1e-12);
}

}  // namespace
}  // namespace host::svg
