#pragma once
// The DXF palette computed for the tests apart from the code under test: the hue wheel from the usual
// hue-to-colour formula at full saturation, sampled every 15 degrees and quantised down to whole components.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace converter::test {

/// A colour of 8-bit components.
struct ReferenceRgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

/// The 256 entries as the palette's rule describes them.
inline std::array<ReferenceRgb, 256> referencePalette() {
  std::array<ReferenceRgb, 256> palette{};
  const ReferenceRgb first[10] = {{0, 0, 0},     {255, 0, 0},   {255, 255, 0}, {0, 255, 0}, {0, 255, 255},
                                  {0, 0, 255},   {255, 0, 255}, {0, 0, 0},     {0, 0, 0},   {0, 0, 0}};
  std::copy(std::begin(first), std::end(first), palette.begin());
  for (int index = 10; index < 250; ++index) {
    const double degrees = 15.0 * ((index - 10) / 10);
    const int step = (index - 10) % 10;
    // Full-saturation hue: channel n is 1 - clamp(min(k, 4 - k), 0, 1) with k = (n + degrees / 60) mod 6.
    auto channel = [&](double n) {
      double k = std::fmod(n + degrees / 60.0, 6.0);
      double value = 1.0 - std::max(0.0, std::min({k, 4.0 - k, 1.0}));
      int full = static_cast<int>(std::floor(255.0 * value));
      if (step % 2 == 1) full = (255 + full) / 2;         // the lighter tint
      const int level = 255 - 56 * (step / 2);             // 255, 199, 143, 87, 31
      return static_cast<int>(std::floor(full * level / 255.0));
    };
    palette[static_cast<size_t>(index)] = {channel(5), channel(3), channel(1)};
  }
  const int grays[6] = {42, 84, 127, 170, 212, 255};
  for (int gray = 0; gray < 6; ++gray) {
    palette[static_cast<size_t>(250 + gray)] = {grays[gray], grays[gray], grays[gray]};
  }
  palette[56] = {87, 74, 0};
  palette[68] = {23, 31, 8};
  return palette;
}

/// The reference palette's index nearest to a colour (city-block distance, lowest index on a tie).
inline int referenceNearest(ReferenceRgb wanted) {
  const std::array<ReferenceRgb, 256> palette = referencePalette();
  int best = 0;
  int bestDistance = 1 << 30;
  for (int index = 0; index < 256; ++index) {
    const ReferenceRgb& entry = palette[static_cast<size_t>(index)];
    int distance = std::abs(entry.red - wanted.red) + std::abs(entry.green - wanted.green) +
                   std::abs(entry.blue - wanted.blue);
    if (distance < bestDistance) {
      best = index;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace converter::test
