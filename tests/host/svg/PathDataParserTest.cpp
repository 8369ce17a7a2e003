#include "host/svg/PathDataParser.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "host/svg/NumberScanner.h"

namespace host::svg {
namespace {

struct ExpectedSubpath {
  Point start;
  std::vector<CubicCurve> curves;
  bool closed = false;
};

CubicCurve line(Point from, Point to) { return lineCurve(from, to); }

void expectPointEq(Point actual, Point expected, const std::string& what) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
  EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
}

void expectGeometry(const PathGeometry& actual, const std::vector<ExpectedSubpath>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t index = 0; index < expected.size(); ++index) {
    const std::string subpath = "subpath " + std::to_string(index);
    expectPointEq(actual[index].start, expected[index].start, subpath + " start");
    EXPECT_EQ(actual[index].closed, expected[index].closed) << subpath;
    ASSERT_EQ(actual[index].curves.size(), expected[index].curves.size()) << subpath;
    for (std::size_t curve = 0; curve < expected[index].curves.size(); ++curve) {
      const std::string what = subpath + " curve " + std::to_string(curve);
      expectPointEq(actual[index].curves[curve].control1, expected[index].curves[curve].control1, what + " control 1");
      expectPointEq(actual[index].curves[curve].control2, expected[index].curves[curve].control2, what + " control 2");
      expectPointEq(actual[index].curves[curve].end, expected[index].curves[curve].end, what + " end");
    }
  }
}

struct ValidCase {
  const char* description;
  const char* data;
  std::vector<ExpectedSubpath> expected;
};

TEST(SvgPathDataParser, ReadsEveryCommandForm) {
  const ValidCase cases[] = {
      {"absolute line", "M 10 20 L 30 40", {{{10, 20}, {line({10, 20}, {30, 40})}}}},
      {"relative moveto repeats as relative lines",
       "m 10 20 30 40 -10 0",
       {{{10, 20}, {line({10, 20}, {40, 60}), line({40, 60}, {30, 60})}}}},
      {"absolute moveto repeats as absolute lines",
       "M1 1 2 2 3 1",
       {{{1, 1}, {line({1, 1}, {2, 2}), line({2, 2}, {3, 1})}}}},
      {"horizontal and vertical, both forms, closed",
       "M0,0H10V5h-5v-5Z",
       {{{0, 0}, {line({0, 0}, {10, 0}), line({10, 0}, {10, 5}), line({10, 5}, {5, 5}), line({5, 5}, {5, 0})}, true}}},
      {"exponent, leading point and a second point ending a number",
       "M1e1-.5.5.5",
       {{{10, -0.5}, {line({10, -0.5}, {0.5, 0.5})}}}},
      {"explicit plus signs", "M+1,-2e+1", {{{1, -20}, {}}}},
      {"repeated line commands without letters",
       "M0 0 L1 0 2 0",
       {{{0, 0}, {line({0, 0}, {1, 0}), line({1, 0}, {2, 0})}}}},
      {"smooth cubic reflects the previous handle",
       "M0 0 C 10 0 20 10 20 20 S 30 40 40 40",
       {{{0, 0}, {{{10, 0}, {20, 10}, {20, 20}}, {{20, 30}, {30, 40}, {40, 40}}}}}},
      {"smooth cubic without a cubic before starts at the current point",
       "M0 0 S 10 10 20 0",
       {{{0, 0}, {{{0, 0}, {10, 10}, {20, 0}}}}}},
      {"relative cubic", "M10 10 c 10 0 20 10 20 20", {{{10, 10}, {{{20, 10}, {30, 20}, {30, 30}}}}}},
      {"quadratic raised to a cubic", "M0 0 Q 30 30 60 0", {{{0, 0}, {{{20, 20}, {40, 20}, {60, 0}}}}}},
      {"smooth quadratic reflects the previous control point",
       "M0 0 Q 30 30 60 0 T 120 0",
       {{{0, 0}, {{{20, 20}, {40, 20}, {60, 0}}, {{80, -20}, {100, -20}, {120, 0}}}}}},
      {"smooth quadratic after a line is a straight curve",
       "M0 0 L 30 0 t 30 0",
       {{{0, 0}, {line({0, 0}, {30, 0}), {{30, 0}, {40, 0}, {60, 0}}}}}},
      {"drawing after closepath starts a subpath at the closed one's start",
       "M10 10 l 10 0 0 10 z l 5 5",
       {{{10, 10}, {line({10, 10}, {20, 10}), line({20, 10}, {20, 20})}, true},
        {{10, 10}, {line({10, 10}, {15, 15})}}}},
      {"relative moveto after closepath is relative to the subpath start",
       "M10 10 h 5 z m 1 1 h 2",
       {{{10, 10}, {line({10, 10}, {15, 10})}, true}, {{11, 11}, {line({11, 11}, {13, 11})}}}},
      {"several movetos", "M0 0L1 1M5 5L6 6", {{{0, 0}, {line({0, 0}, {1, 1})}}, {{5, 5}, {line({5, 5}, {6, 6})}}}},
      {"a lone moveto is a subpath without curves", "M 5 5", {{{5, 5}, {}}}},
      {"empty data", "", {}},
      {"blank data", " \t\r\n ", {}},
      {"an arc of zero radius is a line", "M0 0 A 0 5 0 0 1 10 0", {{{0, 0}, {line({0, 0}, {10, 0})}}}},
      {"an arc to the current point draws nothing", "M3 3 A 5 5 0 0 1 3 3", {{{3, 3}, {}}}},
  };
  for (const ValidCase& testCase : cases) {
    SCOPED_TRACE(testCase.description);
    const ParsedPathData parsed = parsePathData(testCase.data);
    ASSERT_FALSE(parsed.error.has_value()) << parsed.error->reason << " at " << parsed.error->offset;
    expectGeometry(parsed.geometry, testCase.expected);
  }
}

