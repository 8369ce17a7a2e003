#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "host/document/PathStyle.h"
#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

struct DashCase {
  const char* description;
  HostReal offset;
  std::vector<HostReal> lengths;
  bool accepted;
};

TEST(DashPattern, HoldsAtMostSixFiniteNonNegativeLengths) {
  const HostReal infinity = std::numeric_limits<HostReal>::infinity();
  const DashCase cases[] = {
      {"solid", 0, {}, true},
      {"six lengths", 1.5f, {6, 3, 2, 3, 1, 0}, true},
      {"seven lengths", 0, {6, 3, 2, 3, 1, 3, 4}, false},
      {"negative length", 0, {6, -3}, false},
      {"not-a-number length", 0, {6, std::nanf("")}, false},
      {"infinite offset", infinity, {6, 3}, false},
  };
  for (const DashCase& dash : cases) {
    SCOPED_TRACE(dash.description);
    platform::Result<DashPattern> pattern = DashPattern::make(dash.offset, dash.lengths);
    ASSERT_EQ(static_cast<bool>(pattern), dash.accepted);
    if (dash.accepted) {
      EXPECT_EQ(pattern->offset(), dash.offset);
      EXPECT_EQ(std::vector<HostReal>(pattern->lengths().begin(), pattern->lengths().end()), dash.lengths);
      EXPECT_EQ(pattern->isSolid(), dash.lengths.empty());
    } else {
      EXPECT_EQ(pattern.error().code, HOST_BAD_PARAMETER);
    }
  }
}

TEST(PathStyle, DefaultsAreABlackOnePointStrokeWithoutFill) {
  const PathStyle style;
  EXPECT_FALSE(style.fill.paint);
  EXPECT_TRUE(style.stroke.paint);
  EXPECT_EQ(style.stroke.color, Color(GrayColor{1}));
  EXPECT_EQ(style.stroke.width, 1.0f);
  EXPECT_EQ(style.stroke.miterLimit, 4.0f);
  EXPECT_TRUE(style.stroke.dash.isSolid());
  EXPECT_TRUE(validatePathStyle(style));
}

TEST(PathStyle, ValidationRefusesValuesNoStrokeCanHave) {
  struct StyleCase {
    const char* description;
    void (*change)(PathStyle&);
  };
  const StyleCase cases[] = {
      {"negative width", [](PathStyle& style) { style.stroke.width = -1; }},
      {"miter limit below 1", [](PathStyle& style) { style.stroke.miterLimit = 0.5f; }},
      {"unknown cap", [](PathStyle& style) { style.stroke.cap = static_cast<LineCap>(3); }},
      {"unknown join", [](PathStyle& style) { style.stroke.join = static_cast<LineJoin>(-1); }},
      {"gray above 1", [](PathStyle& style) { style.fill.color = GrayColor{1.5f}; }},
      {"custom colour missing", [](PathStyle& style) { style.stroke.color = TintedCustomColor{nullptr, 0}; }},
  };
  for (const StyleCase& invalid : cases) {
    SCOPED_TRACE(invalid.description);
    PathStyle style;
    invalid.change(style);
    platform::Result<void> result = validatePathStyle(style);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code, HOST_BAD_PARAMETER);
  }
}

}  // namespace
}  // namespace host
