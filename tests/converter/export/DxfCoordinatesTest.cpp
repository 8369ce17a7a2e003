#include "converter/export/DxfCoordinates.h"

#include <gtest/gtest.h>

#include "plugin-common/ConverterOptions.h"

namespace converter {
namespace {

TEST(UnitFactor, PointsToInchesOrMillimetresDividedByTheScale) {
  EXPECT_DOUBLE_EQ(unitFactorFor(plugin::UNITS_INCHES, 1.0f), 0.0138889);
  EXPECT_DOUBLE_EQ(unitFactorFor(plugin::UNITS_MILLIMETERS, 1.0f), 0.35278);
  EXPECT_DOUBLE_EQ(unitFactorFor(plugin::UNITS_MILLIMETERS, 2.5f), 0.35278 / 2.5);
  EXPECT_DOUBLE_EQ(unitFactorFor(plugin::UNITS_INCHES, 0.5f), 0.0277778);
  // 72 points make an inch, within the converter's rounding of the factor.
  EXPECT_NEAR(72 * unitFactorFor(plugin::UNITS_INCHES, 1.0f), 1.0, 1e-5);
}

TEST(UnitFactor, DegreesUseTheConvertersCircleConstant) {
  EXPECT_DOUBLE_EQ(toDegrees(3.141593), 180.0);
  EXPECT_DOUBLE_EQ(toDegrees(-3.141593 / 2), -90.0);
}

struct PlacementCase {
  int16_t orgnMode;
  double originX, originY;
  double minimumX, minimumY, maximumX, maximumY;
};

TEST(DrawingPlacement, EachPointOfOriginOnAKnownPageSetup) {
  // Letter paper 612 × 792 with a 576 × 756 printable area: left margin 18, top margin 30, so the bottom
  // margin is 792 − 786 = 6. The ruler origin lies at (10, 20).
  ExportPage page;
  page.paper = {0, 0, 612, 792};
  page.printableArea = {18, 30, 594, 786};
  page.pageOrigin = {10, 20};
  const double k = 0.35278;
  const PlacementCase cases[] = {
      {plugin::ORIGIN_RULER, 0, 0, 10 * k, 20 * k, 586 * k, 776 * k},
      {plugin::ORIGIN_PAGE_BOTTOM_LEFT, (10 - 18) * k, (20 - 6) * k, 18 * k, 6 * k, 594 * k, 762 * k},
      {plugin::ORIGIN_PRINTABLE_AREA_BOTTOM_LEFT, 10 * k, 20 * k, 0, 0, 576 * k, 756 * k},
      {plugin::ORIGIN_PRINTABLE_AREA_CENTER, 298 * k, 398 * k, -288 * k, -378 * k, 288 * k, 378 * k},
      // A value no dialog offers falls back to the ruler origin.
      {7, 0, 0, 10 * k, 20 * k, 586 * k, 776 * k},
  };
  for (const PlacementCase& test : cases) {
    DrawingPlacement placement = placeDrawing(test.orgnMode, page, k);
    SCOPED_TRACE(test.orgnMode);
    EXPECT_NEAR(placement.originX, test.originX, 1e-9);
    EXPECT_NEAR(placement.originY, test.originY, 1e-9);
    EXPECT_NEAR(placement.extentsMinimum.x, test.minimumX, 1e-9);
    EXPECT_NEAR(placement.extentsMinimum.y, test.minimumY, 1e-9);
    EXPECT_NEAR(placement.extentsMaximum.x, test.maximumX, 1e-9);
    EXPECT_NEAR(placement.extentsMaximum.y, test.maximumY, 1e-9);
  }
}

TEST(DrawingPlacement, OddPrintableSizesAreHalvedExactly) {
  ExportPage page;
  page.paper = {0, 0, 595, 842};
  page.printableArea = page.paper;
  DrawingPlacement placement = placeDrawing(plugin::ORIGIN_PRINTABLE_AREA_CENTER, page, 1.0);
  EXPECT_DOUBLE_EQ(placement.extentsMinimum.x, -297.5);
  EXPECT_DOUBLE_EQ(placement.extentsMaximum.y, 421.0);
  EXPECT_DOUBLE_EQ(placement.originX, 297.5);
}

}  // namespace
}  // namespace converter
