#include "converter/export/DxfColors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "host/sdk/CustomColorSuite.h"
#include "plugin-common/PluginFrame.h"

namespace converter {
namespace {

/// The first entries, then the hue wheel from index 10, then six grays from index 250.
constexpr int kFirstHueIndex = 10;
constexpr int kFirstGrayIndex = 250;
constexpr int kStepsPerHue = 10;
/// Hues are 15 degrees apart, four of them to each of the six sides of the colour wheel.
constexpr int kHuesPerSide = 4;
/// The component values of the hue wheel's ramps.
constexpr std::array<int, 5> kRampValues{0, 63, 127, 191, 255};
/// The brightness of each pair of steps: 0-1, 2-3, 4-5, 6-7, 8-9.
constexpr std::array<int, 5> kStepLevels{255, 199, 143, 87, 31};
constexpr int kFull = 255;

/// Two entries that the rule does not give: the palette has always held them so.
constexpr int kExceptionOliveIndex = 56;
constexpr PaletteColor kExceptionOlive{87, 74, 0};
constexpr int kExceptionDarkGreenIndex = 68;
constexpr PaletteColor kExceptionDarkGreen{23, 31, 8};

/// Entries 0 to 9: black, the six primaries and secondaries, then three more blacks.
constexpr std::array<PaletteColor, kFirstHueIndex> kFirstEntries{{
    {0, 0, 0},
    {255, 0, 0},
    {255, 255, 0},
    {0, 255, 0},
    {0, 255, 255},
    {0, 0, 255},
    {255, 0, 255},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
}};
constexpr std::array<uint8_t, 6> kGrays{42, 84, 127, 170, 212, 255};

/// Colours whose palette numbers are remembered, and the multiplicative hash that places them (Knuth's
/// factor; the top six bits of the product index the 64 entries).
constexpr size_t kRememberedColors = 64;
constexpr uint32_t kColorHashFactor = 2654435761u;
constexpr int kColorHashShift = 32 - 6;
static_assert(kRememberedColors == size_t{1} << (32 - kColorHashShift));

struct Rgb {
  int red;
  int green;
  int blue;
};

/// The full colour of hue 0 to 23, going from red through yellow, green, cyan, blue and magenta.
Rgb fullHue(int hue) {
  int side = hue / kHuesPerSide;
  int position = hue % kHuesPerSide;
  int up = kRampValues[static_cast<size_t>(position)];
  int down = kRampValues[static_cast<size_t>(kHuesPerSide - position)];
  switch (side) {
    case 0: return {kFull, up, 0};
    case 1: return {down, kFull, 0};
    case 2: return {0, kFull, up};
    case 3: return {0, down, kFull};
    case 4: return {up, 0, kFull};
    default: return {kFull, 0, down};
  }
}

PaletteColor hueEntry(int index) {
  int hue = (index - kFirstHueIndex) / kStepsPerHue;
  int step = (index - kFirstHueIndex) % kStepsPerHue;
  Rgb colour = fullHue(hue);
  // Odd steps are the lighter half-way tint of the hue.
  auto lighten = [step](int value) { return step % 2 == 1 ? (kFull + value) / 2 : value; };
  int level = kStepLevels[static_cast<size_t>(step / 2)];
  auto dim = [level](int value) { return static_cast<uint8_t>(value * level / kFull); };
  return {dim(lighten(colour.red)), dim(lighten(colour.green)), dim(lighten(colour.blue))};
}

std::array<PaletteColor, 256> buildPalette() {
  std::array<PaletteColor, 256> palette{};
  std::copy(kFirstEntries.begin(), kFirstEntries.end(), palette.begin());
  for (int index = kFirstHueIndex; index < kFirstGrayIndex; ++index) {
    palette[static_cast<size_t>(index)] = hueEntry(index);
  }
  for (size_t gray = 0; gray < kGrays.size(); ++gray) {
    palette[kFirstGrayIndex + gray] = {kGrays[gray], kGrays[gray], kGrays[gray]};
  }
  palette[kExceptionOliveIndex] = kExceptionOlive;
  palette[kExceptionDarkGreenIndex] = kExceptionDarkGreen;
  return palette;
}

/// A light amount 0..1 as a component 0..255: rounded half away from zero, then clamped (NaN counts as 0).
int component(double light) {
  double value = std::round(light * kFull);
  if (!(value > 0)) return 0;
  return value < kFull ? static_cast<int>(value) : kFull;
}

Rgb fromThree(double red, double green, double blue) { return {component(red), component(green), component(blue)}; }

Rgb fromFour(double cyan, double magenta, double yellow, double black) {
  return fromThree(1 - cyan - black, 1 - magenta - black, 1 - yellow - black);
}

/// A custom colour at a tint: process inks scaled by (1 - tint), screen colours moved towards white. A colour
/// the host does not know (or no custom colour suite) is black.
Rgb fromCustom(const HostCustomColorTint& custom) {
  const CustomColorSuite* colors = plugin::pluginFrame().suites().get<CustomColorSuite>();
  HostCustomColor definition{};
  if (colors == nullptr || colors->getCustomColor(custom.color, &definition) != 0) return {0, 0, 0};
  double strength = 1.0 - custom.tint;
  if (definition.kind == CUSTOM_COLOR_KIND_FOUR) {
    const HostFourColor& four = definition.c.four;
    return fromFour(four.cyan * strength, four.magenta * strength, four.yellow * strength, four.black * strength);
  }
  if (definition.kind == CUSTOM_COLOR_KIND_THREE) {
    const HostThreeColor& three = definition.c.three;
    return fromThree(1 - (1 - three.red) * strength, 1 - (1 - three.green) * strength, 1 - (1 - three.blue) * strength);
  }
  return {0, 0, 0};
}

Rgb toRgb(const HostColor& color) {
  switch (color.kind) {
    case COLOR_KIND_GRAY: {
      double light = 1.0 - color.c.gray;
      return fromThree(light, light, light);
    }
    case COLOR_KIND_FOUR:
      return fromFour(color.c.four.cyan, color.c.four.magenta, color.c.four.yellow, color.c.four.black);
    case COLOR_KIND_THREE: return fromThree(color.c.three.red, color.c.three.green, color.c.three.blue);
    case COLOR_KIND_CUSTOM: return fromCustom(color.c.custom);
    default: return {0, 0, 0};  // pattern, gradient and unknown kinds
  }
}

}  // namespace

const std::array<PaletteColor, 256>& dxfPalette() {
  static const std::array<PaletteColor, 256> palette = buildPalette();
  return palette;
}

int16_t colorNumber(const HostColor& color) {
  Rgb wanted = toRgb(color);
  // A drawing uses few colours, each on many paths: answers are kept in a small table by colour for the
  // next calls (the plug-in runs on the host's one thread).
  struct Answer {
    Rgb wanted{-1, -1, -1};
    int16_t number = 0;
  };
  static std::array<Answer, kRememberedColors> answers;
  // The packed colour, spread over the table by a multiplicative hash: plain sums put the drawing colours
  // (black, and pure reds, greens and blues) in one slot.
  const auto packed = static_cast<uint32_t>((wanted.red << 16) | (wanted.green << 8) | wanted.blue);
  Answer& remembered = answers[(packed * kColorHashFactor) >> kColorHashShift];
  if (wanted.red == remembered.wanted.red && wanted.green == remembered.wanted.green &&
      wanted.blue == remembered.wanted.blue) {
    return remembered.number;
  }
  const std::array<PaletteColor, 256>& palette = dxfPalette();
  int16_t nearest = 0;
  int smallest = -1;
  // City-block distance; the strict comparison lets the lowest index win a tie (pure red is 1, not 10).
  for (size_t index = 0; index < palette.size(); ++index) {
    const PaletteColor& entry = palette[index];
    int distance = std::abs(entry.red - wanted.red) + std::abs(entry.green - wanted.green) +
                   std::abs(entry.blue - wanted.blue);
    if (smallest < 0 || distance < smallest) {
      smallest = distance;
      nearest = static_cast<int16_t>(index);
      if (distance == 0) break;  // nothing later can be nearer, and the lowest index wins a tie anyway
    }
  }
  remembered = Answer{wanted, nearest};
  return nearest;
}

}  // namespace converter
