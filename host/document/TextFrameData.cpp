#include "host/document/TextFrameData.h"

#include <cmath>

#include "host/document/DocumentError.h"

namespace host {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

DecodedCharacter decodeCharacter(std::string_view text, std::size_t offset) {
  const auto lead = static_cast<unsigned char>(text[offset]);
  if (lead < 0x80) return {lead, 1};
  std::int32_t length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    codePoint = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    codePoint = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    codePoint = lead & 0x07;
    smallest = 0x10000;
  } else {
    return {kReplacementCharacter, 1};
  }
  if (offset + static_cast<std::size_t>(length) > text.size()) return {kReplacementCharacter, 1};
  for (std::int32_t index = 1; index < length; ++index) {
    const auto byte = static_cast<unsigned char>(text[offset + static_cast<std::size_t>(index)]);
    if (!isContinuation(byte)) return {kReplacementCharacter, 1};
    codePoint = (codePoint << 6) | (byte & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not characters.
  if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return {kReplacementCharacter, 1};
  }
  return {codePoint, length};
}

std::int32_t countCodePoints(std::string_view text) {
  std::int32_t count = 0;
  for (std::size_t offset = 0; offset < text.size(); ++count) {
    offset += static_cast<std::size_t>(decodeCharacter(text, offset).length);
  }
  return count;
}

std::size_t byteOffsetOfCharacter(std::string_view text, std::int32_t index) {
  std::size_t offset = 0;
  for (std::int32_t count = 0; count < index && offset < text.size(); ++count) {
    offset += static_cast<std::size_t>(decodeCharacter(text, offset).length);
  }
  return offset;
}

std::string Paragraph::text() const {
  std::string joined;
  for (const TextRun& run : runs) joined += run.text;
  return joined;
}

std::int32_t Paragraph::characterCount() const {
  std::int32_t count = 0;
  for (const TextRun& run : runs) count += countCodePoints(run.text);
  return count;
}

std::string Story::text() const {
  std::string joined;
  for (std::size_t index = 0; index < paragraphs.size(); ++index) {
    if (index > 0) joined += '\r';
    joined += paragraphs[index].text();
  }
  return joined;
}

std::int32_t Story::characterCount() const {
  if (paragraphs.empty()) return 0;
  std::int32_t count = static_cast<std::int32_t>(paragraphs.size()) - 1;
  for (const Paragraph& paragraph : paragraphs) count += paragraph.characterCount();
  return count;
}

CharacterFeatures featuresAt(const Story& story, std::int32_t position) {
  std::int32_t paragraphStart = 0;
  const TextRun* before = nullptr;
  for (const Paragraph& paragraph : story.paragraphs) {
    const std::int32_t length = paragraph.characterCount();
    const bool last = &paragraph == &story.paragraphs.back();
    if (position <= paragraphStart + length || last) {
      std::int32_t offset = position - paragraphStart;
      for (const TextRun& run : paragraph.runs) {
        const std::int32_t runLength = countCodePoints(run.text);
        if (offset > 0 && offset <= runLength) return run.features;
        offset -= runLength;
      }
      if (!paragraph.runs.empty()) {
        // Past the end, or at the start of the paragraph.
        return position - paragraphStart > 0 ? paragraph.runs.back().features : paragraph.runs.front().features;
      }
      return before != nullptr ? before->features : CharacterFeatures{};
    }
    if (!paragraph.runs.empty()) before = &paragraph.runs.back();
    paragraphStart += length + 1;
  }
  return before != nullptr ? before->features : CharacterFeatures{};
}

platform::Result<void> validateCharacterFeatures(const CharacterFeatures& features) {
  const auto positive = [](HostReal value) { return std::isfinite(value) && value > 0; };
  if (!positive(features.size)) return badParameter("the text size must be finite and above 0");
  if (!positive(features.horizontalScale) || !positive(features.verticalScale)) {
    return badParameter("the text scales must be finite and above 0");
  }
  if (!std::isfinite(features.strokeWidth) || features.strokeWidth < 0) {
    return badParameter("the text stroke width must be finite and 0 or more");
  }
  if (platform::Result<void> fill = validateColor(features.fillColor); !fill) return fill;
  return validateColor(features.strokeColor);
}

platform::Result<void> validateTextFrame(const TextFrameData& frame) {
  if (frame.kind != TextFrameKind::POINT && frame.kind != TextFrameKind::AREA) {
    return badParameter("unknown text frame kind");
  }
  const AffineMatrix& matrix = frame.matrix;
  for (const HostReal value : {matrix.a, matrix.b, matrix.c, matrix.d, matrix.tx, matrix.ty}) {
    if (!std::isfinite(value)) return badParameter("the text frame matrix must be finite");
  }
  if (frame.kind == TextFrameKind::AREA) {
    const HostRealRect& area = frame.area;
    for (const HostReal value : {area.left, area.top, area.right, area.bottom}) {
      if (!std::isfinite(value)) return badParameter("the text area must be finite");
    }
    if (area.left > area.right || area.bottom > area.top) {
      return badParameter("the text area needs left <= right and bottom <= top");
    }
  }
  for (const Paragraph& paragraph : frame.story.paragraphs) {
    if (paragraph.justification != Justification::LEFT && paragraph.justification != Justification::CENTER &&
        paragraph.justification != Justification::RIGHT) {
      return badParameter("unknown paragraph justification");
    }
    if (paragraph.leading && !std::isfinite(*paragraph.leading)) return badParameter("the leading must be finite");
    for (const TextRun& run : paragraph.runs) {
      if (run.text.find('\r') != std::string::npos) return badParameter("a text run holds a paragraph separator");
      if (platform::Result<void> features = validateCharacterFeatures(run.features); !features) return features;
    }
  }
  return {};
}

}  // namespace host
