// The rewrites of a segment's vertex list: line optimization and arc smoothing on lists with known answers,
// and the sweep rule both rely on.

#include "converter/export/PendingSimplification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "converter/export/BulgeArc.h"

namespace converter {
namespace {

using plugin::WorkPoint;

constexpr double kTolerance = 0.02;

/// count + 1 points on the circle around centre, from angle `from` turning by `sweep`.
std::vector<PolyVertex> onCircle(WorkPoint centre, double radius, double from, double sweep, int count) {
  std::vector<PolyVertex> points;
  for (int index = 0; index <= count; ++index) {
    double angle = from + sweep * index / count;
    points.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle), 0});
  }
  return points;
}

/// The signed sweep of the arc a vertex's bulge describes.
double sweepOf(const PolyVertex& vertex) { return 4 * std::atan(vertex.bulge); }

TEST(SweepRule, ThroughOrAroundTheMiddlePoint) {
  struct Case {
    const char* name;
    WorkPoint start, end, via;
    double through;
    double avoiding;
  };
  const double half = M_PI / 2;
  const Case cases[] = {
      {"quarter counter-clockwise", {1, 0}, {0, 1}, {0.7071, 0.7071}, half, -(6.283186 - half)},
      {"quarter clockwise", {0, 1}, {1, 0}, {0.7071, 0.7071}, -half, 6.283186 - half},
      {"three quarters", {1, 0}, {0, -1}, {-1, 0}, 6.283186 - half, -half},
      {"across the negative axis", {-0.7071, 0.7071}, {-0.7071, -0.7071}, {-1, 0}, half, -(6.283186 - half)},
  };
  for (const Case& expected : cases) {
    EXPECT_NEAR(sweepThrough({0, 0}, expected.start, expected.end, expected.via), expected.through, 1e-4)
        << expected.name;
    EXPECT_NEAR(sweepAvoiding({0, 0}, expected.start, expected.end, expected.via), expected.avoiding, 1e-4)
        << expected.name;
  }
}

TEST(CircleThrough, ThreePointsOrNone) {
  ThreePointCircle circle = circleThrough({10, 0}, {0, 10}, {-10, 0});
  ASSERT_TRUE(circle.ok);
  EXPECT_NEAR(circle.centre.x, 0, 1e-12);
  EXPECT_NEAR(circle.centre.y, 0, 1e-12);
  EXPECT_NEAR(circle.radius, 10, 1e-12);
  EXPECT_FALSE(circleThrough({0, 0}, {1, 1}, {2, 2}).ok);
  EXPECT_FALSE(circleThrough({0, 0}, {0, 0}, {2, 2}).ok);
  EXPECT_FALSE(circleThrough({0, 5}, {0, 6}, {0, -3}).ok);  // a vertical line
}

TEST(OptimizeLines, CollinearPointsCollapseAndCornersStay) {
  std::vector<PolyVertex> straight{{0, 0, 0}, {1, 0, 0}, {2, 0.001, 0}, {3, 0, 0}, {4, 0, 0}};
  optimizeLines(straight, kTolerance);
  ASSERT_EQ(straight.size(), 2u);
  EXPECT_EQ(straight[1].x, 4);

  std::vector<PolyVertex> bent{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}, {2, 3, 0}};
  optimizeLines(bent, kTolerance);
  ASSERT_GE(bent.size(), 3u);
  EXPECT_EQ(bent.front().x, 0);
  EXPECT_EQ(bent[1].x, 2);  // the corner
  EXPECT_EQ(bent[1].y, 0);
  EXPECT_EQ(bent.back().y, 3);

  std::vector<PolyVertex> two{{0, 0, 0.5}, {1, 1, 0}};
  optimizeLines(two, kTolerance);
  EXPECT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].bulge, 0.5);
}

TEST(SmoothArcs, APolylineOnAQuarterCircleComesBackAsOneArc) {
  std::vector<PolyVertex> points = onCircle({20, 30}, 50, 0.3, M_PI / 2, 8);
  smoothArcs(points, kTolerance);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_NEAR(sweepOf(points[0]), M_PI / 2, 1e-9);
  EXPECT_EQ(points[1].bulge, 0);
  // The arc's circle, as the writer computes it with its decimal π.
  BulgeArc arc = bulgeArc(points[0], points[1]);
  EXPECT_NEAR(arc.centre.x, 20, 1e-4);
  EXPECT_NEAR(arc.centre.y, 30, 1e-4);
  EXPECT_NEAR(arc.radius, 50, 1e-4);
}

