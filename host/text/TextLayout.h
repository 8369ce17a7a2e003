#pragma once
// Layout of a text frame into lines and glyph runs, with the host's rules:
// - each character is drawn by its run's font, or by the catalog's fallback face for a glyph the font
//   lacks (FontCatalog.h); advances are the fonts' unhinted advances at unit size times the size and the
//   horizontal scale, without kerning;
// - the first baseline lies at the anchor (point text, y 0) or one ascent below the area's top (area text,
//   the line's largest ascender times size and vertical scale); each further line lies one leading lower:
//   the paragraph's leading, or auto leading (kAutoLeadingFactor times the line's largest size);
// - point text breaks lines at paragraph ends only; area text also wraps when a line would be wider than
//   the area: after spaces, or between any two characters where one is Chinese, Japanese or Korean, or,
//   for a word longer than the line, before the character that does not fit. Spaces at a wrap hang: they
//   stay on the line but do not count in its width;
// - justification: left starts at x 0, centre centres on x 0, right ends at x 0 (point text); area text
//   uses the area's left edge, centre and right edge;
// - area lines that reach below the area's bottom, and every line after them, are marked as overflow.

#include <cstdint>
#include <string>
#include <vector>

#include "host/document/TextFrameData.h"
#include "host/sdk/HostTypes.h"
#include "host/text/FontCatalog.h"
#include "platform/Result.h"

namespace host {

/// Consecutive characters of one line with the same run features and the same face.
struct GlyphRun {
  /// The story position of the first character.
  std::int32_t firstCharacter = 0;
  /// The characters.
  std::u32string characters;
  /// The features of the story run they come from.
  CharacterFeatures features;
  /// The catalog index of the face that draws them.
  std::int32_t font = 0;
  /// Baseline start point in the frame's own coordinates.
  HostRealPoint origin{};
  /// Baseline start point in artwork coordinates (origin through the frame matrix).
  HostRealPoint artworkOrigin{};
  /// The advance of each character in the frame's own coordinates, points.
  std::vector<HostReal> advances;

  /// The sum of the advances.
  [[nodiscard]] HostReal width() const;
};

/// One line of a laid-out frame.
struct TextLine {
  /// Index of the paragraph it belongs to.
  std::int32_t paragraph = 0;
  /// The story position of its first character.
  std::int32_t firstCharacter = 0;
  /// Number of its characters (a paragraph separator excluded).
  std::int32_t characterCount = 0;
  /// The baseline's y in the frame's own coordinates.
  HostReal baseline = 0;
  /// Where the line starts, x in the frame's own coordinates.
  HostReal left = 0;
  /// The width used to justify it: every advance except spaces hanging at a wrap.
  HostReal width = 0;
  /// Largest ascender above the baseline, points.
  HostReal ascent = 0;
  /// Largest descender below the baseline, points, positive.
  HostReal descent = 0;
  /// Distance from the previous line's baseline (for the first line, what it would be).
  HostReal leading = 0;
  /// Area text only: the line (or one before it) reaches below the area.
  bool overflow = false;
  /// The glyph runs from left to right; none for an empty line.
  std::vector<GlyphRun> runs;
};

/// A laid-out frame.
struct TextLayout {
  /// The lines from top to bottom; a story with text has at least one line per paragraph.
  std::vector<TextLine> lines;
};

/// Lays a frame out with the fonts of a catalog; refused when the frame does not pass validateTextFrame.
[[nodiscard]] platform::Result<TextLayout> layoutText(const TextFrameData& frame, const FontCatalog& catalog);

}  // namespace host
