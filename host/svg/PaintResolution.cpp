#include "host/svg/PaintResolution.h"

#include <optional>
#include <string_view>

#include "host/svg/CssColor.h"
#include "host/svg/NumberScanner.h"

namespace host::svg {
namespace {

// Gradients may inherit their stops from another through href; a chain longer than this is a loop.
constexpr int kMaxGradientLinks = 16;

// The stop-color of a <stop>: its style declaration wins over its attribute; black when unset.
RgbColor stopColor(const pugi::xml_node& stop) {
  std::string_view declarations = stop.attribute("style").value();
  std::optional<RgbColor> fromStyle;
  while (!declarations.empty()) {
    const std::size_t end = declarations.find(';');
    const std::string_view declaration = declarations.substr(0, end);
    declarations = end == std::string_view::npos ? std::string_view{} : declarations.substr(end + 1);
    const std::size_t colon = declaration.find(':');
    if (colon != std::string_view::npos && trimSpaces(declaration.substr(0, colon)) == "stop-color") {
      fromStyle = parseCssColor(declaration.substr(colon + 1));
    }
  }
  if (fromStyle) return *fromStyle;
  return parseCssColor(stop.attribute("stop-color").value()).value_or(RgbColor{});
}

ResolvedPaint simplePaint(PaintKind kind, RgbColor color, const SvgStyle& style) {
  switch (kind) {
    case PaintKind::COLOR: return {true, color};
    case PaintKind::CURRENT_COLOR: return {true, style.color};
    case PaintKind::NONE:
    case PaintKind::REFERENCE: break;
  }
  return {};
}

}  // namespace

ResolvedPaint resolvePaint(const Paint& paint, const SvgStyle& style, SvgElementIndex& elements,
                           SvgDiagnosticList& diagnostics) {
  if (paint.kind != PaintKind::REFERENCE) return simplePaint(paint.kind, paint.color, style);
  pugi::xml_node server = elements.find(paint.reference);
  const std::string_view kind = elements.localName(server);
  if (kind == "linearGradient" || kind == "radialGradient") {
    diagnostics.report(SvgDiagnosticCode::GRADIENT_PAINT, kind,
                       "a gradient paint is painted with the colour of its first stop");
    for (int link = 0; link < kMaxGradientLinks && server; ++link) {
      for (const pugi::xml_node& child : server.children()) {
        if (elements.localName(child) == "stop") return {true, stopColor(child)};
      }
      server = elements.findHref(hrefOf(server));
    }
    return {true, kStandInGray};
  }
  if (kind == "pattern") {
    diagnostics.report(SvgDiagnosticCode::PATTERN_PAINT, kind, "a pattern paint is painted gray");
    return {true, kStandInGray};
  }
  diagnostics.report(SvgDiagnosticCode::MISSING_REFERENCE, "paint",
                     "a paint refers to no gradient or pattern; its fallback (or nothing) is painted");
  return simplePaint(paint.fallbackKind, paint.fallbackColor, style);
}

}  // namespace host::svg
