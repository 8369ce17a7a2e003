#pragma once
// The content of a text-frame art object: where the frame stands (kind, matrix, area) and its story
// (paragraphs of runs, each run UTF-8 text with its character features). Plain values; the text engine
// (host/text/) lays them out, edits them and converts them to outlines.
//
// Character positions: the story's characters are Unicode code points of its whole text, paragraphs
// separated by one '\r' that counts as a character, so position i of a story is code point i of text().

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/document/Color.h"
#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

/// A 2-D affine matrix: (x, y) maps to (a x + c y + tx, b x + d y + ty). Identity by default.
struct AffineMatrix {
  /// Scale and rotation: x contribution to x.
  HostReal a = 1;
  /// Scale and rotation: x contribution to y.
  HostReal b = 0;
  /// Scale and rotation: y contribution to x.
  HostReal c = 0;
  /// Scale and rotation: y contribution to y.
  HostReal d = 1;
  /// Translation along x, artwork points.
  HostReal tx = 0;
  /// Translation along y, artwork points.
  HostReal ty = 0;

  /// The matrix that only translates by (h, v).
  [[nodiscard]] static AffineMatrix translation(HostReal h, HostReal v) { return {1, 0, 0, 1, h, v}; }
  /// The image of a point under the matrix.
  [[nodiscard]] HostRealPoint apply(HostRealPoint point) const {
    return {a * point.h + c * point.v + tx, b * point.h + d * point.v + ty};
  }
  /// Member-wise equality.
  friend bool operator==(const AffineMatrix&, const AffineMatrix&) = default;
};

/// How a frame places its lines.
enum class TextFrameKind : std::int32_t {
  /// Text from an anchor point (the matrix's translation); lines break only at paragraph ends.
  POINT = 0,
  /// Text inside a rectangle; lines also wrap at the rectangle's width.
  AREA = 1,
};

/// How a paragraph's lines sit horizontally.
enum class Justification : std::int32_t {
  /// Point text starts at x 0; area text at the area's left edge.
  LEFT = 0,
  /// Point text is centred on x 0; area text on the area's centre.
  CENTER = 1,
  /// Point text ends at x 0; area text at the area's right edge.
  RIGHT = 2,
};

/// The full name of the font new text uses.
inline constexpr const char* kDefaultFontName = "DejaVu Sans";

/// The size in points of new text.
inline constexpr HostReal kDefaultFontSize = 12;

/// Auto leading is this factor times the largest character size of a line.
inline constexpr HostReal kAutoLeadingFactor = HostReal(1.2);

/// The features of a run's characters. Default: 12 pt DejaVu Sans, filled black, no stroke.
struct CharacterFeatures {
  /// The font's full name, e.g. "DejaVu Sans"; an unknown name falls back as the font catalog documents.
  std::string font = kDefaultFontName;
  /// Size in points, more than 0.
  HostReal size = kDefaultFontSize;
  /// Horizontal scale, 1 = 100 %.
  HostReal horizontalScale = 1;
  /// Vertical scale, 1 = 100 %.
  HostReal verticalScale = 1;
  /// Whether the glyphs are filled.
  bool fillPaint = true;
  /// The fill colour.
  Color fillColor{};
  /// Whether the glyphs are stroked.
  bool strokePaint = false;
  /// The stroke colour.
  Color strokeColor{};
  /// Stroke width, artwork points.
  HostReal strokeWidth = 1;
  /// Member-wise equality.
  friend bool operator==(const CharacterFeatures&, const CharacterFeatures&) = default;
};

/// Consecutive characters with the same features. The text holds no '\r' (that separates paragraphs).
struct TextRun {
  /// UTF-8 text.
  std::string text{};
  /// The features of every character of the text.
  CharacterFeatures features{};
  /// Member-wise equality.
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

/// One paragraph: its runs and its paragraph features. A paragraph may keep one empty run so that an empty
/// line still has features (its size sets the line's auto leading).
struct Paragraph {
  /// Horizontal placement of the paragraph's lines.
  Justification justification = Justification::LEFT;
  /// Distance from the previous baseline down to each line's baseline, points (negative: the line stands
  /// above the previous one, as drawings written line by line have it); nullopt for auto leading
  /// (kAutoLeadingFactor times the line's largest size).
  std::optional<HostReal> leading{};
  /// The runs in order.
  std::vector<TextRun> runs{};

