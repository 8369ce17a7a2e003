#include "host/svg/SvgStyle.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

#include "host/svg/NumberScanner.h"
#include "platform/AsciiText.h"

namespace host::svg {
namespace {

std::optional<Paint> parseSimplePaint(std::string_view text) {
  const std::string lower = platform::lowerAsciiText(trimSpaces(text));
  if (lower == "none") return Paint{};
  if (lower == "currentcolor") return Paint{PaintKind::CURRENT_COLOR, {}, {}, PaintKind::NONE, {}};
  if (std::optional<RgbColor> color = parseCssColor(text))
    return Paint{PaintKind::COLOR, *color, {}, PaintKind::NONE, {}};
  return std::nullopt;
}

std::optional<Paint> parsePaint(std::string_view text) {
  std::string_view rest;
  if (std::optional<std::string_view> id = parseUrlReference(text, &rest)) {
    Paint paint{PaintKind::REFERENCE, {}, std::string(*id), PaintKind::NONE, {}};
    if (!trimSpaces(rest).empty()) {
      std::optional<Paint> fallback = parseSimplePaint(rest);
      if (!fallback) return std::nullopt;
      paint.fallbackKind = fallback->kind;
      paint.fallbackColor = fallback->color;
    }
    return paint;
  }
  return parseSimplePaint(text);
}

// An opacity: a number or a percentage, clamped to 0..1.
std::optional<double> parseOpacity(std::string_view text) {
  NumberScanner scanner(text);
  std::optional<double> value = scanner.number();
  if (!value) return std::nullopt;
  if (scanner.peek() == '%') {
    scanner.advance();
    *value /= 100;
  }
  if (!scanner.atEnd()) return std::nullopt;
  return std::clamp(*value, 0.0, 1.0);
}

std::optional<double> parseNonNegativeLength(std::string_view text, const LengthContext& context) {
  std::optional<Length> length = parseLength(text);
  if (!length || length->value < 0) return std::nullopt;
  return toUserUnits(*length, context, LengthAxis::OTHER);
}

// A dash array: "none", or lengths separated by commas and/or white space, none negative. A list that adds up
// to zero draws a solid line.
std::optional<std::vector<double>> parseDashArray(std::string_view text, const LengthContext& context) {
  text = trimSpaces(text);
  if (platform::lowerAsciiText(text) == "none") return std::vector<double>{};
  std::vector<double> lengths;
  double total = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(", \t\n\r\f", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view item = text.substr(start, end - start);
    if (!item.empty()) {
      std::optional<double> length = parseNonNegativeLength(item, context);
      if (!length) return std::nullopt;
      lengths.push_back(*length);
      total += *length;
    }
    start = end + 1;
  }
  if (lengths.empty()) return std::nullopt;
  if (total == 0) lengths.clear();
  return lengths;
}

// The first family of a font-family list, without quotes.
std::optional<std::string> parseFontFamily(std::string_view text) {
  std::string_view first = trimSpaces(text);
  if (first.empty()) return std::nullopt;
  if (first.front() == '\'' || first.front() == '"') {
    const std::size_t close = first.find(first.front(), 1);
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(first.substr(1, close - 1));
  }
  return std::string(trimSpaces(first.substr(0, first.find(','))));
}

std::optional<double> parseFontSize(std::string_view text, double parentSize, const LengthContext& context) {
  struct Keyword {
    std::string_view name;
    double pixels;
  };
  // CSS's absolute size keywords at a medium of 16 px.
  static constexpr Keyword kKeywords[] = {{"xx-small", 9}, {"x-small", 10}, {"small", 13},   {"medium", 16},
                                          {"large", 18},   {"x-large", 24}, {"xx-large", 32}};
  const std::string lower = platform::lowerAsciiText(trimSpaces(text));
  for (const Keyword& keyword : kKeywords) {
    if (lower == keyword.name) return keyword.pixels;
  }
  if (lower == "larger") return parentSize * 1.2;
  if (lower == "smaller") return parentSize / 1.2;
  std::optional<Length> length = parseLength(text);
  if (!length || length->value < 0) return std::nullopt;
  // em and % of a font size refer to the parent's font size.
  if (length->unit == LengthUnit::PERCENT) return length->value * parentSize / 100;
  LengthContext parentContext = context;
  parentContext.fontSize = parentSize;
  return toUserUnits(*length, parentContext, LengthAxis::OTHER);
}

template <class Enum>
struct Keyword {
  std::string_view name;
  Enum value;
};

template <class Enum, std::size_t Size>
std::optional<Enum> parseKeyword(std::string_view text, const Keyword<Enum> (&keywords)[Size]) {
  const std::string lower = platform::lowerAsciiText(trimSpaces(text));
  for (const Keyword<Enum>& keyword : keywords) {
    if (lower == keyword.name) return keyword.value;
  }
  return std::nullopt;
}

constexpr Keyword<bool> kFillRules[] = {{"nonzero", false}, {"evenodd", true}};
constexpr Keyword<LineCap> kLineCaps[] = {
    {"butt", LineCap::BUTT}, {"round", LineCap::ROUND}, {"square", LineCap::PROJECTING}};
// SVG 2's miter-clip and arcs fall back to a miter.
constexpr Keyword<LineJoin> kLineJoins[] = {{"miter", LineJoin::MITER},
                                            {"round", LineJoin::ROUND},
                                            {"bevel", LineJoin::BEVEL},
                                            {"miter-clip", LineJoin::MITER},
                                            {"arcs", LineJoin::MITER}};
constexpr Keyword<bool> kVisibilities[] = {{"visible", true}, {"hidden", false}, {"collapse", false}};
constexpr Keyword<TextAnchor> kTextAnchors[] = {
    {"start", TextAnchor::START}, {"middle", TextAnchor::MIDDLE}, {"end", TextAnchor::END}};

constexpr Keyword<bool> kFontStyles[] = {{"normal", false}, {"italic", true}, {"oblique", true}};

// Whether a font weight is bold: the keywords, or a number of 600 and more.
std::optional<bool> parseFontWeight(std::string_view text) {
  const std::string lower = platform::lowerAsciiText(trimSpaces(text));
  if (lower == "normal" || lower == "lighter") return false;
  if (lower == "bold" || lower == "bolder") return true;
  std::optional<double> weight = parseNumber(lower);
  if (!weight || *weight < 1 || *weight > 1000) return std::nullopt;
  return *weight >= 600;
}

// Whether a reference-valued property (marker, filter, mask) is set: "none" is not, url(...) is.
std::optional<bool> parseReferenceSet(std::string_view text) {
  if (platform::lowerAsciiText(trimSpaces(text)) == "none") return false;
  if (parseUrlReference(text)) return true;
  return std::nullopt;
}

// Stores a parsed value in a field, or reports the value invalid.
template <class Value, class Field>
bool store(std::optional<Value> parsed, Field& field) {
  if (!parsed) return false;
  field = std::move(*parsed);
  return true;
}

struct PropertyRule {
  std::string_view name;
  // Parses value into style; false when the value is invalid.
  bool (*apply)(SvgStyle& style, std::string_view value, const LengthContext& context);
  // Copies the property from the parent ("inherit").
  void (*inherit)(SvgStyle& style, const SvgStyle& parent);
};

// One rule per property, sorted by name for binary search.
constexpr PropertyRule kPropertyRules[] = {
    {"clip-path",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       if (platform::lowerAsciiText(trimSpaces(value)) == "none") {
         style.clipPath.clear();
         return true;
       }
       std::optional<std::string_view> id = parseUrlReference(value);
       if (!id) return false;
       style.clipPath = std::string(*id);
       return true;
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.clipPath = parent.clipPath; }},
    {"clip-rule",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseKeyword(value, kFillRules), style.clipEvenOdd);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.clipEvenOdd = parent.clipEvenOdd; }},
    {"color",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseCssColor(value), style.color);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.color = parent.color; }},
    {"display",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       style.displayNone = platform::lowerAsciiText(trimSpaces(value)) == "none";
       return true;
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.displayNone = parent.displayNone; }},
    {"fill",
     [](SvgStyle& style, std::string_view value, const LengthContext&) { return store(parsePaint(value), style.fill); },
     [](SvgStyle& style, const SvgStyle& parent) { style.fill = parent.fill; }},
    {"fill-opacity",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseOpacity(value), style.fillOpacity);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.fillOpacity = parent.fillOpacity; }},
    {"fill-rule",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseKeyword(value, kFillRules), style.fillEvenOdd);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.fillEvenOdd = parent.fillEvenOdd; }},
    {"filter",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseReferenceSet(value), style.filter);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.filter = parent.filter; }},
    {"font-family",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseFontFamily(value), style.fontFamily);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.fontFamily = parent.fontFamily; }},
    {"font-size",
     [](SvgStyle& style, std::string_view value, const LengthContext& context) {
       return store(parseFontSize(value, style.fontSize, context), style.fontSize);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.fontSize = parent.fontSize; }},
    {"font-style",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseKeyword(value, kFontStyles), style.fontItalic);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.fontItalic = parent.fontItalic; }},
    {"font-weight",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseFontWeight(value), style.fontBold);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.fontBold = parent.fontBold; }},
    {"marker",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseReferenceSet(value), style.markers);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.markers = parent.markers; }},
    {"marker-end",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseReferenceSet(value), style.markers);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.markers = parent.markers; }},
    {"marker-mid",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseReferenceSet(value), style.markers);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.markers = parent.markers; }},
    {"marker-start",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseReferenceSet(value), style.markers);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.markers = parent.markers; }},
    {"mask",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseReferenceSet(value), style.mask);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.mask = parent.mask; }},
    {"opacity",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseOpacity(value), style.opacity);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.opacity = parent.opacity; }},
    {"stroke",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parsePaint(value), style.stroke);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.stroke = parent.stroke; }},
    {"stroke-dasharray",
     [](SvgStyle& style, std::string_view value, const LengthContext& context) {
       return store(parseDashArray(value, context), style.dashArray);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.dashArray = parent.dashArray; }},
    {"stroke-dashoffset",
     [](SvgStyle& style, std::string_view value, const LengthContext& context) {
       std::optional<Length> length = parseLength(value);
       if (!length) return false;
       style.dashOffset = toUserUnits(*length, context, LengthAxis::OTHER);
       return true;
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.dashOffset = parent.dashOffset; }},
    {"stroke-linecap",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseKeyword(value, kLineCaps), style.lineCap);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.lineCap = parent.lineCap; }},
    {"stroke-linejoin",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseKeyword(value, kLineJoins), style.lineJoin);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.lineJoin = parent.lineJoin; }},
    {"stroke-miterlimit",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       std::optional<double> limit = parseNumber(value);
       if (!limit || *limit < 1) return false;
       style.miterLimit = *limit;
       return true;
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.miterLimit = parent.miterLimit; }},
    {"stroke-opacity",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseOpacity(value), style.strokeOpacity);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.strokeOpacity = parent.strokeOpacity; }},
    {"stroke-width",
     [](SvgStyle& style, std::string_view value, const LengthContext& context) {
       return store(parseNonNegativeLength(value, context), style.strokeWidth);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.strokeWidth = parent.strokeWidth; }},
    {"text-anchor",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseKeyword(value, kTextAnchors), style.textAnchor);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.textAnchor = parent.textAnchor; }},
    {"visibility",
     [](SvgStyle& style, std::string_view value, const LengthContext&) {
       return store(parseKeyword(value, kVisibilities), style.visible);
     },
     [](SvgStyle& style, const SvgStyle& parent) { style.visible = parent.visible; }},
};

