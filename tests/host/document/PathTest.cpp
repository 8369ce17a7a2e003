#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

#include "host/document/Path.h"
#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

PathSegment curveSegment(HostRealPoint in, HostRealPoint p, HostRealPoint out) { return {p, in, out, false}; }

PathData makePath(const std::vector<PathSegment>& segments, bool closed) {
  PathData path;
  EXPECT_TRUE(path.assignSegments(segments));
  path.setClosed(closed);
  return path;
}

void expectRectNear(const HostRealRect& actual, const HostRealRect& expected) {
  EXPECT_NEAR(actual.left, expected.left, 1e-3);
  EXPECT_NEAR(actual.top, expected.top, 1e-3);
  EXPECT_NEAR(actual.right, expected.right, 1e-3);
  EXPECT_NEAR(actual.bottom, expected.bottom, 1e-3);
}

struct BoundsCase {
  const char* description;
  std::vector<PathSegment> segments;
  bool closed;
  HostRealRect expected;
};

TEST(PathBounds, CoverTheCurvesNotTheirHandles) {
  // Handles reach 100 above (or 60 beside) the chord; the curve's extremum lies at three quarters of that.
  const BoundsCase cases[] = {
      {"hump: top at 0.75 of the handles",
       {curveSegment({0, 0}, {0, 0}, {0, 100}), curveSegment({100, 100}, {100, 0}, {100, 0})},
       false,
       {0, 75, 100, 0}},
      {"loop sideways: right extremum inside the curve",
       {curveSegment({0, 0}, {0, 0}, {60, 30}), curveSegment({60, 30}, {0, 60}, {0, 60})},
       false,
       {0, 60, 45, 0}},
      {"straight line, y downwards", {cornerSegment({10, 20}), cornerSegment({30, -5})}, false, {10, 20, 30, -5}},
      {"open path ignores the handles of its missing closing curve",
       {curveSegment({0, -100}, {0, 0}, {0, 0}), curveSegment({100, 0}, {100, 0}, {100, -100})},
       false,
       {0, 0, 100, 0}},
      {"closed path includes its closing curve",
       {curveSegment({0, -100}, {0, 0}, {0, 0}), curveSegment({100, 0}, {100, 0}, {100, -100})},
       true,
       {0, 0, 100, -75}},
      {"single anchor", {curveSegment({-9, 9}, {5, 5}, {9, -9})}, false, {5, 5, 5, 5}},
  };
  for (const BoundsCase& bounds : cases) {
    SCOPED_TRACE(bounds.description);
    std::optional<HostRealRect> actual = makePath(bounds.segments, bounds.closed).bounds();
    ASSERT_TRUE(actual.has_value());
    expectRectNear(*actual, bounds.expected);
  }
}

TEST(PathBounds, QuarterArcOverTheTopReachesTheCircleNotItsHandles) {
  // One Bezier from 45 to 135 degrees on a circle of radius 50: its top is the circle's top (0, 50) at
  // t = 0.5, while both handles stand higher, at about 54.9.
  constexpr double kRadius = 50;
  const double kappa = 4.0 / 3.0 * std::tan(std::numbers::pi / 8);
  // The point at an angle and the point tangentScale radii along the tangent from it.
  auto onCircle = [&](double degrees, double tangentScale) {
    const double angle = degrees * std::numbers::pi / 180;
    const double h = std::cos(angle);
    const double v = std::sin(angle);
    auto point = [](double x, double y) {
      return HostRealPoint{static_cast<HostReal>(kRadius * x), static_cast<HostReal>(kRadius * y)};
    };
    return std::pair{point(h, v), point(h - tangentScale * v, v + tangentScale * h)};
  };
  auto [start, startOut] = onCircle(45, kappa);
  auto [end, endIn] = onCircle(135, -kappa);
  ASSERT_GT(startOut.v, 54.8f);
  ASSERT_GT(endIn.v, 54.8f);

  std::optional<HostRealRect> bounds =
      makePath({curveSegment(start, start, startOut), curveSegment(endIn, end, end)}, false).bounds();
  ASSERT_TRUE(bounds.has_value());
  const HostReal chord = static_cast<HostReal>(kRadius * std::sqrt(0.5));
  expectRectNear(*bounds, {-chord, 50, chord, chord});
}

TEST(PathBounds, EmptyPathHasNone) { EXPECT_FALSE(PathData{}.bounds().has_value()); }

