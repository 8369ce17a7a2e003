#include "host/text/TextLayout.h"

#include <algorithm>
#include <optional>

namespace host {

namespace {

// Widths within this distance of the area's width still fit, so that a line measured to exactly the area's
// width does not wrap on a rounding difference.
constexpr double kFitTolerance = 1e-4;

// One character of a paragraph with what layout needs of it, in points.
struct PlacedCharacter {
  char32_t codePoint = 0;
  std::int32_t run = 0;
  std::int32_t font = 0;
  double advance = 0;
  double ascent = 0;
  double descent = 0;
  double size = 0;
};

// Characters [begin, end) of a paragraph that form one line.
struct LineSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
  double width = 0;
};

bool isSpace(char32_t character) { return character == U' ' || character == U'\t' || character == 0x3000; }

// Scripts written without spaces between words, where a line may break between any two characters:
// Hangul Jamo, the CJK blocks from radicals to unified ideographs (kana and Hangul compatibility Jamo
// included), Hangul syllables, compatibility ideographs, full-width forms and the supplementary ideographs.
bool isChineseJapaneseOrKorean(char32_t character) {
  return (character >= 0x1100 && character <= 0x11FF) || (character >= 0x2E80 && character <= 0x9FFF) ||
         (character >= 0xAC00 && character <= 0xD7AF) || (character >= 0xF900 && character <= 0xFAFF) ||
         (character >= 0xFF00 && character <= 0xFFEF) || (character >= 0x20000 && character <= 0x3FFFF);
}

// Whether a wrapped line may start with character index. Spaces never start a line: they hang at the end
// of the one before.
bool canBreakBefore(const std::vector<PlacedCharacter>& characters, std::size_t index) {
  const char32_t before = characters[index - 1].codePoint;
  const char32_t at = characters[index].codePoint;
  if (isSpace(at)) return false;
  return isSpace(before) || isChineseJapaneseOrKorean(before) || isChineseJapaneseOrKorean(at);
}

double sumAdvances(const std::vector<PlacedCharacter>& characters, std::size_t begin, std::size_t end) {
  double width = 0;
  for (std::size_t index = begin; index < end; ++index) width += characters[index].advance;
  return width;
}

double widthWithoutHangingSpaces(const std::vector<PlacedCharacter>& characters, std::size_t begin,
                                 std::size_t end) {
  while (end > begin && isSpace(characters[end - 1].codePoint)) --end;
  return sumAdvances(characters, begin, end);
}

// Splits a paragraph into lines: one line without a width, else greedy wrapping (see TextLayout.h).
std::vector<LineSpan> breakLines(const std::vector<PlacedCharacter>& characters, std::optional<double> maxWidth) {
  const std::size_t count = characters.size();
  if (!maxWidth || count == 0) return {{0, count, sumAdvances(characters, 0, count)}};
  std::vector<LineSpan> lines;
  std::size_t begin = 0;
  while (begin < count) {
    double width = 0;
    std::size_t lastBreak = begin;
    std::size_t end = count;
    bool wrapped = false;
    for (std::size_t index = begin; index < count; ++index) {
      if (index > begin && canBreakBefore(characters, index)) lastBreak = index;
      width += characters[index].advance;
      // A trailing space never makes a line too wide; the first character always stays, so lines progress.
      if (!isSpace(characters[index].codePoint) && index > begin && width > *maxWidth + kFitTolerance) {
        end = lastBreak > begin ? lastBreak : index;
        wrapped = true;
        break;
      }
    }
    const double lineWidth =
        wrapped ? widthWithoutHangingSpaces(characters, begin, end) : sumAdvances(characters, begin, end);
    lines.push_back({begin, end, lineWidth});
    begin = end;
  }
  return lines;
}

// Decodes a paragraph and measures every character with the face that draws it.
platform::Result<std::vector<PlacedCharacter>> placeParagraph(const Paragraph& paragraph,
                                                              const FontCatalog& catalog) {
  std::vector<PlacedCharacter> placed;
  for (std::size_t runIndex = 0; runIndex < paragraph.runs.size(); ++runIndex) {
    const TextRun& run = paragraph.runs[runIndex];
    const CharacterFeatures& features = run.features;
    const std::int32_t requested = catalog.resolveFullName(features.font);
    for (std::size_t offset = 0; offset < run.text.size();) {
      const DecodedCharacter decoded = decodeCharacter(run.text, offset);
      offset += static_cast<std::size_t>(decoded.length);
      platform::Result<std::int32_t> font = catalog.faceForCharacter(requested, decoded.codePoint);
      if (!font) return font.error();
      platform::Result<const FontFace*> face = catalog.face(*font);
      if (!face) return face.error();
      platform::Result<double> advance = (*face)->advance(decoded.codePoint);
      if (!advance) return advance.error();
      const VerticalMetrics metrics = (*face)->verticalMetrics();
      const double height = static_cast<double>(features.size) * features.verticalScale;
      placed.push_back({decoded.codePoint, static_cast<std::int32_t>(runIndex), *font,
                        *advance * features.size * features.horizontalScale, metrics.ascender * height,
                        metrics.descender * height, features.size});
    }
  }
  return placed;
}

struct LineExtent {
  double ascent = 0;
  double descent = 0;
  double largestSize = 0;
};

// The extent of a line's characters; an empty line takes it from the features typing there would use.
platform::Result<LineExtent> measureLine(const std::vector<PlacedCharacter>& characters, const LineSpan& span,
                                         const CharacterFeatures& emptyLineFeatures, const FontCatalog& catalog) {
  LineExtent extent;
  if (span.begin == span.end) {
    platform::Result<const FontFace*> face = catalog.face(catalog.resolveFullName(emptyLineFeatures.font));
    if (!face) return face.error();
    const VerticalMetrics metrics = (*face)->verticalMetrics();
    const double height = static_cast<double>(emptyLineFeatures.size) * emptyLineFeatures.verticalScale;
    return LineExtent{metrics.ascender * height, metrics.descender * height, emptyLineFeatures.size};
  }
  for (std::size_t index = span.begin; index < span.end; ++index) {
    extent.ascent = std::max(extent.ascent, characters[index].ascent);
    extent.descent = std::max(extent.descent, characters[index].descent);
    extent.largestSize = std::max(extent.largestSize, characters[index].size);
  }
  return extent;
}

double lineStart(const TextFrameData& frame, Justification justification, double width) {
  const bool area = frame.kind == TextFrameKind::AREA;
  const double left = area ? frame.area.left : 0.0;
  const double right = area ? frame.area.right : 0.0;
  switch (justification) {
    case Justification::CENTER: return (left + right) / 2 - width / 2;
    case Justification::RIGHT: return right - width;
    case Justification::LEFT: break;
  }
  return left;
}

HostRealPoint throughMatrix(const AffineMatrix& matrix, double x, double y) {
  return {static_cast<HostReal>(matrix.a * x + matrix.c * y + matrix.tx),
          static_cast<HostReal>(matrix.b * x + matrix.d * y + matrix.ty)};
}

// Groups a line's characters into glyph runs of one story run and one face.
std::vector<GlyphRun> makeGlyphRuns(const TextFrameData& frame, const Paragraph& paragraph,
                                    const std::vector<PlacedCharacter>& characters, const LineSpan& span,
                                    std::int32_t paragraphStart, double left, double baseline) {
  std::vector<GlyphRun> runs;
  double x = left;
  for (std::size_t index = span.begin; index < span.end; ++index) {
    const PlacedCharacter& character = characters[index];
    if (runs.empty() || characters[index - 1].run != character.run ||
        characters[index - 1].font != character.font) {
      GlyphRun run;
      run.firstCharacter = paragraphStart + static_cast<std::int32_t>(index);
      run.features = paragraph.runs[static_cast<std::size_t>(character.run)].features;
      run.font = character.font;
      run.origin = {static_cast<HostReal>(x), static_cast<HostReal>(baseline)};
      run.artworkOrigin = throughMatrix(frame.matrix, x, baseline);
      runs.push_back(std::move(run));
    }
    runs.back().characters.push_back(character.codePoint);
    runs.back().advances.push_back(static_cast<HostReal>(character.advance));
    x += character.advance;
  }
  return runs;
}

}  // namespace

