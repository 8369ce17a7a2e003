#include "host/document/Color.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "host/document/DocumentError.h"

namespace host {
namespace {

// NaN fails both comparisons, so it is rejected with the out-of-range values.
bool isFraction(HostReal value) { return value >= 0 && value <= 1; }

bool isFinite(HostReal value) { return std::isfinite(value); }

platform::Result<void> checkFractions(std::initializer_list<HostReal> values, const char* what) {
  for (HostReal value : values) {
    if (!isFraction(value)) return badParameter(std::string(what) + " components must lie in 0..1");
  }
  return {};
}

platform::Result<void> checkValues(const CustomColorValues& values) {
  if (const auto* four = std::get_if<FourColor>(&values)) {
    return checkFractions({four->cyan, four->magenta, four->yellow, four->black}, "four-colour");
  }
  const auto& three = std::get<ThreeColor>(values);
  return checkFractions({three.red, three.green, three.blue}, "three-colour");
}

}  // namespace

platform::Result<void> validateColor(const Color& color) {
  switch (color.kind()) {
    case ColorKind::GRAY:
      return checkFractions({color.get<GrayColor>()->gray}, "gray");
    case ColorKind::FOUR:
      return checkValues(*color.get<FourColor>());
    case ColorKind::THREE:
      return checkValues(*color.get<ThreeColor>());
    case ColorKind::CUSTOM: {
      const TintedCustomColor& custom = *color.get<TintedCustomColor>();
      if (custom.color == nullptr) return badParameter("a custom colour paint needs its custom colour");
      return checkFractions({custom.tint}, "tint");
    }
    case ColorKind::GRADIENT: {
      const GradientColor& gradient = *color.get<GradientColor>();
      for (HostReal value : {gradient.originH, gradient.originV, gradient.angle, gradient.length,
                             gradient.highlightAngle, gradient.highlightLength}) {
        if (!isFinite(value)) return badParameter("gradient placement values must be finite");
      }
      return {};
    }
    case ColorKind::PATTERN:
      return {};
  }
  return badParameter("unknown colour kind");
}

platform::Result<void> validateCustomColor(const CustomColor& color) {
  if (color.name.empty()) return badParameter("a custom colour needs a name");
  return checkValues(color.values);
}

FourColor applyTint(const FourColor& color, HostReal tint) {
  const HostReal strength = 1 - tint;
  return {color.cyan * strength, color.magenta * strength, color.yellow * strength, color.black * strength};
}

ThreeColor applyTint(const ThreeColor& color, HostReal tint) {
  auto towardsWhite = [tint](HostReal channel) { return 1 - (1 - channel) * (1 - tint); };
  return {towardsWhite(color.red), towardsWhite(color.green), towardsWhite(color.blue)};
}

std::optional<CustomColorValues> resolveTint(const TintedCustomColor& custom) {
  if (custom.color == nullptr) return std::nullopt;
  return std::visit([&](const auto& values) -> CustomColorValues { return applyTint(values, custom.tint); },
                    custom.color->values);
}

std::optional<ThreeColor> toThreeColor(const Color& color) {
  auto fromFour = [](const FourColor& four) {
    const HostReal white = 1 - four.black;
    return ThreeColor{(1 - four.cyan) * white, (1 - four.magenta) * white, (1 - four.yellow) * white};
  };
  switch (color.kind()) {
    case ColorKind::GRAY: {
      const HostReal light = 1 - color.get<GrayColor>()->gray;
      return ThreeColor{light, light, light};
    }
    case ColorKind::FOUR:
      return fromFour(*color.get<FourColor>());
    case ColorKind::THREE:
      return *color.get<ThreeColor>();
    case ColorKind::CUSTOM: {
      std::optional<CustomColorValues> values = resolveTint(*color.get<TintedCustomColor>());
      if (!values) return std::nullopt;
      if (const auto* four = std::get_if<FourColor>(&*values)) return fromFour(*four);
      return std::get<ThreeColor>(*values);
    }
    case ColorKind::PATTERN:
    case ColorKind::GRADIENT:
      break;
  }
  return std::nullopt;
}

}  // namespace host