// The extent is kept once asked for; every change to the curves must be seen by the next question.
TEST(PathBounds, FollowEveryChangeAfterTheyWereAskedFor) {
  auto corner = [](float h, float v) { return curveSegment({h, v}, {h, v}, {h, v}); };
  PathData path = makePath({corner(0, 0), corner(10, 0)}, false);
  expectRectNear(*path.bounds(), {0, 0, 10, 0});

  ASSERT_TRUE(path.insertSegments(2, std::vector{corner(10, 20)}));
  expectRectNear(*path.bounds(), {0, 20, 10, 0});
  ASSERT_TRUE(path.setSegments(0, std::vector{corner(-5, 0)}));
  expectRectNear(*path.bounds(), {-5, 20, 10, 0});
  ASSERT_TRUE(path.deleteSegments(2, 1));
  expectRectNear(*path.bounds(), {-5, 0, 10, 0});
  ASSERT_TRUE(path.assignSegments(std::vector{corner(1, 1)}));
  expectRectNear(*path.bounds(), {1, 1, 1, 1});

  // A closed single anchor draws a loop through its handles: closing it changes the extent.
  ASSERT_TRUE(path.assignSegments(std::vector{curveSegment({0, 0}, {0, 0}, {0, 9})}));
  expectRectNear(*path.bounds(), {0, 0, 0, 0});
  path.setClosed(true);
  EXPECT_GT(path.bounds()->top, 1.0f);
  EXPECT_FALSE(PathData{}.bounds().has_value());
}

TEST(PathSegments, InsertAndDeleteKeepOrder) {
  auto at = [](HostReal h) { return cornerSegment({h, 0}); };
  PathData path = makePath({at(0), at(3)}, false);
  const std::vector<PathSegment> middle{at(1), at(2)};
  ASSERT_TRUE(path.insertSegments(1, middle));
  ASSERT_TRUE(path.insertSegments(4, std::vector{at(4)}));
  ASSERT_TRUE(path.setSegments(0, std::vector{at(-1)}));
  ASSERT_EQ(path.segmentCount(), 5);
  EXPECT_EQ(path.segments()[0], at(-1));
  EXPECT_EQ(path.segments()[2], at(2));
  EXPECT_EQ(path.segments()[4], at(4));
  ASSERT_TRUE(path.deleteSegments(1, 3));
  EXPECT_EQ(path.segments()[0], at(-1));
  EXPECT_EQ(*path.segment(1), at(4));
}

TEST(PathSegments, OutOfRangeOrNonFiniteIsRefusedAndChangesNothing) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::vector<PathSegment> one{cornerSegment({7, 7})};
  const std::vector<PathSegment> two{cornerSegment({7, 7}), cornerSegment({8, 8})};
  const std::vector<PathSegment> notFinite{cornerSegment({std::numeric_limits<HostReal>::infinity(), 0})};
  const std::vector<PathSegment> notANumber{cornerSegment({0, std::nanf("")})};
  struct RefusedCase {
    const char* description;
    std::function<platform::Result<void>(PathData&)> action;
  };
  const RefusedCase cases[] = {
      {"read below 0", [](PathData& path) { return platform::Result<void>(path.segment(-1).error()); }},
      {"read past the end", [](PathData& path) { return platform::Result<void>(path.segment(3).error()); }},
      {"set running past the end", [&](PathData& path) { return path.setSegments(2, two); }},
      {"set below 0", [&](PathData& path) { return path.setSegments(-1, one); }},
      {"set at the largest index", [&](PathData& path) { return path.setSegments(kMax, one); }},
      {"insert past the end", [&](PathData& path) { return path.insertSegments(4, one); }},
      {"insert below 0", [&](PathData& path) { return path.insertSegments(-1, one); }},
      {"delete running past the end", [](PathData& path) { return path.deleteSegments(2, 2); }},
      {"delete below 0", [](PathData& path) { return path.deleteSegments(-1, 1); }},
      {"delete a negative count", [](PathData& path) { return path.deleteSegments(1, -1); }},
      {"delete with overflowing sum", [](PathData& path) { return path.deleteSegments(1, kMax); }},
      {"insert infinity", [&](PathData& path) { return path.insertSegments(0, notFinite); }},
      {"set not-a-number", [&](PathData& path) { return path.setSegments(0, notANumber); }},
      {"assign not-a-number", [&](PathData& path) { return path.assignSegments(notANumber); }},
  };
  for (const RefusedCase& refused : cases) {
    SCOPED_TRACE(refused.description);
    PathData path = makePath({cornerSegment({0, 0}), cornerSegment({1, 1}), cornerSegment({2, 2})}, false);
    const std::vector<PathSegment> before(path.segments().begin(), path.segments().end());
    platform::Result<void> result = refused.action(path);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code, HOST_BAD_PARAMETER);
    EXPECT_EQ(std::vector<PathSegment>(path.segments().begin(), path.segments().end()), before);
  }
}

TEST(PathSegments, CountStaysWithinWhatPluginsCanRead) {
  PathData path;
  std::vector<PathSegment> full(static_cast<std::size_t>(kMaxPathSegments), cornerSegment({1, 2}));
  ASSERT_TRUE(path.assignSegments(full));
  platform::Result<void> oneMore = path.insertSegments(0, std::vector{cornerSegment({3, 4})});
  ASSERT_FALSE(oneMore);
  EXPECT_EQ(oneMore.error().code, HOST_TOO_MANY_POINTS);
  EXPECT_EQ(path.segmentCount(), kMaxPathSegments);

  full.push_back(cornerSegment({3, 4}));
  EXPECT_EQ(path.assignSegments(full).error().code, HOST_TOO_MANY_POINTS);
  EXPECT_EQ(path.segmentCount(), kMaxPathSegments);
}

}  // namespace
}  // namespace host
