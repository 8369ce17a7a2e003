#include "host/svg/PathDataParser.h"

#include <cctype>
#include <utility>

#include "host/svg/ArcConversion.h"
#include "host/svg/NumberScanner.h"
#include "platform/AsciiText.h"

namespace host::svg {
namespace {

bool startsNumber(char character) {
  return platform::isAsciiDigit(character) || character == '-' || character == '+' || character == '.';
}

Point reflect(Point control, Point about) { return {2 * about.x - control.x, 2 * about.y - control.y}; }

// Raises a quadratic curve (from, control, to) to the cubic that draws it exactly.
CubicCurve quadraticCurve(Point from, Point control, Point to) {
  return {{from.x + 2.0 / 3.0 * (control.x - from.x), from.y + 2.0 / 3.0 * (control.y - from.y)},
          {to.x + 2.0 / 3.0 * (control.x - to.x), to.y + 2.0 / 3.0 * (control.y - to.y)},
          to};
}

class PathDataReader {
public:
  explicit PathDataReader(std::string_view data) : scanner(data) {}

  ParsedPathData read() {
    while (!scanner.atEnd()) {
      const char character = scanner.peek();
      if (std::isalpha(static_cast<unsigned char>(character)) != 0) {
        commandOffset = scanner.offset();
        scanner.advance();
        if (!readCommand(character)) break;
      } else if (command != '\0' && command != 'Z' && command != 'z' && startsNumber(character)) {
        // Implicit repeat: more parameters for the last command; after a moveto they are linetos.
        if (!readCommand(command == 'M' ? 'L' : command == 'm' ? 'l' : command)) break;
      } else {
        fail(command == '\0' ? "path data must start with a moveto (M or m)" : "expected a command letter");
        break;
      }
    }
    return std::move(result);
  }

private:
  void fail(std::string reason) { result.error = PathDataError{scanner.offset(), std::move(reason)}; }

  bool coordinate(double& value) {
    std::optional<double> number = scanner.number();
    if (!number) {
      fail("expected a number");
      return false;
    }
    value = *number;
    scanner.skipSeparator();
    return true;
  }

  bool point(Point& value, bool relative) {
    if (!coordinate(value.x) || !coordinate(value.y)) return false;
    if (relative) {
      value.x += current.x;
      value.y += current.y;
    }
    return true;
  }

  bool arcFlag(bool& value) {
    std::optional<bool> flag = scanner.flag();
    if (!flag) {
      fail("expected an arc flag, 0 or 1");
      return false;
    }
    value = *flag;
    scanner.skipSeparator();
    return true;
  }

  // A drawing command after closepath continues from the closed subpath's start in a new subpath.
  Subpath& drawingSubpath() {
    if (needsSubpath) {
      result.geometry.push_back(Subpath{current, {}, false});
      needsSubpath = false;
    }
    return result.geometry.back();
  }

  void addCurve(const CubicCurve& curve) {
    drawingSubpath().curves.push_back(curve);
    current = curve.end;
  }

  bool readCommand(char letter) {
    const bool relative = std::islower(static_cast<unsigned char>(letter)) != 0;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (command == '\0' && upper != 'M') {
      result.error = PathDataError{commandOffset, "path data must start with a moveto (M or m)"};
      return false;
    }
    Point lastCubicHandle = current;
    Point lastQuadraticHandle = current;
    const bool followsCubic = previousUpper == 'C' || previousUpper == 'S';
    const bool followsQuadratic = previousUpper == 'Q' || previousUpper == 'T';
    scanner.skipSpaces();
    switch (upper) {
      case 'M': {
        Point to;
        if (!point(to, relative)) return false;
        result.geometry.push_back(Subpath{to, {}, false});
        needsSubpath = false;
        current = to;
        subpathStart = to;
        break;
      }
      case 'Z':
        if (!result.geometry.empty()) {
          drawingSubpath().closed = true;
        }
        current = subpathStart;
        needsSubpath = true;
        scanner.skipSeparator();
        break;
      case 'L': {
        Point to;
        if (!point(to, relative)) return false;
        addCurve(lineCurve(current, to));
        break;
      }
      case 'H': {
        double x = 0;
        if (!coordinate(x)) return false;
        addCurve(lineCurve(current, {relative ? current.x + x : x, current.y}));
        break;
      }
      case 'V': {
        double y = 0;
        if (!coordinate(y)) return false;
        addCurve(lineCurve(current, {current.x, relative ? current.y + y : y}));
        break;
      }
      case 'C': {
        CubicCurve curve;
        if (!point(curve.control1, relative) || !point(curve.control2, relative) || !point(curve.end, relative)) {
          return false;
        }
        addCurve(curve);
        lastCubicHandle = curve.control2;
        break;
      }
      case 'S': {
        CubicCurve curve;
        curve.control1 = followsCubic ? reflect(previousCubicHandle, current) : current;
        if (!point(curve.control2, relative) || !point(curve.end, relative)) return false;
        addCurve(curve);
        lastCubicHandle = curve.control2;
        break;
      }
      case 'Q': {
        Point control;
        Point to;
        if (!point(control, relative) || !point(to, relative)) return false;
        addCurve(quadraticCurve(current, control, to));
        lastQuadraticHandle = control;
        break;
      }
      case 'T': {
        const Point control = followsQuadratic ? reflect(previousQuadraticHandle, current) : current;
        Point to;
        if (!point(to, relative)) return false;
        addCurve(quadraticCurve(current, control, to));
        lastQuadraticHandle = control;
        break;
      }
      case 'A': {
        EndpointArc arc;
        arc.from = current;
        if (!coordinate(arc.radiusX) || !coordinate(arc.radiusY) || !coordinate(arc.rotationDegrees) ||
            !arcFlag(arc.largeArc) || !arcFlag(arc.sweep) || !point(arc.to, relative)) {
          return false;
        }
        appendArcCurves(arc, drawingSubpath().curves);
        current = arc.to;
        break;
      }
      default:
        result.error = PathDataError{commandOffset, std::string("unknown command '") + letter + "'"};
        return false;
    }
    command = letter;
    previousUpper = upper;
    previousCubicHandle = lastCubicHandle;
    previousQuadraticHandle = lastQuadraticHandle;
    return true;
  }

  NumberScanner scanner;
  // Where the last command letter stands, for errors that concern the command itself.
  std::size_t commandOffset = 0;
  ParsedPathData result;
  char command = '\0';
  char previousUpper = '\0';
  Point current;
  Point subpathStart;
  Point previousCubicHandle;
  Point previousQuadraticHandle;
  bool needsSubpath = false;
};

}  // namespace

ParsedPathData parsePathData(std::string_view data) { return PathDataReader(data).read(); }

}  // namespace host::svg
