#pragma once
// The painting properties of an SVG element, computed the way CSS computes them: inherited properties start
// from the parent's values, the others from their initial values; presentation attributes are applied first,
// then the declarations of the style attribute, which take precedence. Lengths are resolved to user units
// when they are declared.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/document/PathStyle.h"
#include "host/svg/CssColor.h"
#include "host/svg/SvgLength.h"

namespace host::svg {

/// What a fill or stroke paints with.
enum class PaintKind { NONE, COLOR, CURRENT_COLOR, REFERENCE };

/// A fill or stroke value.
struct Paint {
  /// The kind of paint.
  PaintKind kind = PaintKind::NONE;
  /// The colour, for COLOR.
  RgbColor color;
  /// The referenced element's id (a gradient or pattern), for REFERENCE.
  std::string reference;
  /// For REFERENCE: what paints when the reference cannot be used (NONE, COLOR or CURRENT_COLOR).
  PaintKind fallbackKind = PaintKind::NONE;
  /// The fallback colour, for fallbackKind COLOR.
  RgbColor fallbackColor;
};

/// Where text stands relative to its position.
enum class TextAnchor { START, MIDDLE, END };

/// The computed painting properties of one element.
struct SvgStyle {
  // Inherited properties.
  /// Fill; initially black.
  Paint fill{PaintKind::COLOR, {}, {}, PaintKind::NONE, {}};
  /// Fill opacity 0..1.
  double fillOpacity = 1;
  /// fill-rule: evenodd rather than nonzero.
  bool fillEvenOdd = false;
  /// Stroke; initially none.
  Paint stroke;
  /// Stroke opacity 0..1.
  double strokeOpacity = 1;
  /// Stroke width, user units.
  double strokeWidth = 1;
  /// Dash lengths, user units; empty for a solid stroke.
  std::vector<double> dashArray;
  /// Dash offset, user units.
  double dashOffset = 0;
  /// Miter limit, 1 or more.
  double miterLimit = 4;
  /// Line cap.
  LineCap lineCap = LineCap::BUTT;
  /// Line join.
  LineJoin lineJoin = LineJoin::MITER;
  /// The colour that currentColor paints with.
  RgbColor color;
  /// visibility: visible (true) or hidden/collapse (false).
  bool visible = true;
  /// clip-rule: evenodd rather than nonzero (for the children of a clipPath).
  bool clipEvenOdd = false;
  /// Whether markers are set (marker, marker-start, marker-mid, marker-end other than none).
  bool markers = false;
  /// The first family of font-family, quotes removed; empty when not set.
  std::string fontFamily;
  /// Font size, user units.
  double fontSize = 16;
  /// text-anchor.
  TextAnchor textAnchor = TextAnchor::START;
  /// font-weight bold (bold, bolder, 600 and more).
  bool fontBold = false;
  /// font-style italic or oblique.
  bool fontItalic = false;

  // Properties that are not inherited.
  /// Group or element opacity 0..1.
  double opacity = 1;
  /// display: none.
  bool displayNone = false;
  /// The id of the clipPath element that clip-path references; empty for none.
  std::string clipPath;
  /// Whether a filter other than none is set.
  bool filter = false;
  /// Whether a mask other than none is set.
  bool mask = false;
};

/// The style an element starts from: the parent's inherited properties, the others at their initial values.
[[nodiscard]] SvgStyle inheritedStyle(const SvgStyle& parent);

/// What applying one declaration did.
enum class DeclarationOutcome { APPLIED, UNKNOWN_PROPERTY, INVALID_VALUE };

/// Applies one declaration, a presentation attribute or one item of a style attribute. "inherit" takes the
/// parent's value. An invalid value leaves the property as it was, as CSS ignores the declaration.
[[nodiscard]] DeclarationOutcome applyDeclaration(SvgStyle& style, const SvgStyle& parent, std::string_view name,
                                                  std::string_view value, const LengthContext& context);

/// Applies the declarations of a style attribute ("name: value; ..."), in order; the names of properties
/// whose values were invalid are appended to invalidProperties.
void applyStyleAttribute(SvgStyle& style, const SvgStyle& parent, std::string_view declarations,
                         const LengthContext& context, std::vector<std::string>& invalidProperties);

/// The id in a reference "url(#id)" (quotes allowed), with the rest of the text after the closing
/// parenthesis in rest; nullopt when text is no such reference.
[[nodiscard]] std::optional<std::string_view> parseUrlReference(std::string_view text,
                                                                std::string_view* rest = nullptr);

}  // namespace host::svg