TEST(SvgPathDataParser, ReadsArcFlagsWrittenWithoutSeparators) {
  // "1010 0": large-arc 1, sweep 0, then the end point 10 0; a half circle of two quarter-turn pieces.
  const ParsedPathData parsed = parsePathData("M0 0a5 5 0 1010 0");
  ASSERT_FALSE(parsed.error.has_value());
  ASSERT_EQ(parsed.geometry.size(), 1u);
  ASSERT_EQ(parsed.geometry[0].curves.size(), 2u);
  expectPointEq(parsed.geometry[0].curves[1].end, {10, 0}, "end");
  // Sweep 0 runs through negative angles: from (0, 0) about (5, 0) that passes through (5, 5).
  expectPointEq(parsed.geometry[0].curves[0].end, {5, 5}, "middle");
}

struct BrokenCase {
  const char* description;
  const char* data;
  std::size_t offset;
  const char* reason;
};

TEST(SvgPathDataParser, ReportsWhereAndWhyDataBreaks) {
  const BrokenCase cases[] = {
      {"no moveto first", "L 10 10", 0, "must start with a moveto"},
      {"missing coordinate at the end", "M 10", 4, "expected a number"},
      {"letter where a number belongs", "M 10 10 L 20 x 30", 13, "expected a number"},
      {"arc flag other than 0 or 1", "M 0 0 A 5 5 0 2 0 10 10", 14, "arc flag"},
      {"numbers after closepath", "M 0 0 Z 5", 8, "expected a command letter"},
      {"unknown command", "M 0 0 K 1 1", 6, "unknown command 'K'"},
      {"a number too large for a coordinate", "M 1e999 0", 2, "expected a number"},
      {"two commas in a row", "M 0,,0", 4, "expected a number"},
      {"infinity is no number", "M inf 0", 2, "expected a number"},
  };
  for (const BrokenCase& testCase : cases) {
    SCOPED_TRACE(testCase.description);
    const ParsedPathData parsed = parsePathData(testCase.data);
    ASSERT_TRUE(parsed.error.has_value());
    EXPECT_EQ(parsed.error->offset, testCase.offset);
    EXPECT_NE(parsed.error->reason.find(testCase.reason), std::string::npos) << parsed.error->reason;
  }
}

TEST(SvgPathDataParser, KeepsTheGeometryBeforeABreak) {
  const ParsedPathData parsed = parsePathData("M 0 0 L 10 0 L 10 x");
  ASSERT_TRUE(parsed.error.has_value());
  ASSERT_EQ(parsed.geometry.size(), 1u);
  EXPECT_EQ(parsed.geometry[0].curves.size(), 1u);
}

}  // namespace
}  // namespace host::svg

namespace host::svg {
namespace {

// Short decimals are read by a fast exact path, the rest by the general conversion; every number must come
// out as the correctly rounded double, bit for bit what std::from_chars gives.
TEST(SvgNumbers, DecimalsReadExactlyAsTheGeneralConversionReadsThem) {
  std::vector<std::string> texts = {"0",        "-0",         "+7",          "0.1",      "-.5",        "12.",
                                    "1e3",      "1.5E-3",     "3.14159265358979323846", "9007199254740993",
                                    "0.30000000000000004",    "123456789012345.678",   "1e-400",  "4.9e-324",
                                    "0.0000000000000000000001", "00000000000000000000001.5"};
  std::mt19937_64 random(20261210);
  for (int draw = 0; draw < 20000; ++draw) {
    const int integerDigits = static_cast<int>(random() % 12);
    const int fractionDigits = static_cast<int>(random() % 24);
    std::string text = random() % 2 == 0 ? "-" : "";
    for (int digit = 0; digit < integerDigits; ++digit) text += static_cast<char>('0' + random() % 10);
    if (fractionDigits > 0 || integerDigits == 0) text += '.';
    for (int digit = 0; digit < fractionDigits || (integerDigits == 0 && digit == 0); ++digit) {
      text += static_cast<char>('0' + random() % 10);
    }
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    std::optional<double> read = parseNumber(text);
    ASSERT_TRUE(read.has_value()) << text;
    const char* first = text.data() + (text.front() == '+' ? 1 : 0);
    double expected = 0;
    const std::from_chars_result parsed = std::from_chars(first, text.data() + text.size(), expected);
    if (parsed.ec == std::errc::result_out_of_range) expected = 0;  // too small reads as zero
    EXPECT_EQ(std::signbit(*read), std::signbit(expected) && parsed.ec == std::errc()) << text;
    EXPECT_EQ(*read, expected) << text;
  }
}

}  // namespace
}  // namespace host::svg
