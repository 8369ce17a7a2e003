#pragma once
// Conversion of text frames to outlines: every glyph of the laid-out frame (overflowing area lines
// excepted, since they are not shown) becomes its font outline, at unit size scaled by the run's size and
// scales, placed at its origin and taken through the frame matrix. Quadratic curves are raised to cubic
// Beziers, each contour is a closed path; a glyph of several contours is one compound path, a glyph of one
// contour a plain path; blank glyphs such as spaces give nothing. Paths are filled with the run's fill
// (non-zero winding, as the fonts expect) and stroked when its stroke is painted.

#include <vector>

#include "host/document/Art.h"
#include "host/document/Path.h"
#include "host/document/PathStyle.h"
#include "host/document/TextFrameData.h"
#include "host/text/FontCatalog.h"
#include "platform/Result.h"

namespace host {

/// One glyph's outline in artwork coordinates with its paint.
struct GlyphShape {
  /// The story position of the character.
  std::int32_t character = 0;
  /// One closed path per contour, at least one.
  std::vector<PathData> contours;
  /// The paint of every contour.
  PathStyle style;
};

/// The outlines of a frame's visible glyphs in story order.
[[nodiscard]] platform::Result<std::vector<GlyphShape>> outlineGlyphs(const TextFrameData& frame,
                                                                      const FontCatalog& catalog);

/// Creates a group directly above a text frame holding its glyph outlines (a group that stays empty when
/// the frame shows no glyph) and returns it; the frame itself stays. Refused for art other than a text
/// frame; on a failure part way nothing is left behind.
[[nodiscard]] platform::Result<Art*> createOutlines(Art& frame, const FontCatalog& catalog);

}  // namespace host
