#pragma once
// SVG lengths: a number with an optional unit. Absolute units convert at the CSS ratios (96 px, 72 pt, 6 pc,
// 25.4 mm, 2.54 cm to the inch); a bare number is in user units (px). Relative units (em, ex, %) need the
// font size or the viewport, given by the caller.

#include <optional>
#include <string_view>

namespace host::svg {

/// The unit written after a length's number.
enum class LengthUnit { NONE, PX, PT, PC, MM, CM, IN, EM, EX, PERCENT };

/// A length as written: its number and unit.
struct Length {
  /// The number.
  double value = 0;
  /// The unit; NONE for a bare number.
  LengthUnit unit = LengthUnit::NONE;
};

/// Which viewport dimension a percentage refers to.
enum class LengthAxis { HORIZONTAL, VERTICAL, OTHER };

/// What relative lengths resolve against, in user units.
struct LengthContext {
  /// The element's font size (1 em; 1 ex is taken as half of it).
  double fontSize = 16;
  /// The viewport width (100 % horizontally).
  double viewportWidth = 100;
  /// The viewport height (100 % vertically).
  double viewportHeight = 100;
};

/// A length (number and unit, units case-insensitive); nullopt for anything else, an unknown unit included.
[[nodiscard]] std::optional<Length> parseLength(std::string_view text);

/// The size of one unit in CSS pixels for absolute units (NONE and PX are 1); nullopt for em, ex and %.
[[nodiscard]] std::optional<double> pixelsPerUnit(LengthUnit unit);

/// A length in user units, relative units resolved against the context.
[[nodiscard]] double toUserUnits(const Length& length, const LengthContext& context, LengthAxis axis);

/// Points (1/72 inch) per CSS pixel (1/96 inch).
inline constexpr double kPointsPerPixel = 0.75;

}  // namespace host::svg
