// The plane geometry both plug-ins share: the helpers' edge cases, line and segment measurements, and the arcs
// that one plug-in builds and the other recognises.

#include "plugin-common/PlaneGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "plugin-common/ArcGeometry.h"
#include "plugin-common/BezierWeightTables.h"

namespace plugin {
namespace {

/// A point narrowed to the host's 4-byte reals and widened again in one function, as path conversion does.
[[gnu::noinline]] WorkPoint throughArtPoint(WorkPoint point) {
  ArtPoint narrowed = toArt(point);
  return {narrowed.x, narrowed.y};
}

// Some optimisers drop a narrowing that is widened again; conversion results would then depend on inlining.
TEST(PlaneGeometry, APointNarrowedAndWidenedAgainKeepsTheRounding) {
  EXPECT_EQ(throughArtPoint({0.1, 0.3}), (WorkPoint{0.1f, 0.3f}));
}

TEST(PlaneGeometry, TheHostsSegmentKeepsItsPointsAndCornerFlag) {
  HostPathSegment host{{1.5f, -2}, {3, 4.25f}, {-5, 6}, 1};
  EXPECT_EQ(fromHost(host), (PathSegment{{1.5f, -2}, {3, 4.25f}, {-5, 6}, 1}));
}

TEST(PlaneGeometry, ElementaryHelpersAtTheirEdges) {
  struct RoundCase {
    double value;
    int32_t rounded;
  };
  const RoundCase rounding[] = {{2.5, 3},
                                {-2.5, -3},
                                {2.4999, 2},
                                {-2.4999, -2},
                                {0.0, 0},
                                {-0.5, -1},
                                {0.5, 1},
                                {1e12, std::numeric_limits<int32_t>::max()},
                                {-1e12, std::numeric_limits<int32_t>::min()}};
  for (const RoundCase& expected : rounding) {
    EXPECT_EQ(roundHalfAway(expected.value), expected.rounded) << expected.value;
  }
  EXPECT_EQ(roundHalfAway(std::nan("")), 0);

  struct PowerCase {
    double base;
    int32_t exponent;
    double small;    // powSmall
    double integer;  // powInt
  };
  const PowerCase powers[] = {{2, -1, 1.0, 0.5}, {2, 0, 1.0, 1.0},     {2, 10, 1024, 1024},
                              {-3, 3, -27, -27}, {10, -3, 1.0, 0.001}, {1.5, 2, 2.25, 2.25}};
  for (const PowerCase& expected : powers) {
    EXPECT_DOUBLE_EQ(powSmall(expected.base, static_cast<int16_t>(expected.exponent)), expected.small)
        << expected.exponent;
    EXPECT_DOUBLE_EQ(powInt(expected.base, expected.exponent), expected.integer) << expected.exponent;
  }
  EXPECT_DOUBLE_EQ(powInt(1.0, std::numeric_limits<int32_t>::min()), 1.0);  // the magnitude does not overflow

  EXPECT_EQ(sign(0.0), 1);
  EXPECT_EQ(sign(-0.0), 1);
  EXPECT_EQ(sign(-1e-300), -1);
  EXPECT_TRUE(nearlyEqual(1.0, 1.00009));
  EXPECT_FALSE(nearlyEqual(1.0, 1.0001001));
  EXPECT_EQ(toArt({1.0000000001, -2.5}), (ArtPoint{1.0f, -2.5f}));
  EXPECT_DOUBLE_EQ(distance({0, 0}, {3, 4}), 5);
  EXPECT_DOUBLE_EQ(angleTo({1, 1}, {0, 1}), std::atan2(0.0, -1.0));  // π itself, not -π
}

TEST(PlaneGeometry, TheDecimalConstantsAreThoseOfThePlugins) {
  EXPECT_EQ(kPi, 3.141593);
  EXPECT_EQ(kTwoPi, 6.283186);
  EXPECT_EQ(kHalfPi, 1.570796);
  EXPECT_EQ(kArcHalfPi, 1.5707965);
  EXPECT_EQ(kQuarterPi, 0.78539825);
  EXPECT_EQ(kSnapQuarterPi, 0.7853981635);
  EXPECT_EQ(kArcSweepLimit, 1.5708965);
}

TEST(PlaneGeometry, LinesMeetOrAreParallel) {
  struct Case {
    const char* name;
    WorkPoint a1, a2, p, b1, b2, q;
    WorkPoint point;
    bool ok;
  };
  const Case cases[] = {
      {"diagonals", {0, 0}, {1, 1}, {0, 0}, {0, 0}, {1, -1}, {0, 4}, {2, 2}, true},
      {"first vertical", {5, 0}, {5, 1}, {3, 9}, {0, 0}, {1, 2}, {0, 1}, {3, 7}, true},
      {"second vertical", {0, 0}, {2, 1}, {0, 1}, {7, 7}, {7, 8}, {-4, 0}, {-4, -1}, true},
      {"parallel", {0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, 5}, {0, 5}, false},
      {"both vertical", {0, 0}, {0, 1}, {0, 0}, {1, 0}, {1, 3}, {9, 9}, {9, 9}, false},
  };
  for (const Case& expected : cases) {
    LineCrossing crossing = lineIntersect(expected.a1, expected.a2, expected.p, expected.b1, expected.b2, expected.q);
    EXPECT_EQ(crossing.ok, expected.ok) << expected.name;
    EXPECT_NEAR(crossing.point.x, expected.point.x, 1e-12) << expected.name;
    EXPECT_NEAR(crossing.point.y, expected.point.y, 1e-12) << expected.name;
  }
}

TEST(PlaneGeometry, DistanceToASegmentUsesTheFootOrTheNearerEnd) {
  struct Case {
    const char* name;
    WorkPoint a, b, p;
    double distance;
    WorkPoint foot;
  };
  const Case cases[] = {
      {"above a horizontal", {0, 0}, {10, 0}, {4, 3}, 3, {4, 0}},
      {"beside a vertical", {0, 0}, {0, 10}, {-2, 5}, 2, {0, 5}},
      {"on a diagonal's normal", {0, 0}, {4, 4}, {0, 4}, std::sqrt(8.0), {2, 2}},
      {"beyond the end b", {0, 0}, {10, 0}, {13, 4}, 5, {10, 0}},
      {"before the end a", {0, 0}, {4, 4}, {-3, -4}, 5, {0, 0}},
      {"degenerate", {1, 1}, {1, 1}, {4, 5}, 5, {1, 1}},
  };
  for (const Case& expected : cases) {
    SegmentDistance found = distanceToSegment(expected.a, expected.b, expected.p);
    EXPECT_NEAR(found.distance, expected.distance, 1e-12) << expected.name;
    EXPECT_NEAR(found.foot.x, expected.foot.x, 1e-12) << expected.name;
    EXPECT_NEAR(found.foot.y, expected.foot.y, 1e-12) << expected.name;
  }
}

TEST(PlaneGeometry, TheTwoRotationsTurnOppositeWays) {
  WorkPoint counter = rotatePointCounterClockwise({10, 0}, {0, 0}, kHalfPi);
  WorkPoint clockwise = rotatePointClockwise({10, 0}, {0, 0}, kHalfPi);
  EXPECT_NEAR(counter.x, 0, 1e-5);
  EXPECT_NEAR(counter.y, 10, 1e-9);
  EXPECT_NEAR(clockwise.x, 0, 1e-5);
  EXPECT_NEAR(clockwise.y, -10, 1e-9);
  WorkPoint around = rotatePointCounterClockwise({3, 1}, {2, 1}, kPi);
  EXPECT_NEAR(around.x, 1, 1e-9);
  EXPECT_NEAR(around.y, 1, 1e-6);
}

/// The Bezier of an arc from a to b around centre, as arcToBezier builds it.
std::pair<PathSegment, PathSegment> builtArc(WorkPoint centre, WorkPoint a, WorkPoint b) {
  PathSegment s{};
  PathSegment t{};
  EXPECT_TRUE(arcToBezier(centre, a, b, s, t));
  return {s, t};
}

TEST(ArcGeometry, AQuarterCircleIsBuiltWithTheQuarterRatioAndRecognised) {
  EXPECT_DOUBLE_EQ(arcHandleRatio(kArcHalfPi), kQuarterArcHandleRatio);
  auto [s, t] = builtArc({0, 0}, {100, 0}, {0, 100});
  // Tangents meet at (100, 100); the handles are 0.552277 of the way there.
  EXPECT_NEAR(s.out.x, 100, 1e-4);
  EXPECT_NEAR(s.out.y, 55.2277, 1e-3);
  EXPECT_NEAR(t.in.x, 55.2277, 1e-3);
  EXPECT_NEAR(t.in.y, 100, 1e-4);
  for (ArcTolerance tolerance : {ArcTolerance::DRAFTING, ArcTolerance::CONVERTER}) {
    SegmentCircle circle = arcFromBezier(s, t, tolerance);
    ASSERT_TRUE(circle.ok);
    EXPECT_NEAR(circle.centre.x, 0, 1e-3);
    EXPECT_NEAR(circle.centre.y, 0, 1e-3);
    EXPECT_NEAR(circle.radius, 100, 1e-3);
  }
}

TEST(ArcGeometry, TheBulgeIsTheTangentOfAQuarterOfTheSweepWithItsSign) {
  EXPECT_EQ(bulgeOfSweep(0), 0.0);
  EXPECT_DOUBLE_EQ(bulgeOfSweep(std::numbers::pi), 1.0);  // a half circle
  EXPECT_DOUBLE_EQ(bulgeOfSweep(-std::numbers::pi / 2), -std::tan(std::numbers::pi / 8));
}

TEST(ArcGeometry, BuiltArcsOfEverySweepUpToAQuarterAreRecognisedBothWays) {
  const WorkPoint centre{37, -12};
  for (double start : {0.3, 2.0, -2.9, -1.0}) {
    for (double sweep : {0.2, 0.7, 1.2, 1.5707}) {
      for (double direction : {1.0, -1.0}) {
        WorkPoint a{centre.x + 80 * std::cos(start), centre.y + 80 * std::sin(start)};
        double end = start + direction * sweep;
        WorkPoint b{centre.x + 80 * std::cos(end), centre.y + 80 * std::sin(end)};
        auto [s, t] = builtArc(centre, a, b);
        SegmentCircle circle = arcFromBezier(s, t, ArcTolerance::CONVERTER);
        EXPECT_TRUE(circle.ok) << start << " " << sweep << " " << direction;
        EXPECT_NEAR(circle.radius, 80, 0.01);
      }
    }
  }
}

TEST(ArcGeometry, SegmentsThatAreNoArcs) {
  struct Case {
    const char* name;
    PathSegment s, t;
  };
  const Case cases[] = {
      // Handles retracted onto their anchors.
      {"retracted", {{0, 100}, {0, 100}, {0, 100}, 0}, {{100, 0}, {100, 0}, {100, 0}, 0}},
      // The handles of a quarter circle, but twice as long.
      {"long handles", {{100, 0}, {100, 0}, {100, 110.4554f}, 0}, {{0, 100}, {110.4554f, 100}, {0, 100}, 0}},
      // More than a quarter turn: the handles point away from the short way.
      {"wrong way round", {{100, 0}, {100, 0}, {100, -55.2277f}, 0}, {{0, 100}, {-55.2277f, 100}, {0, 100}, 0}},
      // Both handles vertical.
      {"vertical handles", {{0, 0}, {0, 0}, {0, 10}, 0}, {{10, 0}, {10, 10}, {10, 0}, 0}},
  };
  for (const Case& expected : cases) {
    EXPECT_FALSE(arcFromBezier(expected.s, expected.t, ArcTolerance::DRAFTING).ok) << expected.name;
    EXPECT_FALSE(arcFromBezier(expected.s, expected.t, ArcTolerance::CONVERTER).ok) << expected.name;
  }
}

TEST(ArcGeometry, CircleToleranceGrowsWithTheRadius) {
  // Horizontal out-handle at (0, r) and vertical in-handle at (r + dr, 0): the normals meet at the origin and
  // the two radii differ by dr.
  auto segmentPair = [](float radius, float difference) {
    PathSegment s{{0, radius}, {0, radius}, {10, radius}, 0};
    PathSegment t{{radius + difference, 10}, {radius + difference, 10}, {radius + difference, 0}, 0};
    t.anchor = {radius + difference, 0};
    return std::pair{s, t};
  };
  struct Case {
    float radius;
    float difference;
    bool drafting;
    bool converter;
  };
  const Case cases[] = {
      {50, 0.0099f, true, true},                                 // within 0.01 (and r × 0.001 = 0.05)
      {50, 0.0101f, false, true},                                // beyond 0.01, within 0.05
      {100, 0.0099f, true, true},  {100, 0.0101f, false, true},  // at 100 points the drafting tolerance is still 0.01
      {200, 0.0199f, true, true},                                // above 100 points: r / 10000 = 0.02
      {200, 0.0230f, false, true}, {200, 0.25f, false, false},   // beyond r × 0.001 = 0.2
  };
  for (const Case& expected : cases) {
    auto [s, t] = segmentPair(expected.radius, expected.difference);
    SegmentCircle drafting = circleFromSegment(s, t, ArcTolerance::DRAFTING);
    SegmentCircle converter = circleFromSegment(s, t, ArcTolerance::CONVERTER);
    EXPECT_EQ(drafting.ok, expected.drafting) << expected.radius << " " << expected.difference;
    EXPECT_EQ(converter.ok, expected.converter) << expected.radius << " " << expected.difference;
    if (drafting.ok) {
      EXPECT_NEAR(drafting.radius, expected.radius + expected.difference / 2, 1e-4);
    }
  }
}

TEST(ArcGeometry, TheConverterTakesANearlyFlatHandleAsFlat) {
  // Both handles rise by 0.0005: exactly, the normals are steep and meet far below; the converter takes both as
  // vertical, and two vertical normals have no circle.
  PathSegment s{{0, 0}, {0, 0}, {10, 0.0005f}, 0};
  PathSegment t{{20, 0}, {10, 0.0005f}, {20, 0}, 0};
  EXPECT_TRUE(circleFromSegment(s, t, ArcTolerance::DRAFTING).ok);
  EXPECT_FALSE(circleFromSegment(s, t, ArcTolerance::CONVERTER).ok);
  // Parallel normals have no circle.
  PathSegment u{{0, 0}, {0, 0}, {10, 10}, 0};
  PathSegment v{{50, 0}, {40, -10}, {50, 0}, 0};
  EXPECT_FALSE(circleFromSegment(u, v, ArcTolerance::DRAFTING).ok);
  EXPECT_FALSE(circleFromSegment(u, v, ArcTolerance::CONVERTER).ok);
}

TEST(ArcGeometry, NoBezierForTwoVerticalOrParallelTangents) {
  PathSegment s{{1, 1}, {2, 2}, {3, 3}, 7};
  PathSegment t = s;
  EXPECT_FALSE(arcToBezier({0, 0}, {10, 0}, {-10, 0}, s, t));  // both tangents vertical
  EXPECT_FALSE(arcToBezier({0, 0}, {0, 10}, {0, -10}, s, t));  // a half turn: parallel tangents
  EXPECT_EQ(s, (PathSegment{{1, 1}, {2, 2}, {3, 3}, 7}));
  // Fields other than the anchors and the inner handles stay as they were.
  ASSERT_TRUE(arcToBezier({0, 0}, {10, 0}, {0, 10}, s, t));
  EXPECT_EQ(s.in, (ArtPoint{2, 2}));
  EXPECT_EQ(s.corner, 7);
  EXPECT_EQ(t.out, (ArtPoint{3, 3}));
}

TEST(BezierWeightTables, EndsAreExactAndPointsLieOnTheCurve) {
  BezierWeights weights;
  fillBezierWeights(weights);
  EXPECT_EQ(weights.screen.steps, 32);
  EXPECT_EQ(weights.measure.steps, 64);
  EXPECT_EQ(weights.screen.bernsteinA[0], 1.0);
  EXPECT_EQ(weights.screen.bernsteinB[0], 0.0);
  EXPECT_EQ(weights.screen.bernsteinA[32], 0.0);
  EXPECT_EQ(weights.measure.bernsteinB[64], 0.0);
  EXPECT_DOUBLE_EQ(weights.measure.bernsteinA[16], 0.75 * 0.75 * 0.75);
  EXPECT_DOUBLE_EQ(weights.measure.bernsteinB[16], 3 * 0.25 * 0.75 * 0.75);
  // The middle of a symmetric curve: (p0 + 3 p1 + 3 p2 + p3) / 8.
  WorkPoint middle = weights.screen.pointAt(16, {0, 0}, {0, 8}, {8, 8}, {8, 0});
  EXPECT_DOUBLE_EQ(middle.x, 4);
  EXPECT_DOUBLE_EQ(middle.y, 6);
  EXPECT_EQ(weights.measure.pointAt(64, {0, 0}, {0, 8}, {8, 8}, {8, 1}), (WorkPoint{8, 1}));
  // Steps beyond the ends are the ends; an unfilled table has no curve but its start.
  EXPECT_EQ(weights.measure.pointAt(65, {0, 0}, {0, 8}, {8, 8}, {8, 1}), (WorkPoint{8, 1}));
  EXPECT_EQ(weights.measure.pointAt(-1, {2, 3}, {0, 8}, {8, 8}, {8, 1}), (WorkPoint{2, 3}));
  EXPECT_EQ(BezierWeightTable{}.pointAt(1, {2, 3}, {0, 8}, {8, 8}, {8, 1}), (WorkPoint{2, 3}));
}

TEST(BezierWeightTables, StepsAreKeptWithinTheTable) {
  BezierWeightTable table;
  fillBezierWeights(table, 500);
  EXPECT_EQ(table.steps, kMostBezierSteps);
  EXPECT_EQ(table.bernsteinA[kMostBezierSteps], 0.0);
  fillBezierWeights(table, 0);
  EXPECT_EQ(table.steps, 1);
  EXPECT_EQ(table.bernsteinA[0], 1.0);
  EXPECT_EQ(table.bernsteinA[1], 0.0);
}

}  // namespace
}  // namespace plugin
