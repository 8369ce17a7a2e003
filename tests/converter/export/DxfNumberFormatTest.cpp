#include "converter/export/DxfNumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <locale>
#include <random>
#include <string>
#include <vector>

namespace converter {
namespace {

struct RealCase {
  double value;
  const char* expected;
};

TEST(DxfNumberFormat, RealsAreWrittenLikePrintfPercentF) {
  const RealCase cases[] = {
      {12.5, "12.500000"},
      {0, "0.000000"},
      {-0.5, "-0.500000"},
      {-1234567.25, "-1234567.250000"},
      {1e20, "100000000000000000000.000000"},
      {-3.5e15, "-3500000000000000.000000"},
      // Small negatives keep their sign, as printf writes them.
      {-0.0000004, "-0.000000"},
      {0.0000005000001, "0.000001"},
      // 1/128 = 0.0078125 lies exactly halfway: printf rounds to even.
      {1.0 / 128, "0.007812"},
      {3.0 / 128, "0.023438"},
      {100 * 0.35278, "35.278000"},
  };
  for (const RealCase& test : cases) {
    EXPECT_EQ(formatReal(test.value), test.expected) << test.expected;
    char printed[512];
    std::snprintf(printed, sizeof printed, "%f", test.value);
    EXPECT_EQ(formatReal(test.value), printed) << test.expected;
  }
}

std::string printfReal(double value) {
  char printed[512];
  std::snprintf(printed, sizeof printed, "%f", value);
  return printed;
}

// Coordinates are written in a fast integer form; next to a rounding tie, and beyond 2^52 millionths, the
// general conversion takes over. Every form must agree with printf digit for digit.
TEST(DxfNumberFormat, RealsAgreeWithPrintfAcrossMagnitudesAndNearTies) {
  std::vector<double> values;
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> unit(-1, 1);
  for (int exponent = -12; exponent <= 18; ++exponent) {
    for (int draw = 0; draw < 2000; ++draw) values.push_back(unit(random) * std::pow(10.0, exponent));
  }
  for (int step = -2000; step <= 2000; ++step) {
    const double half = (step + 0.5) / 1e6;  // a half millionth, as near as a double comes
    values.insert(values.end(), {half, std::nextafter(half, 0.0), std::nextafter(half, 1e9), step / 256.0,
                                 step * 0.35278, step * 1e9 + 0.0000005});
  }
  values.insert(values.end(), {0.0, -0.0, 0x1p52 / 1e6, std::nextafter(0x1p52 / 1e6, 0.0), 4503599627.3705595,
                               1e-300, -1e-300, 9.9999995e-7, 0.9999995, 999999.9999995});
  for (double value : values) ASSERT_EQ(formatReal(value), printfReal(value)) << value;
}

TEST(DxfNumberFormat, PutRealStopsAtTheEndOfTheRoom) {
  char room[16];
  EXPECT_EQ(putReal(room, room + 9, 12.5), room + 9);
  EXPECT_EQ(std::string(room, 9), "12.500000");
  EXPECT_EQ(putReal(room, room + 8, 12.5), nullptr);
  EXPECT_EQ(putReal(room, room + 16, 1e300), nullptr);
}

TEST(DxfNumberFormat, LargestRealIsWrittenInFull) {
  std::string text = formatReal(-1.7976931348623157e308);
  EXPECT_EQ(text.size(), 1 + 309 + 1 + 6u);
  EXPECT_EQ(text.substr(0, 5), "-1797");
  EXPECT_EQ(text.substr(text.size() - 7), ".000000");
}

/// A locale that writes a decimal comma and groups thousands.
struct CommaNumbers : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(DxfNumberFormat, IgnoresTheGlobalLocale) {
  std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaNumbers));
  std::string real = formatReal(-1234.5);
  std::string integer = formatInteger(1234567);
  std::locale::global(previous);
  EXPECT_EQ(real, "-1234.500000");
  EXPECT_EQ(integer, "1234567");
}

TEST(DxfNumberFormat, IntegerConversions) {
  EXPECT_EQ(formatInteger(-7), "-7");
  EXPECT_EQ(formatInteger(256), "256");
  EXPECT_EQ(formatRightAligned(3, 6), "     3");
  EXPECT_EQ(formatRightAligned(-3, 6), "    -3");
  EXPECT_EQ(formatRightAligned(1234567, 6), "1234567");
  EXPECT_EQ(formatRightAligned(10, 3), " 10");
  EXPECT_EQ(formatZeroPadded(7, 3), "007");
  EXPECT_EQ(formatZeroPadded(256, 3), "256");
  EXPECT_EQ(formatZeroPadded(1000, 3), "1000");
  EXPECT_EQ(formatZeroPadded(-7, 3), "-007");
  EXPECT_EQ(formatHexadecimal(10, 4), "000A");
  EXPECT_EQ(formatHexadecimal(0xAB, 2), "AB");
  EXPECT_EQ(formatHexadecimal(0x1FFFF, 4), "1FFFF");
}

}  // namespace
}  // namespace converter