TEST(SmoothArcs, MergedArcsStayBelowAHalfTurn) {
  // A clockwise half circle of 16 chords: arcs merge up to 157.5 degrees, the last triple stands alone.
  std::vector<PolyVertex> points = onCircle({0, 0}, 10, M_PI, -M_PI, 16);
  smoothArcs(points, kTolerance);
  ASSERT_EQ(points.size(), 3u);
  // The sweep rule's 2π is 6.283186.
  EXPECT_NEAR(sweepOf(points[0]), -M_PI * 14 / 16, 1e-5);
  EXPECT_NEAR(sweepOf(points[1]), -M_PI * 2 / 16, 1e-5);
  double total = 0;
  for (size_t index = 0; index + 1 < points.size(); ++index) {
    total += sweepOf(points[index]);
    EXPECT_NEAR(bulgeArc(points[index], points[index + 1]).radius, 10, 1e-4);
  }
  EXPECT_NEAR(total, -M_PI, 1e-5);
}

TEST(SmoothArcs, ALeftOverPointJoinsTheArcBeforeItOrGetsItsOwn) {
  // Four points on one circle: the leftover point continues the first triple's arc.
  std::vector<PolyVertex> onOne = onCircle({0, 0}, 10, 0, 0.9, 3);
  smoothArcs(onOne, kTolerance);
  ASSERT_EQ(onOne.size(), 2u);
  EXPECT_NEAR(sweepOf(onOne[0]), 0.9, 1e-9);

  // The fourth point leaves the circle: an arc from the third point to it, over the last three points.
  std::vector<PolyVertex> leaving = onCircle({0, 0}, 10, 0, 0.6, 2);
  leaving.push_back({5, 12, 0});
  smoothArcs(leaving, kTolerance);
  ASSERT_EQ(leaving.size(), 3u);
  EXPECT_NEAR(sweepOf(leaving[0]), 0.6, 1e-9);
  EXPECT_NEAR(leaving[1].x, 10 * std::cos(0.6), 1e-12);
  ThreePointCircle last =
      circleThrough({10 * std::cos(0.3), 10 * std::sin(0.3)}, {leaving[1].x, leaving[1].y}, {5, 12});
  EXPECT_NEAR(bulgeArc(leaving[1], leaving[2]).radius, last.radius, last.radius * 1e-4);
  EXPECT_EQ(leaving[2].x, 5);
}

TEST(SmoothArcs, CollinearTriplesStayStraight) {
  std::vector<PolyVertex> line{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}};
  smoothArcs(line, kTolerance);
  ASSERT_EQ(line.size(), 3u);
  for (const PolyVertex& vertex : line) EXPECT_EQ(vertex.bulge, 0);
  EXPECT_EQ(line[1].x, 2);
  EXPECT_EQ(line[2].x, 4);
}

TEST(SmoothArcs, ACuspKeepsItsTipInsteadOfLoopingAround) {
  // A flattened curve that runs out to (10, 0) and turns back: no arc through the three points follows it.
  std::vector<PolyVertex> cusp{{0, 0, 0}, {10, 0, 0}, {9, 0.05, 0}, {8, 0.15, 0}, {7, 0.3, 0}};
  smoothArcs(cusp, kTolerance);
  // The arcs that remain bend gently; a loop around the cusp would sweep nearly a full turn.
  for (const PolyVertex& vertex : cusp) EXPECT_LT(std::fabs(sweepOf(vertex)), M_PI / 4);
  ASSERT_EQ(cusp.size(), 4u);
  EXPECT_EQ(cusp[1].x, 10);  // the tip stays a corner
  EXPECT_EQ(cusp[1].y, 0);
  EXPECT_EQ(cusp[0].bulge, 0);

  // Straight out and straight back: the tip stays too.
  std::vector<PolyVertex> back{{0, 0, 0}, {4, 0, 0}, {2, 0, 0}};
  smoothArcs(back, kTolerance);
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[1].x, 4);
}

}  // namespace
}  // namespace converter