static_assert(std::is_sorted(std::begin(kPropertyRules), std::end(kPropertyRules),
                             [](const PropertyRule& a, const PropertyRule& b) { return a.name < b.name; }));

const PropertyRule* findRule(std::string_view name) {
  const auto* found = std::lower_bound(std::begin(kPropertyRules), std::end(kPropertyRules), name,
                                       [](const PropertyRule& rule, std::string_view key) { return rule.name < key; });
  return found != std::end(kPropertyRules) && found->name == name ? found : nullptr;
}

}  // namespace

SvgStyle inheritedStyle(const SvgStyle& parent) {
  SvgStyle style = parent;
  style.opacity = 1;
  style.displayNone = false;
  style.clipPath.clear();
  style.filter = false;
  style.mask = false;
  return style;
}

DeclarationOutcome applyDeclaration(SvgStyle& style, const SvgStyle& parent, std::string_view name,
                                    std::string_view value, const LengthContext& context) {
  const PropertyRule* rule = findRule(name);
  if (rule == nullptr) return DeclarationOutcome::UNKNOWN_PROPERTY;
  value = trimSpaces(value);
  if (value == "inherit") {
    rule->inherit(style, parent);
    return DeclarationOutcome::APPLIED;
  }
  return rule->apply(style, value, context) ? DeclarationOutcome::APPLIED : DeclarationOutcome::INVALID_VALUE;
}

