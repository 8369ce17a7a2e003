#pragma once
// Paint colours as the host stores them in path styles, and the document's custom (spot) colours.
// Every component is a fraction 0..1. Gray and four-colour values are ink amounts (0 = no ink, white;
// 1 = full ink); three-colour values are light (0 = dark, 1 = full).

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

/// The kind of a colour; the values are the host's.
enum class ColorKind : std::int32_t { GRAY = 0, FOUR = 1, PATTERN = 2, CUSTOM = 3, GRADIENT = 4, THREE = 5 };

/// A gray as an ink amount: 0 white, 1 black.
struct GrayColor {
  /// Ink amount 0..1.
  HostReal gray = 1;
  /// Member-wise equality.
  friend bool operator==(const GrayColor&, const GrayColor&) = default;
};

/// A process colour as four ink amounts 0..1.
struct FourColor {
  /// Cyan ink 0..1.
  HostReal cyan = 0;
  /// Magenta ink 0..1.
  HostReal magenta = 0;
  /// Yellow ink 0..1.
  HostReal yellow = 0;
  /// Black ink 0..1.
  HostReal black = 0;
  /// Member-wise equality.
  friend bool operator==(const FourColor&, const FourColor&) = default;
};

/// A screen colour as three light amounts 0..1.
struct ThreeColor {
  /// Red light 0..1.
  HostReal red = 0;
  /// Green light 0..1.
  HostReal green = 0;
  /// Blue light 0..1.
  HostReal blue = 0;
  /// Member-wise equality.
  friend bool operator==(const ThreeColor&, const ThreeColor&) = default;
};

struct CustomColor;

/// A use of a custom colour: the colour (owned by its document) and a tint, 0 full colour, 1 white.
struct TintedCustomColor {
  /// The document's custom colour; the document checks that it is one of its own.
  const CustomColor* color = nullptr;
  /// 0 paints the full colour, 1 paints white, in between mixes linearly towards white.
  HostReal tint = 0;
  /// Same colour object and same tint.
  friend bool operator==(const TintedCustomColor&, const TintedCustomColor&) = default;
};

/// Opaque id of a pattern; the host's pattern list is not modelled yet.
enum class PatternId : std::uint32_t {};

/// Opaque id of a gradient; the host's gradient list is not modelled yet.
enum class GradientId : std::uint32_t {};

/// A pattern paint.
struct PatternColor {
  /// The pattern painted.
  PatternId pattern{};
  /// Same pattern.
  friend bool operator==(const PatternColor&, const PatternColor&) = default;
};

/// A gradient paint with its placement; angles in degrees, as gradient paint stores them.
struct GradientColor {
  /// The gradient painted.
  GradientId gradient{};
  /// Start point of the gradient, artwork points.
  HostReal originH = 0;
  /// Start point of the gradient, artwork points.
  HostReal originV = 0;
  /// Direction of the gradient, degrees counter-clockwise from the positive h axis.
  HostReal angle = 0;
  /// Length of the gradient, artwork points.
  HostReal length = 0;
  /// Direction of a radial gradient's highlight from its origin, degrees.
  HostReal highlightAngle = 0;
  /// Distance of a radial gradient's highlight from its origin as a fraction of its radius.
  HostReal highlightLength = 0;
  /// Member-wise equality.
  friend bool operator==(const GradientColor&, const GradientColor&) = default;
};

/// The alternatives of a colour, in ColorKind order so that the index is the kind.
using ColorValue = std::variant<GrayColor, FourColor, PatternColor, TintedCustomColor, GradientColor, ThreeColor>;

/// A paint colour of one kind. Default: black (gray ink 1).
class Color {
public:
  /// Black.
  Color() = default;
  /// A gray.
  Color(GrayColor gray) : paint(gray) {}
  /// A process colour.
  Color(FourColor four) : paint(four) {}
  /// A pattern paint.
  Color(PatternColor pattern) : paint(pattern) {}
  /// A custom colour with a tint.
  Color(TintedCustomColor custom) : paint(custom) {}
  /// A gradient paint.
  Color(GradientColor gradient) : paint(gradient) {}
  /// A screen colour.
  Color(ThreeColor three) : paint(three) {}

  /// Which of the alternatives this colour holds.
  [[nodiscard]] ColorKind kind() const { return static_cast<ColorKind>(paint.index()); }
  /// The alternative held.
  [[nodiscard]] const ColorValue& value() const { return paint; }
  /// The alternative of type T, or null when the colour is of another kind.
  template <class T>
  [[nodiscard]] const T* get() const {
    return std::get_if<T>(&paint);
  }
  /// Same kind and same values.
  friend bool operator==(const Color&, const Color&) = default;

private:
  ColorValue paint;
};

/// The values of a custom colour: process or screen.
using CustomColorValues = std::variant<FourColor, ThreeColor>;

/// A named custom (spot) colour; the document owns them and hands out stable pointers.
struct CustomColor {
  /// Unique name within the document, not empty.
  std::string name;
  /// The full-strength colour.
  CustomColorValues values;
  /// ColorKind::FOUR or ColorKind::THREE.
  [[nodiscard]] ColorKind kind() const {
    return std::holds_alternative<FourColor>(values) ? ColorKind::FOUR : ColorKind::THREE;
  }
};

/// Checks that every component and tint lies in 0..1 and a custom colour is given; does not check whose
/// custom colour it is (the document does).
[[nodiscard]] platform::Result<void> validateColor(const Color& color);

/// Checks a custom colour's name (not empty) and values (0..1).
[[nodiscard]] platform::Result<void> validateCustomColor(const CustomColor& color);

/// Process inks at a tint: each ink times (1 - tint).
[[nodiscard]] FourColor applyTint(const FourColor& color, HostReal tint);

/// Screen colour at a tint: each channel moved towards 1 by the tint.
[[nodiscard]] ThreeColor applyTint(const ThreeColor& color, HostReal tint);

/// The values a tinted custom colour paints with; nullopt without a custom colour.
[[nodiscard]] std::optional<CustomColorValues> resolveTint(const TintedCustomColor& custom);

/// A screen approximation for display and export (no colour management); nullopt for patterns, gradients
/// and a missing custom colour.
[[nodiscard]] std::optional<ThreeColor> toThreeColor(const Color& color);

}  // namespace host
