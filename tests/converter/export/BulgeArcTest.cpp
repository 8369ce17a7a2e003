#include "converter/export/BulgeArc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace converter {
namespace {

constexpr double kPi = 3.14159265358979323846;
/// The converter's constants differ from π in the seventh digit; results agree to about that.
constexpr double kAngleTolerance = 3e-6;
constexpr double kLengthTolerance = 1e-5;

double quarterBulge() { return std::tan(kPi / 8); }

struct ArcCase {
  const char* name;
  PolyVertex start;
  PolyVertex end;
  double centreX, centreY, radius, startAngle, endAngle;
};

TEST(BulgeArc, CentreRadiusAndCounterClockwiseAngles) {
  const double root2 = std::sqrt(2.0);
  const ArcCase cases[] = {
      // Counter-clockwise quarter turn from (0, 0) to (10, 0): the centre lies left of the chord, above it.
      {"quarter, counter-clockwise", {0, 0, quarterBulge()}, {10, 0, 0}, 5, 5, 5 * root2, 1.25 * kPi, 1.75 * kPi},
      // The same chord clockwise: the centre lies below, and the DXF arc runs back from the end point.
      {"quarter, clockwise", {0, 0, -quarterBulge()}, {10, 0, 0}, 5, -5, 5 * root2, 0.25 * kPi, 0.75 * kPi},
      // Bulge 1 is a half circle about the chord's middle.
      {"half, counter-clockwise", {0, 0, 1}, {0, 10, 0}, 0, 5, 5, 1.5 * kPi, 0.5 * kPi},
      {"half, clockwise", {0, 0, -1}, {0, 10, 0}, 0, 5, 5, 0.5 * kPi, 1.5 * kPi},
      // Three quarters of a turn (bulge tan(3π/8)) from (10, 0) to (0, 10): about (10, 10), the long way round.
      {"three quarters", {10, 0, std::tan(3 * kPi / 8)}, {0, 10, 0}, 10, 10, 10, 1.5 * kPi, kPi},
  };
  for (const ArcCase& test : cases) {
    SCOPED_TRACE(test.name);
    BulgeArc arc = bulgeArc(test.start, test.end);
    EXPECT_NEAR(arc.centre.x, test.centreX, kLengthTolerance);
    EXPECT_NEAR(arc.centre.y, test.centreY, kLengthTolerance);
    EXPECT_NEAR(arc.radius, test.radius, kLengthTolerance);
    EXPECT_NEAR(arc.startAngle, test.startAngle, kAngleTolerance);
    EXPECT_NEAR(arc.endAngle, test.endAngle, kAngleTolerance);
  }
}

TEST(BulgeArc, EndPointsLieOnTheCircle) {
  for (double bulge : {0.01, 0.3, -0.3, 1.0, -2.5, 8.0}) {
    SCOPED_TRACE(bulge);
    PolyVertex start{3, -4, bulge};
    PolyVertex end{-7, 12, 0};
    BulgeArc arc = bulgeArc(start, end);
    EXPECT_NEAR(std::hypot(start.x - arc.centre.x, start.y - arc.centre.y), arc.radius, 1e-4 * arc.radius);
    EXPECT_NEAR(std::hypot(end.x - arc.centre.x, end.y - arc.centre.y), arc.radius, 1e-4 * arc.radius);
    EXPECT_GE(arc.startAngle, 0);
    EXPECT_GE(arc.endAngle, 0);
  }
}

TEST(ArcSegments, CountStaysWithinTwoAndSixtyThree) {
  // A zero tolerance can never be met: the most segments.
  EXPECT_EQ(arcSegmentCount(100, kPi, 0), kMaximumArcSegments);
  // A tolerance larger than any deviation: the fewest.
  EXPECT_EQ(arcSegmentCount(100, kPi, 1000), kMinimumArcSegments);
  EXPECT_EQ(arcSegmentCount(0, kPi, 0.02), kMinimumArcSegments) << "a point has no deviation";
  // Between the bounds, the count is the first whose segments stay within the tolerance.
  int count = arcSegmentCount(100, kPi / 2, 0.02);
  EXPECT_GT(count, kMinimumArcSegments);
  EXPECT_LT(count, kMaximumArcSegments);
  EXPECT_LT(100 - 100 * std::cos(kPi / 2 / count / 2), 0.02);
  EXPECT_GE(100 - 100 * std::cos(kPi / 2 / (count - 1) / 2), 0.02);
}

TEST(ArcSegments, VerticesRunAlongTheArcFromOneEndToTheOther) {
  PolyVertex start{0, 0, quarterBulge()};
  PolyVertex end{10, 0, 0};
  std::vector<PolyVertex> vertices = arcAsSegments(start, end, 0.02);
  ASSERT_GE(vertices.size(), 3u);
  EXPECT_EQ(static_cast<int>(vertices.size()) - 1, arcSegmentCount(5 * std::sqrt(2.0), kPi / 2, 0.02));
  EXPECT_DOUBLE_EQ(vertices.front().x, 0);
  EXPECT_DOUBLE_EQ(vertices.back().x, 10);
  for (const PolyVertex& vertex : vertices) {
    EXPECT_NEAR(std::hypot(vertex.x - 5, vertex.y - 5), 5 * std::sqrt(2.0), kLengthTolerance);
    EXPECT_LE(vertex.y, 1e-9) << "the counter-clockwise arc from (0, 0) to (10, 0) passes below the chord";
    EXPECT_EQ(vertex.bulge, 0);
  }

  // Clockwise, the same chord bends the other way and is walked from its end.
  std::vector<PolyVertex> clockwise = arcAsSegments({0, 0, -quarterBulge()}, end, 0.02);
  EXPECT_DOUBLE_EQ(clockwise.front().x, 10);
  EXPECT_DOUBLE_EQ(clockwise.back().x, 0);
  for (const PolyVertex& vertex : clockwise) EXPECT_GE(vertex.y, -1e-9);
}

}  // namespace
}  // namespace converter
