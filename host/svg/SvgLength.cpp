#include "host/svg/SvgLength.h"

#include <cmath>
#include <string>

#include "host/svg/NumberScanner.h"
#include "platform/AsciiText.h"

namespace host::svg {
namespace {

struct UnitName {
  std::string_view name;
  LengthUnit unit;
};

constexpr UnitName kUnitNames[] = {
    {"px", LengthUnit::PX}, {"pt", LengthUnit::PT}, {"pc", LengthUnit::PC},
    {"mm", LengthUnit::MM}, {"cm", LengthUnit::CM}, {"in", LengthUnit::IN},
    {"em", LengthUnit::EM}, {"ex", LengthUnit::EX}, {"%", LengthUnit::PERCENT},
};

}  // namespace

std::optional<Length> parseLength(std::string_view text) {
  NumberScanner scanner(text);
  std::optional<double> value = scanner.number();
  if (!value) return std::nullopt;
  const std::string_view rest = scanner.rest();
  const std::string_view unit = trimSpaces(rest);
  if (unit.empty()) return Length{*value, LengthUnit::NONE};
  // The unit follows the number directly: "3 px" is no length.
  if (isSvgSpace(rest.front())) return std::nullopt;
  const std::string lowerUnit = platform::lowerAsciiText(unit);
  for (const UnitName& known : kUnitNames) {
    if (lowerUnit == known.name) return Length{*value, known.unit};
  }
  return std::nullopt;
}

std::optional<double> pixelsPerUnit(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::NONE:
    case LengthUnit::PX: return 1.0;
    case LengthUnit::PT: return 96.0 / 72.0;
    case LengthUnit::PC: return 96.0 / 6.0;
    case LengthUnit::MM: return 96.0 / 25.4;
    case LengthUnit::CM: return 96.0 / 2.54;
    case LengthUnit::IN: return 96.0;
    case LengthUnit::EM:
    case LengthUnit::EX:
    case LengthUnit::PERCENT: break;
  }
  return std::nullopt;
}

double toUserUnits(const Length& length, const LengthContext& context, LengthAxis axis) {
  switch (length.unit) {
    case LengthUnit::EM: return length.value * context.fontSize;
    case LengthUnit::EX: return length.value * context.fontSize / 2;
    case LengthUnit::PERCENT: {
      double reference = 0;
      switch (axis) {
        case LengthAxis::HORIZONTAL: reference = context.viewportWidth; break;
        case LengthAxis::VERTICAL: reference = context.viewportHeight; break;
        case LengthAxis::OTHER:
          // SVG's normalised diagonal for lengths that belong to neither axis (radii, stroke widths).
          reference = std::sqrt(
              (context.viewportWidth * context.viewportWidth + context.viewportHeight * context.viewportHeight) / 2);
          break;
      }
      return length.value * reference / 100;
    }
    default: return length.value * pixelsPerUnit(length.unit).value_or(1.0);
  }
}

}  // namespace host::svg
