#include "host/svg/BasicShapes.h"

#include <algorithm>

#include "host/svg/ArcConversion.h"
#include "host/svg/NumberScanner.h"

namespace host::svg {
namespace {

class ShapeReader {
public:
  ShapeReader(const pugi::xml_node& element, const LengthContext& context, ShapeGeometry& result)
      : element(element), context(context), result(result) {}

  // A length attribute; absent gives nullopt, malformed is reported and gives nullopt.
  std::optional<double> length(const char* name, LengthAxis axis) {
    const pugi::xml_attribute attribute = element.attribute(name);
    if (attribute.empty()) return std::nullopt;
    std::optional<Length> parsed = parseLength(attribute.value());
    if (!parsed) {
      result.invalidAttributes.emplace_back(name);
      return std::nullopt;
    }
    return toUserUnits(*parsed, context, axis);
  }

  double lengthOrZero(const char* name, LengthAxis axis) { return length(name, axis).value_or(0.0); }

  const pugi::xml_node& element;
  const LengthContext& context;
  ShapeGeometry& result;
};

// Appends the quarter-turn arc of an axis-aligned ellipse from the current end of the subpath to `to`.
void appendQuarter(Subpath& subpath, double radiusX, double radiusY, Point to) {
  const Point from = subpath.curves.empty() ? subpath.start : subpath.curves.back().end;
  appendArcCurves(EndpointArc{from, radiusX, radiusY, 0, false, true, to}, subpath.curves);
}

void appendLine(Subpath& subpath, Point to) {
  const Point from = subpath.curves.empty() ? subpath.start : subpath.curves.back().end;
  subpath.curves.push_back(lineCurve(from, to));
}

void rectangle(ShapeReader& reader) {
  const double x = reader.lengthOrZero("x", LengthAxis::HORIZONTAL);
  const double y = reader.lengthOrZero("y", LengthAxis::VERTICAL);
  const double width = reader.lengthOrZero("width", LengthAxis::HORIZONTAL);
  const double height = reader.lengthOrZero("height", LengthAxis::VERTICAL);
  if (!(width > 0) || !(height > 0)) return;
  std::optional<double> rx = reader.length("rx", LengthAxis::HORIZONTAL);
  std::optional<double> ry = reader.length("ry", LengthAxis::VERTICAL);
  if (rx && *rx < 0) rx.reset();
  if (ry && *ry < 0) ry.reset();
  // One radius given: the other is the same; both are at most half the side.
  double radiusX = rx.value_or(ry.value_or(0.0));
  double radiusY = ry.value_or(rx.value_or(0.0));
  radiusX = std::min(radiusX, width / 2);
  radiusY = std::min(radiusY, height / 2);

  Subpath subpath;
  subpath.closed = true;
  const double right = x + width;
  const double bottom = y + height;
  if (radiusX == 0 || radiusY == 0) {
    subpath.start = {x, y};
    appendLine(subpath, {right, y});
    appendLine(subpath, {right, bottom});
    appendLine(subpath, {x, bottom});
    appendLine(subpath, {x, y});
  } else {
    subpath.start = {x + radiusX, y};
    // Straight sides of zero length (radius at half the side) are left out.
    if (right - radiusX > x + radiusX) appendLine(subpath, {right - radiusX, y});
    appendQuarter(subpath, radiusX, radiusY, {right, y + radiusY});
    if (bottom - radiusY > y + radiusY) appendLine(subpath, {right, bottom - radiusY});
    appendQuarter(subpath, radiusX, radiusY, {right - radiusX, bottom});
    if (right - radiusX > x + radiusX) appendLine(subpath, {x + radiusX, bottom});
    appendQuarter(subpath, radiusX, radiusY, {x, bottom - radiusY});
    if (bottom - radiusY > y + radiusY) appendLine(subpath, {x, y + radiusY});
    appendQuarter(subpath, radiusX, radiusY, {x + radiusX, y});
  }
  reader.result.geometry.push_back(std::move(subpath));
}

void ellipse(ShapeReader& reader, double centreX, double centreY, double radiusX, double radiusY) {
  if (!(radiusX > 0) || !(radiusY > 0)) return;
  Subpath subpath;
  subpath.closed = true;
  subpath.start = {centreX + radiusX, centreY};
  appendQuarter(subpath, radiusX, radiusY, {centreX, centreY + radiusY});
  appendQuarter(subpath, radiusX, radiusY, {centreX - radiusX, centreY});
  appendQuarter(subpath, radiusX, radiusY, {centreX, centreY - radiusY});
  appendQuarter(subpath, radiusX, radiusY, {centreX + radiusX, centreY});
  reader.result.geometry.push_back(std::move(subpath));
}

void polyline(ShapeReader& reader, bool closed) {
  const std::string_view text = reader.element.attribute("points").value();
  NumberScanner scanner(text);
  Subpath subpath;
  subpath.closed = closed;
  bool first = true;
  while (!scanner.atEnd()) {
    std::optional<double> x = scanner.number();
    scanner.skipSeparator();
    std::optional<double> y = x ? scanner.number() : std::nullopt;
    if (!x || !y) {
      // SVG draws the points read before the fault.
      reader.result.invalidAttributes.emplace_back("points");
      break;
    }
    scanner.skipSeparator();
    if (first) {
      subpath.start = {*x, *y};
      first = false;
    } else {
      appendLine(subpath, {*x, *y});
    }
  }
  if (!first) reader.result.geometry.push_back(std::move(subpath));
}

}  // namespace

bool isBasicShape(std::string_view name) {
  return name == "rect" || name == "circle" || name == "ellipse" || name == "line" || name == "polyline" ||
         name == "polygon";
}

ShapeGeometry basicShapeGeometry(std::string_view name, const pugi::xml_node& element, const LengthContext& context) {
  ShapeGeometry result;
  ShapeReader reader(element, context, result);
  if (name == "rect") {
    rectangle(reader);
  } else if (name == "circle") {
    const double radius = reader.lengthOrZero("r", LengthAxis::OTHER);
    ellipse(reader, reader.lengthOrZero("cx", LengthAxis::HORIZONTAL), reader.lengthOrZero("cy", LengthAxis::VERTICAL),
            radius, radius);
  } else if (name == "ellipse") {
    ellipse(reader, reader.lengthOrZero("cx", LengthAxis::HORIZONTAL), reader.lengthOrZero("cy", LengthAxis::VERTICAL),
            reader.lengthOrZero("rx", LengthAxis::HORIZONTAL), reader.lengthOrZero("ry", LengthAxis::VERTICAL));
  } else if (name == "line") {
    Subpath subpath;
    subpath.start = {reader.lengthOrZero("x1", LengthAxis::HORIZONTAL),
                     reader.lengthOrZero("y1", LengthAxis::VERTICAL)};
    appendLine(subpath,
               {reader.lengthOrZero("x2", LengthAxis::HORIZONTAL), reader.lengthOrZero("y2", LengthAxis::VERTICAL)});
    result.geometry.push_back(std::move(subpath));
  } else if (name == "polyline" || name == "polygon") {
    polyline(reader, name == "polygon");
  }
  return result;
}

}  // namespace host::svg
