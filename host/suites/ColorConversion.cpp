#include "host/suites/ColorConversion.h"

#include "host/document/Document.h"

namespace host {

HostColor toHostColor(const Color& color) {
  HostColor converted{};
  converted.kind = static_cast<int32_t>(color.kind());
  if (const GrayColor* gray = color.get<GrayColor>()) converted.c.gray = gray->gray;
  if (const FourColor* four = color.get<FourColor>()) converted.c.four = {four->cyan, four->magenta, four->yellow, four->black};
  if (const ThreeColor* three = color.get<ThreeColor>()) converted.c.three = {three->red, three->green, three->blue};
  if (const TintedCustomColor* custom = color.get<TintedCustomColor>()) {
    converted.c.custom = {reinterpret_cast<CustomColorHandle>(const_cast<CustomColor*>(custom->color)), custom->tint};
  }
  return converted;
}

std::optional<Color> fromHostColor(const HostColor& color, const Document& document) {
  std::optional<Color> converted;
  switch (color.kind) {
    case COLOR_KIND_GRAY: converted = Color(GrayColor{color.c.gray}); break;
    case COLOR_KIND_FOUR:
      converted = Color(FourColor{color.c.four.cyan, color.c.four.magenta, color.c.four.yellow, color.c.four.black});
      break;
    case COLOR_KIND_THREE: converted = Color(ThreeColor{color.c.three.red, color.c.three.green, color.c.three.blue}); break;
    case COLOR_KIND_CUSTOM: {
      const auto* custom = reinterpret_cast<const CustomColor*>(color.c.custom.color);
      if (!document.isLiveCustomColor(custom)) return std::nullopt;
      converted = Color(TintedCustomColor{custom, color.c.custom.tint});
      break;
    }
    default: return std::nullopt;
  }
  if (!validateColor(*converted).ok()) return std::nullopt;
  return converted;
}

}  // namespace host