void applyStyleAttribute(SvgStyle& style, const SvgStyle& parent, std::string_view declarations,
                         const LengthContext& context, std::vector<std::string>& invalidProperties) {
  while (!declarations.empty()) {
    const std::size_t end = declarations.find(';');
    std::string_view declaration = declarations.substr(0, end);
    declarations = end == std::string_view::npos ? std::string_view{} : declarations.substr(end + 1);
    const std::size_t colon = declaration.find(':');
    if (colon == std::string_view::npos) continue;
    // Property names are case-insensitive; most are written in lower case already and need no copy.
    const std::string_view writtenName = trimSpaces(declaration.substr(0, colon));
    const bool lower = std::none_of(writtenName.begin(), writtenName.end(),
                                    [](char character) { return character >= 'A' && character <= 'Z'; });
    const std::string lowered = lower ? std::string() : platform::lowerAsciiText(writtenName);
    const std::string_view name = lower ? writtenName : std::string_view(lowered);
    std::string_view value = trimSpaces(declaration.substr(colon + 1));
    // The priority marker changes nothing here: the style attribute wins over presentation attributes anyway.
    if (const std::size_t important = value.find('!'); important != std::string_view::npos) {
      value = trimSpaces(value.substr(0, important));
    }
    if (applyDeclaration(style, parent, name, value, context) == DeclarationOutcome::INVALID_VALUE) {
      invalidProperties.emplace_back(name);
    }
  }
}

std::optional<std::string_view> parseUrlReference(std::string_view text, std::string_view* rest) {
  text = trimSpaces(text);
  if (!text.starts_with("url(")) return std::nullopt;
  const std::size_t close = text.find(')');
  if (close == std::string_view::npos) return std::nullopt;
  std::string_view inside = trimSpaces(text.substr(4, close - 4));
  if (inside.size() >= 2 && (inside.front() == '\'' || inside.front() == '"') && inside.back() == inside.front()) {
    inside = trimSpaces(inside.substr(1, inside.size() - 2));
  }
  // Only references within the same document are followed.
  if (!inside.starts_with('#') || inside.size() < 2) return std::nullopt;
  if (rest != nullptr) *rest = text.substr(close + 1);
  return inside.substr(1);
}

}  // namespace host::svg