  /// The paragraph's text, the runs' texts joined.
  [[nodiscard]] std::string text() const;
  /// Number of characters (code points) of the paragraph, without a separator.
  [[nodiscard]] std::int32_t characterCount() const;
  /// Member-wise equality.
  friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

/// The text of a frame: its paragraphs in order.
struct Story {
  /// The paragraphs; a story with text has at least one.
  std::vector<Paragraph> paragraphs{};

  /// The whole text: paragraphs' texts separated by '\r', as the text engine reports them.
  [[nodiscard]] std::string text() const;
  /// Number of characters (code points) of text(), separators included.
  [[nodiscard]] std::int32_t characterCount() const;
  /// Member-wise equality.
  friend bool operator==(const Story&, const Story&) = default;
};

/// What a text frame holds.
struct TextFrameData {
  /// Point or area text.
  TextFrameKind kind = TextFrameKind::POINT;
  /// Maps the frame's own coordinates (y upwards) to artwork; for point text the translation is the anchor.
  AffineMatrix matrix;
  /// For area text: the area in the frame's own coordinates (top above bottom); unused by point text.
  HostRealRect area{};
  /// The text.
  Story story{};

  /// The story's whole text (see Story::text).
  [[nodiscard]] std::string text() const { return story.text(); }
  /// The story's character count (see Story::characterCount).
  [[nodiscard]] std::int32_t characterCount() const { return story.characterCount(); }
  /// Member-wise equality (the area compared field by field).
  friend bool operator==(const TextFrameData& x, const TextFrameData& y) {
    return x.kind == y.kind && x.matrix == y.matrix && x.area.left == y.area.left && x.area.top == y.area.top &&
           x.area.right == y.area.right && x.area.bottom == y.area.bottom && x.story == y.story;
  }
};

/// One character of UTF-8 text: its code point and how many bytes it takes.
struct DecodedCharacter {
  /// The code point; U+FFFD for a malformed byte.
  char32_t codePoint = 0;
  /// Bytes taken, 1 to 4.
  std::int32_t length = 1;
};

/// The character that starts at byte offset (less than text.size()). A byte that does not start a complete,
/// shortest-form sequence of a code point up to U+10FFFF (surrogates excluded) is one character U+FFFD,
/// so every byte belongs to exactly one character.
[[nodiscard]] DecodedCharacter decodeCharacter(std::string_view text, std::size_t offset);

/// Number of characters of UTF-8 text, decoded as decodeCharacter does.
[[nodiscard]] std::int32_t countCodePoints(std::string_view text);

/// The byte offset of character index (0 .. countCodePoints(text)) of UTF-8 text; text.size() at the end.
[[nodiscard]] std::size_t byteOffsetOfCharacter(std::string_view text, std::int32_t index);

/// The features a character typed at a story position takes: those of the character before it in the same
/// paragraph, else of the paragraph's first run, else of the nearest run before the paragraph, else the
/// defaults. A position past the end counts as the end.
[[nodiscard]] CharacterFeatures featuresAt(const Story& story, std::int32_t position);

/// Checks features: size, scales and stroke width finite, size and scales above 0, stroke width 0 or more,
/// colours valid (validateColor). Refused with HOST_BAD_PARAMETER.
[[nodiscard]] platform::Result<void> validateCharacterFeatures(const CharacterFeatures& features);

/// Checks a frame: a known kind, a finite matrix, for area text a finite area with left <= right and
/// bottom <= top, leadings finite, runs free of '\r' and with valid features.
/// Refused with HOST_BAD_PARAMETER.
[[nodiscard]] platform::Result<void> validateTextFrame(const TextFrameData& frame);

}  // namespace host
