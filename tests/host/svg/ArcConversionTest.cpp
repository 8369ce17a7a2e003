#include "host/svg/ArcConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace host::svg {
namespace {

Point evaluate(Point from, const CubicCurve& curve, double t) {
  const double s = 1 - t;
  const double a = s * s * s;
  const double b = 3 * s * s * t;
  const double c = 3 * s * t * t;
  const double d = t * t * t;
  return {a * from.x + b * curve.control1.x + c * curve.control2.x + d * curve.end.x,
          a * from.y + b * curve.control1.y + c * curve.control2.y + d * curve.end.y};
}

// Points along all curves of an arc, 32 per curve.
std::vector<Point> sample(Point from, const std::vector<CubicCurve>& curves) {
  std::vector<Point> points;
  for (const CubicCurve& curve : curves) {
    for (int step = 0; step <= 32; ++step) points.push_back(evaluate(from, curve, step / 32.0));
    from = curve.end;
  }
  return points;
}

std::vector<CubicCurve> convert(const EndpointArc& arc) {
  std::vector<CubicCurve> curves;
  appendArcCurves(arc, curves);
  return curves;
}

TEST(SvgArcConversion, QuarterCircleHasTheKnownControlPoints) {
  // The classic quarter circle: handles at 4/3 tan(pi/8) = 0.5523 of the radius along the tangents.
  const std::vector<CubicCurve> curves = convert({{1, 0}, 1, 1, 0, false, true, {0, 1}});
  ASSERT_EQ(curves.size(), 1u);
  const double handle = 4.0 / 3.0 * std::tan(std::numbers::pi / 8);
  EXPECT_NEAR(handle, 0.5522847498, 1e-9);
  EXPECT_NEAR(curves[0].control1.x, 1, 1e-12);
  EXPECT_NEAR(curves[0].control1.y, handle, 1e-12);
  EXPECT_NEAR(curves[0].control2.x, handle, 1e-12);
  EXPECT_NEAR(curves[0].control2.y, 1, 1e-12);
  EXPECT_EQ(curves[0].end, (Point{0, 1}));
}

struct TurnCase {
  const char* description;
  EndpointArc arc;
  std::size_t pieces;
};

TEST(SvgArcConversion, SplitsIntoPiecesOfAtMostAQuarterTurn) {
  const double rootHalf = std::sqrt(0.5);
  const TurnCase cases[] = {
      {"a quarter turn is one piece", {{1, 0}, 1, 1, 0, false, true, {0, 1}}, 1},
      {"45 degrees", {{1, 0}, 1, 1, 0, false, true, {rootHalf, rootHalf}}, 1},
      {"just over a quarter turn", {{1, 0}, 1, 1, 0, false, true, {-0.1, std::sqrt(0.99)}}, 2},
      {"half a turn", {{1, 0}, 1, 1, 0, false, true, {-1, 0}}, 2},
      {"three quarters", {{1, 0}, 1, 1, 0, true, true, {0, -1}}, 3},
      {"almost a full turn", {{1, 0}, 1, 1, 0, true, true, {std::cos(-0.01), std::sin(-0.01)}}, 4},
  };
  for (const TurnCase& testCase : cases) {
    SCOPED_TRACE(testCase.description);
    const std::vector<CubicCurve> curves = convert(testCase.arc);
    ASSERT_EQ(curves.size(), testCase.pieces);
    // Every piece spans at most 90 degrees about the centre (0, 0), and every point lies on the circle.
    Point from = testCase.arc.from;
    for (const CubicCurve& curve : curves) {
      const double turn = std::abs(
          std::remainder(std::atan2(curve.end.y, curve.end.x) - std::atan2(from.y, from.x), 2 * std::numbers::pi));
      EXPECT_LE(turn, kMaxArcPieceRadians + 1e-9);
      from = curve.end;
    }
    for (Point point : sample(testCase.arc.from, curves)) EXPECT_NEAR(std::hypot(point.x, point.y), 1, 3e-4);
    EXPECT_EQ(curves.back().end, testCase.arc.to);
  }
}

struct FlagCase {
  bool largeArc;
  bool sweep;
  Point centre;
  Point middle;
};

TEST(SvgArcConversion, FlagsChooseTheCentreAndTheWayRound) {
  // From (0, 0) to (10, 0) with radius 10: the centres lie at (5, +-8.66); the small arc turns 60 degrees,
  // the large one 300. Sweep 1 runs through increasing angles (clockwise on an SVG page, y downwards).
  const double h = std::sqrt(75.0);
  const FlagCase cases[] = {
      {false, false, {5, -h}, {5, 10 - h}},
      {false, true, {5, h}, {5, h - 10}},
      {true, false, {5, h}, {5, h + 10}},
      {true, true, {5, -h}, {5, -h - 10}},
  };
  for (const FlagCase& testCase : cases) {
    SCOPED_TRACE(std::string("large ") + (testCase.largeArc ? "1" : "0") + ", sweep " + (testCase.sweep ? "1" : "0"));
    const EndpointArc arc{{0, 0}, 10, 10, 0, testCase.largeArc, testCase.sweep, {10, 0}};
    const std::vector<CubicCurve> curves = convert(arc);
    EXPECT_EQ(curves.size(), testCase.largeArc ? 4u : 1u);
    double nearestToMiddle = 1e9;
    for (Point point : sample(arc.from, curves)) {
      EXPECT_NEAR(std::hypot(point.x - testCase.centre.x, point.y - testCase.centre.y), 10, 3e-3);
      nearestToMiddle = std::min(nearestToMiddle, std::hypot(point.x - testCase.middle.x, point.y - testCase.middle.y));
    }
    EXPECT_LT(nearestToMiddle, 0.2);
  }
}

TEST(SvgArcConversion, HandlesDegenerateRadii) {
  SCOPED_TRACE("end point equal to the start: nothing");
  EXPECT_TRUE(convert({{4, 4}, 5, 5, 0, false, true, {4, 4}}).empty());

  for (const EndpointArc& arc :
       {EndpointArc{{0, 0}, 0, 5, 0, false, true, {10, 5}}, EndpointArc{{0, 0}, 5, 0, 30, true, false, {10, 5}}}) {
    SCOPED_TRACE("a zero radius: one straight line");
    const std::vector<CubicCurve> curves = convert(arc);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].control1, arc.from);
    EXPECT_EQ(curves[0].control2, arc.to);
    EXPECT_EQ(curves[0].end, arc.to);
  }

  SCOPED_TRACE("radii too small: scaled until the chord is a diameter, whatever the large-arc flag");
  for (bool largeArc : {false, true}) {
    const EndpointArc arc{{0, 0}, 1, 1, 0, largeArc, true, {10, 0}};
    const std::vector<CubicCurve> curves = convert(arc);
    ASSERT_EQ(curves.size(), 2u);
    for (Point point : sample(arc.from, curves)) EXPECT_NEAR(std::hypot(point.x - 5, point.y), 5, 2e-3);
  }

  SCOPED_TRACE("negative radii count as positive");
  const std::vector<CubicCurve> negative = convert({{1, 0}, -1, -1, 0, false, true, {0, 1}});
  const std::vector<CubicCurve> positive = convert({{1, 0}, 1, 1, 0, false, true, {0, 1}});
  ASSERT_EQ(negative.size(), positive.size());
  EXPECT_EQ(negative[0].control1, positive[0].control1);
}

TEST(SvgArcConversion, RotatesTheEllipse) {
  // An ellipse 20 x 10 turned by 90 degrees: its long axis runs along y, so (0, 0) to (0, 40) is half of it.
  const EndpointArc arc{{0, 0}, 20, 10, 90, false, true, {0, 40}};
  const std::vector<CubicCurve> curves = convert(arc);
  ASSERT_EQ(curves.size(), 2u);
  for (Point point : sample(arc.from, curves)) {
    const double u = (point.y - 20) / 20;
    const double v = point.x / 10;
    EXPECT_NEAR(u * u + v * v, 1, 2e-3);
  }
  // Sweep 1 runs clockwise on the page (y downwards): from the top end of the long axis through +x.
  EXPECT_NEAR(curves[0].end.x, 10, 1e-9);
  EXPECT_NEAR(curves[0].end.y, 20, 1e-9);
}

}  // namespace
}  // namespace host::svg
