#include "host/svg/SvgColorFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace host::svg {
namespace {

const char* kindName(ColorKind kind) {
  switch (kind) {
    case ColorKind::FOUR: return "four-colour";
    case ColorKind::CUSTOM: return "custom colour";
    case ColorKind::GRADIENT: return "gradient";
    case ColorKind::PATTERN: return "pattern";
    case ColorKind::GRAY:
    case ColorKind::THREE: break;
  }
  return "colour";
}

void appendChannel(std::string& out, HostReal value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  const long level = std::lround(std::clamp(static_cast<double>(value), 0.0, 1.0) * 255);
  out += kDigits[level / 16];
  out += kDigits[level % 16];
}

}  // namespace

std::string SvgColorWriter::colorText(const Color& color) {
  if (color.kind() != ColorKind::GRAY && color.kind() != ColorKind::THREE) {
    diagnostics.report(SvgDiagnosticCode::COLOR_APPROXIMATED, kindName(color.kind()),
                       "a colour SVG cannot hold as it is was written as RGB (gradients and patterns as gray)");
  }
  // Gradients, patterns and a missing custom colour have no screen value of their own.
  const ThreeColor three = host::toThreeColor(color).value_or(ThreeColor{0.5, 0.5, 0.5});
  std::string text = "#";
  appendChannel(text, three.red);
  appendChannel(text, three.green);
  appendChannel(text, three.blue);
  return text;
}

}  // namespace host::svg
