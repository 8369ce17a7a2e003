#include "converter/export/DxfCoordinates.h"

#include "plugin-common/ConverterOptions.h"

namespace converter {

double unitFactorFor(int16_t cnvtTani, float cnvtScal) {
  double perPoint = cnvtTani == plugin::UNITS_INCHES ? kInchesPerPoint : kMillimetresPerPoint;
  return perPoint / static_cast<double>(cnvtScal);
}

double toDegrees(double radians) { return radians / kDegreesPi * 180.0; }

DrawingPlacement placeDrawing(int16_t orgnMode, const ExportPage& page, double unitFactor) {
  // The page-setup rectangles measure y downwards from the paper's top-left corner; artwork y grows upwards.
  const HostRect& paper = page.paper;
  const HostRect& printable = page.printableArea;
  double width = static_cast<double>(printable.right) - printable.left;
  double height = static_cast<double>(printable.bottom) - printable.top;
  double leftMargin = static_cast<double>(printable.left) - paper.left;
  double bottomMargin = static_cast<double>(paper.bottom) - printable.bottom;
  double originX = page.pageOrigin.h;
  double originY = page.pageOrigin.v;
  double k = unitFactor;

  DrawingPlacement placement;
  switch (orgnMode) {
    case plugin::ORIGIN_PAGE_BOTTOM_LEFT:
      placement.originX = (originX - leftMargin) * k;
      placement.originY = (originY - bottomMargin) * k;
      placement.extentsMinimum = {leftMargin * k, bottomMargin * k};
      placement.extentsMaximum = {(leftMargin + width) * k, (bottomMargin + height) * k};
      break;
    case plugin::ORIGIN_PRINTABLE_AREA_BOTTOM_LEFT:
      placement.originX = originX * k;
      placement.originY = originY * k;
      placement.extentsMinimum = {0, 0};
      placement.extentsMaximum = {width * k, height * k};
      break;
    case plugin::ORIGIN_PRINTABLE_AREA_CENTER:
      placement.originX = (originX + width / 2) * k;
      placement.originY = (originY + height / 2) * k;
      placement.extentsMinimum = {-width / 2 * k, -height / 2 * k};
      placement.extentsMaximum = {width / 2 * k, height / 2 * k};
      break;
    default:  // ORIGIN_RULER, and values no dialog offers
      placement.extentsMinimum = {originX * k, originY * k};
      placement.extentsMaximum = {(originX + width) * k, (originY + height) * k};
      break;
  }
  return placement;
}

}  // namespace converter
