#pragma once

#include <array>
#include <cstdint>

#include "host/sdk/HostColor.h"

namespace converter {

/// One DXF palette entry, 8 bits per component.
struct PaletteColor {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

/// The 256 entries of the DXF colour palette.
[[nodiscard]] const std::array<PaletteColor, 256>& dxfPalette();

/// The DXF colour number (0 to 255) nearest to a host colour; 0 (black) is written without a colour record.
/// Custom colours are looked up through the host's custom colour suite; pattern, gradient and unknown kinds
/// are black.
[[nodiscard]] int16_t colorNumber(const HostColor& color);

}  // namespace converter
