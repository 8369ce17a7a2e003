#pragma once
// Colours as SVG 1.1 writes them (CSS2 forms): #rgb, #rrggbb, rgb(r, g, b) with integers or percentages, and
// the 147 colour keywords. Keywords and function names are case-insensitive.

#include <cstdint>
#include <optional>
#include <string_view>

namespace host::svg {

/// An sRGB colour, 8 bits per channel.
struct RgbColor {
  /// Red 0..255.
  std::uint8_t red = 0;
  /// Green 0..255.
  std::uint8_t green = 0;
  /// Blue 0..255.
  std::uint8_t blue = 0;
  /// Same channels.
  friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

/// A colour value; nullopt for anything that is not one (including "none" and "currentColor", which are
/// paints, not colours).
[[nodiscard]] std::optional<RgbColor> parseCssColor(std::string_view text);

/// The colour of an SVG colour keyword (lower case); nullopt for an unknown name.
[[nodiscard]] std::optional<RgbColor> namedColor(std::string_view lowerCaseName);

/// Number of SVG colour keywords known to namedColor.
[[nodiscard]] std::size_t namedColorCount();

}  // namespace host::svg