HostReal GlyphRun::width() const {
  HostReal total = 0;
  for (const HostReal advance : advances) total += advance;
  return total;
}

platform::Result<TextLayout> layoutText(const TextFrameData& frame, const FontCatalog& catalog) {
  if (platform::Result<void> valid = validateTextFrame(frame); !valid) return valid.error();
  const bool area = frame.kind == TextFrameKind::AREA;
  std::optional<double> maxWidth;
  if (area) maxWidth = static_cast<double>(frame.area.right) - frame.area.left;

  TextLayout layout;
  std::int32_t paragraphStart = 0;
  double baseline = 0;
  bool overflow = false;
  for (std::size_t paragraphIndex = 0; paragraphIndex < frame.story.paragraphs.size(); ++paragraphIndex) {
    const Paragraph& paragraph = frame.story.paragraphs[paragraphIndex];
    platform::Result<std::vector<PlacedCharacter>> characters = placeParagraph(paragraph, catalog);
    if (!characters) return characters.error();
    const CharacterFeatures emptyLineFeatures = featuresAt(frame.story, paragraphStart);
    for (const LineSpan& span : breakLines(*characters, maxWidth)) {
      platform::Result<LineExtent> extent = measureLine(*characters, span, emptyLineFeatures, catalog);
      if (!extent) return extent.error();
      const double leading = paragraph.leading ? static_cast<double>(*paragraph.leading)
                                               : kAutoLeadingFactor * extent->largestSize;
      if (layout.lines.empty()) {
        baseline = area ? frame.area.top - extent->ascent : 0.0;
      } else {
        baseline -= leading;
      }
      if (area && baseline - extent->descent < frame.area.bottom - kFitTolerance) overflow = true;
      TextLine line;
      line.paragraph = static_cast<std::int32_t>(paragraphIndex);
      line.firstCharacter = paragraphStart + static_cast<std::int32_t>(span.begin);
      line.characterCount = static_cast<std::int32_t>(span.end - span.begin);
      line.baseline = static_cast<HostReal>(baseline);
      const double left = lineStart(frame, paragraph.justification, span.width);
      line.left = static_cast<HostReal>(left);
      line.width = static_cast<HostReal>(span.width);
      line.ascent = static_cast<HostReal>(extent->ascent);
      line.descent = static_cast<HostReal>(extent->descent);
      line.leading = static_cast<HostReal>(leading);
      line.overflow = overflow;
      line.runs = makeGlyphRuns(frame, paragraph, *characters, span, paragraphStart, left, baseline);
      layout.lines.push_back(std::move(line));
    }
    paragraphStart += static_cast<std::int32_t>(characters->size()) + 1;
  }
  return layout;
}

}  // namespace host
