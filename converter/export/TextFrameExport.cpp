#include "converter/export/TextFrameExport.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "converter/export/DxfColors.h"
#include "converter/export/DxfCoordinates.h"
#include "converter/export/DxfEntities.h"
#include "converter/export/DxfTextConversion.h"
#include "converter/export/UnicodeEscapes.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/FontSuite.h"
#include "host/sdk/HardSoftSuite.h"
#include "host/sdk/RealMathSuite.h"
#include "host/sdk/TextFrameSuite.h"
#include "platform/CodePages.h"
#include "plugin-common/CodePageText.h"
#include "plugin-common/TextEngine.h"

namespace converter {
namespace {

/// A run's text is read up to this many bytes (with the terminating zero, 1023 of text).
constexpr int32_t kRunTextCapacity = 1024;
/// TEXT height is this share of the line's tallest font height (ascent + descent + line gap).
constexpr double kTextHeightShare = 0.8;
constexpr double kFullTurnDegrees = 360.0;

/// DXF horizontal justification codes (group 72).
constexpr int16_t kJustifyLeftCode = 0;
constexpr int16_t kJustifyCentreCode = 1;
constexpr int16_t kJustifyRightCode = 2;

// Host operations raise their failing code as the text-engine wrappers do; writeTextFrame returns it.
using plugin::check;
using plugin::heldSuite;

/// The frame's rotation in degrees, 0 to 360. The frame matrix maps the frame's own coordinates (y upwards)
/// to artwork, so a turn anticlockwise by t has a = cos t, b = sin t.
double rotationDegrees(const HostRealMatrix& matrix) {
  double degrees = toDegrees(std::atan2(static_cast<double>(matrix.b), static_cast<double>(matrix.a)));
  return degrees < 0 ? degrees + kFullTurnDegrees : degrees;
}

/// A line's bytes as UTF-8, read in the code page of the plug-in's language: 932 for Japanese, 949 for
/// Korean; English has no double-byte set, so its text is read in the system code page it came in. Text
/// that does not convert counts as empty (it then adds no width).
/// The run's text as UTF-8, read in the code page of the language (the system's for English). A run holds at
/// most 1023 bytes, so its UTF-8 form fits in three times that.
std::string toUtf8(const std::string& text, plugin::LanguageId language) {
  if (language == plugin::LanguageId::ENGLISH) {
    platform::Result<std::string> converted = platform::codePageToUtf8(text, platform::systemCodePage());
    return converted ? converted.value() : std::string();
  }
  std::string out(3 * text.size() + 4, '\0');
  const bool converted = language == plugin::LanguageId::KOREAN ? plugin::koreanToUtf8(text.c_str(), out.data(), out.size())
                                                                 : plugin::shiftJisToUtf8(text.c_str(), out.data(), out.size());
  if (!converted) return std::string();
  out.resize(std::strlen(out.c_str()));
  return out;
}

/// Bytes of the UTF-8 character that begins with lead: 2 for 192-223, 3 for 224-239, 4 for 240-247, else 1.
size_t characterLength(unsigned char lead) {
  if (lead >= 192 && lead <= 223) return 2;
  if (lead >= 224 && lead <= 239) return 3;
  if (lead >= 240 && lead <= 247) return 4;
  return 1;
}

/// The sum of the advances (at unit size) of the characters of UTF-8 text in font.
double advanceSum(FontHandle font, const std::string& utf8) {
  const FontSuite& fonts = heldSuite<FontSuite>();
  double sum = 0;
  for (size_t position = 0; position < utf8.size();) {
    size_t length = std::min(characterLength(static_cast<unsigned char>(utf8[position])), utf8.size() - position);
    std::string character = utf8.substr(position, length);
    HostReal advance = 0;
    check(fonts.getCharacterAdvance(font, character.c_str(), &advance));
    sum += advance;
    position += length;
  }
  return sum;
}

/// A run's characters in the system code page, at most kRunTextCapacity - 1 bytes.
std::string runText(const plugin::GlyphRun& run) {
  std::string buffer(kRunTextCapacity, '\0');
  int32_t length = 0;
  check(heldSuite<AteGlyphRunSuite>().getContents(run.get(), buffer.data(), kRunTextCapacity, &length));
  buffer.resize(buffer.find('\0'));
  return buffer;
}

/// The artwork point of a glyph run's origin: through the frame matrix, then into stored coordinates.
plugin::WorkPoint startPoint(const plugin::GlyphRun& run, const HostRealMatrix& matrix) {
  HostRealPoint origin = run.origin();
  HostRealPoint transformed{};
  check(heldSuite<RealMathSuite>().realMatrixTransformPoint(&matrix, &origin, &transformed));
  HostRealPoint hard{};
  check(heldSuite<HardSoftSuite>().realPointHarden(&transformed, &hard));
  return {hard.h, hard.v};
}

/// The run's characters as written into the file: in the system code page, with each character it lacks
/// as "\U+XXXX" instead of the host's "?", so that text outside the code page is not lost.
std::string fileText(const plugin::GlyphRun& run, std::string codePageText) {
  if (codePageText.find('?') == std::string::npos) return codePageText;
  std::string buffer(kRunTextCapacity * 3, '\0');
  int32_t length = 0;
  check(heldSuite<AteGlyphRunSuite>().getContentsUtf8(run.get(), buffer.data(), static_cast<int32_t>(buffer.size()),
                                                      &length));
  buffer.resize(buffer.find('\0'));
  return toCodePageWithEscapes(buffer, platform::systemCodePage());
}

/// What one line becomes.
struct LineText {
  std::string bytes;
  plugin::WorkPoint start;
  plugin::WorkPoint end;
  int16_t color = kNoColor;
  double height = 0;
};

/// The line's runs from its first glyph run on, or nothing for a line without glyphs.
std::optional<LineText> collectLine(const plugin::TextLine& line, const HostRealMatrix& matrix,
                                    plugin::LanguageId language) {
  std::optional<LineText> collected;
  for (plugin::GlyphRunsIterator runs = line.glyphRuns(); runs.isNotDone(); runs.next()) {
    plugin::GlyphRun run = runs.item();
    plugin::CharFeatures features = run.charFeatures();
    if (!collected) {
      collected.emplace();
      collected->start = startPoint(run, matrix);
      collected->end = collected->start;
      if (features.fill().value_or(false)) {
        if (std::optional<plugin::ApplicationPaint> paint = features.fillColor()) {
          collected->color = colorNumber(paint->color());
        }
      }
    }
    std::string text = runText(run);
    collected->bytes += fileText(run, text);

    std::optional<FontHandle> font = features.font();
    if (!font) continue;  // a run without a font has no measure
    double size = features.fontSize().value_or(0);
    double width = advanceSum(*font, toUtf8(text, language)) * size * features.horizontalScale().value_or(1);
    collected->end.x += width * matrix.a;
    collected->end.y += width * matrix.b;

    FontMetrics metrics{};
    check(heldSuite<FontSuite>().getFontMetrics(*font, &metrics));
    double lineHeight = size * (static_cast<double>(metrics.ascent) + metrics.descent + metrics.lineGap) *
                        features.verticalScale().value_or(1);
    collected->height = std::max(collected->height, lineHeight);
  }
  return collected;
}

void writeLines(DxfRecordWriter& writer, ArtHandle frame, std::string_view layer) {
  HostRealMatrix matrix{};
  check(heldSuite<TextFrameSuite>().getTextFrameMatrix(frame, &matrix));
  double rotation = rotationDegrees(matrix);
  const ExportContext& context = writer.context();
  DxfCharacterSet characterSet = effectiveCharacterSet(context.language, writer.options().schrType);

  plugin::TextFrame textFrame = plugin::TextFrame::of(frame);
  for (plugin::TextLinesIterator lines = textFrame.lines(); lines.isNotDone(); lines.next()) {
    plugin::TextLine line = lines.item();
    std::optional<LineText> collected = collectLine(line, matrix, context.language);
    if (!collected) continue;
    int32_t justification = line.textRange().paraFeatures().justification().value_or(JUSTIFY_LEFT);

    plugin::WorkPoint point = collected->start;
    int16_t code = kJustifyLeftCode;
    if (justification == JUSTIFY_CENTER) {
      point = {(collected->start.x + collected->end.x) / 2, (collected->start.y + collected->end.y) / 2};
      code = kJustifyCentreCode;
    } else if (justification == JUSTIFY_RIGHT) {
      point = collected->end;
      code = kJustifyRightCode;
    }
    std::string text = convertTextLine(collected->bytes, characterSet);
    if (text.empty()) continue;
    writeTextEntity(writer, kTextHeightShare * collected->height, collected->color, code, rotation, point, text,
                    layer);
  }
}

}  // namespace

HostResult writeTextFrame(DxfRecordWriter& writer, ArtHandle frame, ExportMode mode, std::string_view layer) {
  if (mode != ExportMode::ENTITIES) return HOST_NO_ERROR;
  try {
    writeLines(writer, frame, layer);
    return HOST_NO_ERROR;
  } catch (const plugin::TextEngineError& error) {
    return error.code;
  } catch (const std::bad_alloc&) {
    return HOST_OUT_OF_MEMORY;
  }
}

}  // namespace converter
