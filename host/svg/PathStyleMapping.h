#pragma once
// SVG painting properties as a host path style and art opacity. The host has one opacity per art object,
// so fill-opacity and stroke-opacity are folded into it: the opacity of a path is its SVG opacity times the
// fill opacity when it is filled, else times the stroke opacity. A fill or stroke with opacity 0 paints
// nothing and is dropped first, so a transparent fill does not make a visible stroke vanish.

#include "host/document/Color.h"
#include "host/document/PathStyle.h"
#include "host/svg/CssColor.h"
#include "host/svg/SvgDiagnostics.h"
#include "host/svg/SvgStyle.h"

namespace host::svg {

/// A fill or stroke reduced to what the host paints: nothing or one colour.
struct ResolvedPaint {
  /// Whether anything is painted.
  bool paint = false;
  /// The colour painted.
  RgbColor color;
};

/// A host three-colour (RGB) colour.
[[nodiscard]] ThreeColor toThreeColor(RgbColor color);

/// The host style: the resolved paints (a paint with opacity 0 is dropped), the fill rule, and the stroke's
/// width, dash lengths and offset scaled by scale (the mean scale from user units to artwork points). An odd
/// dash list is doubled as SVG repeats it; beyond six lengths the rest is dropped and reported.
[[nodiscard]] PathStyle toPathStyle(const SvgStyle& style, const ResolvedPaint& fill, const ResolvedPaint& stroke,
                                    double scale, SvgDiagnosticList& diagnostics);

/// The art opacity of a path painted with pathStyle (see the file comment).
[[nodiscard]] double pathOpacity(const SvgStyle& style, const PathStyle& pathStyle);

}  // namespace host::svg
