#include "host/text/TextEditing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "host/document/DocumentError.h"

namespace host {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// A story position as a paragraph and a character offset within it.
struct ParagraphPosition {
  std::size_t paragraph = 0;
  std::int32_t offset = 0;
};

platform::Result<void> checkUtf8(std::string_view text) {
  for (std::size_t offset = 0; offset < text.size();) {
    const DecodedCharacter decoded = decodeCharacter(text, offset);
    // A real U+FFFD takes three bytes; one byte decoded as U+FFFD is malformed.
    if (decoded.codePoint == kReplacementCharacter && decoded.length == 1) {
      return badParameter("the text is not valid UTF-8 at byte " + std::to_string(offset));
    }
    offset += static_cast<std::size_t>(decoded.length);
  }
  return {};
}

platform::Result<void> checkRange(const TextFrameData& frame, std::int32_t start, std::int32_t count) {
  const std::int64_t end = static_cast<std::int64_t>(start) + count;
  if (start < 0 || count < 0 || end > frame.characterCount()) {
    return badParameter("the text range " + std::to_string(start) + " + " + std::to_string(count) +
                        " lies outside the story of " + std::to_string(frame.characterCount()) + " characters");
  }
  return {};
}

// The pieces of text between paragraph separators; always at least one, possibly empty.
std::vector<std::string> splitParagraphs(std::string_view text) {
  std::vector<std::string> pieces(1);
  for (std::size_t index = 0; index < text.size(); ++index) {
    const char byte = text[index];
    if (byte == '\r' || byte == '\n') {
      if (byte == '\r' && index + 1 < text.size() && text[index + 1] == '\n') ++index;
      pieces.emplace_back();
    } else {
      pieces.back() += byte;
    }
  }
  return pieces;
}

// The paragraph of a valid position; the separator's position belongs to the paragraph it ends.
ParagraphPosition locate(const Story& story, std::int32_t position) {
  std::int32_t paragraphStart = 0;
  for (std::size_t index = 0; index < story.paragraphs.size(); ++index) {
    const std::int32_t length = story.paragraphs[index].characterCount();
    if (position <= paragraphStart + length || index + 1 == story.paragraphs.size()) {
      return {index, position - paragraphStart};
    }
    paragraphStart += length + 1;
  }
  return {};
}

// Makes a run start at a character offset of the paragraph and returns its index (runs.size() at the end).
std::size_t splitRunsAt(Paragraph& paragraph, std::int32_t offset) {
  std::int32_t runStart = 0;
  for (std::size_t index = 0; index < paragraph.runs.size(); ++index) {
    if (offset == runStart) return index;
    TextRun& run = paragraph.runs[index];
    const std::int32_t length = countCodePoints(run.text);
    if (offset < runStart + length) {
      const std::size_t split = byteOffsetOfCharacter(run.text, offset - runStart);
      TextRun tail{run.text.substr(split), run.features};
      run.text.erase(split);
      paragraph.runs.insert(paragraph.runs.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(tail));
      return index + 1;
    }
    runStart += length;
  }
  return paragraph.runs.size();
}

// Merges neighbours with equal features and drops empty runs; a paragraph left without text keeps one
// empty run with the features of its first run.
void normalizeRuns(Paragraph& paragraph) {
  std::vector<TextRun> kept;
  for (TextRun& run : paragraph.runs) {
    if (run.text.empty()) continue;
    if (!kept.empty() && kept.back().features == run.features) {
      kept.back().text += run.text;
    } else {
      kept.push_back(std::move(run));
    }
  }
  if (kept.empty() && !paragraph.runs.empty()) kept.push_back({std::string(), paragraph.runs.front().features});
  paragraph.runs = std::move(kept);
}

// Applies change to each paragraph the range touches; the paragraph of start when count is 0.
platform::Result<void> changeParagraphs(TextFrameData& frame, std::int32_t start, std::int32_t count,
                                        const std::function<void(Paragraph&)>& change) {
  if (platform::Result<void> range = checkRange(frame, start, count); !range) return range;
  std::int32_t paragraphStart = 0;
  for (Paragraph& paragraph : frame.story.paragraphs) {
    const std::int32_t length = paragraph.characterCount();
    if (paragraphStart <= start + count && start <= paragraphStart + length) change(paragraph);
    paragraphStart += length + 1;
  }
  return {};
}

platform::Result<void> checkAnchor(HostRealPoint point) {
  if (!std::isfinite(point.h) || !std::isfinite(point.v)) return badParameter("the text anchor must be finite");
  return {};
}

}  // namespace

platform::Result<TextFrameData> makePointText(HostRealPoint anchor, std::string_view text,
                                              const CharacterFeatures& features) {
  if (platform::Result<void> valid = checkAnchor(anchor); !valid) return valid.error();
  if (platform::Result<void> valid = validateCharacterFeatures(features); !valid) return valid.error();
  TextFrameData frame;
  frame.kind = TextFrameKind::POINT;
  frame.matrix = AffineMatrix::translation(anchor.h, anchor.v);
  frame.story.paragraphs.push_back({Justification::LEFT, std::nullopt, {{std::string(), features}}});
  if (platform::Result<void> inserted = insertText(frame, 0, text); !inserted) return inserted.error();
  return frame;
}

platform::Result<TextFrameData> makeAreaText(HostRealRect area, std::string_view text,
                                             const CharacterFeatures& features) {
  for (const HostReal value : {area.left, area.top, area.right, area.bottom}) {
    if (!std::isfinite(value)) return badParameter("the text area must be finite");
  }
  TextFrameData frame;
  frame.kind = TextFrameKind::AREA;
  frame.area = {std::min(area.left, area.right), std::max(area.top, area.bottom), std::max(area.left, area.right),
                std::min(area.top, area.bottom)};
  if (platform::Result<void> valid = validateTextFrame(frame); !valid) return valid.error();
  if (platform::Result<void> valid = validateCharacterFeatures(features); !valid) return valid.error();
  frame.story.paragraphs.push_back({Justification::LEFT, std::nullopt, {{std::string(), features}}});
  if (platform::Result<void> inserted = insertText(frame, 0, text); !inserted) return inserted.error();
  return frame;
}

platform::Result<Art*> newTextFrame(Document& document, PaintOrder order, Art* prefix, TextFrameData frame) {
  if (platform::Result<void> valid = validateTextFrame(frame); !valid) return valid.error();
  platform::Result<Art*> art = document.newArt(ArtType::TEXT_FRAME, order, prefix);
  if (!art) return art.error();
  platform::Result<TextFrameData*> data = (*art)->editTextFrame();
  if (!data) {
    // Cannot happen for new text-frame art; undo the creation rather than leave an empty frame behind.
    static_cast<void>(document.disposeArt(*art));
    return data.error();
  }
  **data = std::move(frame);
  return *art;
}

platform::Result<void> insertText(TextFrameData& frame, std::int32_t position, std::string_view text) {
  if (platform::Result<void> range = checkRange(frame, position, 0); !range) return range;
  if (platform::Result<void> valid = checkUtf8(text); !valid) return valid;
  if (text.empty()) return {};
  Story story = frame.story;
  if (story.paragraphs.empty()) story.paragraphs.emplace_back();
  const CharacterFeatures features = featuresAt(story, position);
  std::vector<std::string> pieces = splitParagraphs(text);
  const ParagraphPosition at = locate(story, position);
  Paragraph& paragraph = story.paragraphs[at.paragraph];
  const auto split = static_cast<std::ptrdiff_t>(splitRunsAt(paragraph, at.offset));
  if (pieces.size() == 1) {
    paragraph.runs.insert(paragraph.runs.begin() + split, {std::move(pieces.front()), features});
    normalizeRuns(paragraph);
  } else {
    std::vector<TextRun> tail(paragraph.runs.begin() + split, paragraph.runs.end());
    paragraph.runs.erase(paragraph.runs.begin() + split, paragraph.runs.end());
    paragraph.runs.push_back({std::move(pieces.front()), features});
    normalizeRuns(paragraph);
    std::vector<Paragraph> added;
    for (std::size_t index = 1; index < pieces.size(); ++index) {
      Paragraph next{paragraph.justification, paragraph.leading, {{std::move(pieces[index]), features}}};
      if (index + 1 == pieces.size()) next.runs.insert(next.runs.end(), tail.begin(), tail.end());
      normalizeRuns(next);
      added.push_back(std::move(next));
    }
    const auto after = story.paragraphs.begin() + static_cast<std::ptrdiff_t>(at.paragraph) + 1;
    story.paragraphs.insert(after, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
  }
  frame.story = std::move(story);
  return {};
}

platform::Result<void> deleteText(TextFrameData& frame, std::int32_t start, std::int32_t count) {
  if (platform::Result<void> range = checkRange(frame, start, count); !range) return range;
  if (count == 0) return {};
  Story story = frame.story;
  const CharacterFeatures firstDeleted = featuresAt(story, start);
  const ParagraphPosition from = locate(story, start);
  const ParagraphPosition to = locate(story, start + count);
  Paragraph& last = story.paragraphs[to.paragraph];
  const auto tailStart = static_cast<std::ptrdiff_t>(splitRunsAt(last, to.offset));
  const std::vector<TextRun> tail(last.runs.begin() + tailStart, last.runs.end());
  Paragraph& first = story.paragraphs[from.paragraph];
  const auto headEnd = static_cast<std::ptrdiff_t>(splitRunsAt(first, from.offset));
  first.runs.erase(first.runs.begin() + headEnd, first.runs.end());
  first.runs.insert(first.runs.end(), tail.begin(), tail.end());
  if (first.characterCount() == 0) {
    first.runs = {{std::string(), firstDeleted}};
  } else {
    normalizeRuns(first);
  }
  const auto joined = story.paragraphs.begin() + static_cast<std::ptrdiff_t>(from.paragraph);
  story.paragraphs.erase(joined + 1, joined + 1 + static_cast<std::ptrdiff_t>(to.paragraph - from.paragraph));
  frame.story = std::move(story);
  return {};
}

platform::Result<void> setCharacterFeatures(TextFrameData& frame, std::int32_t start, std::int32_t count,
                                            const CharacterFeatures& features) {
  return changeCharacterFeatures(frame, start, count, [&](CharacterFeatures& target) { target = features; });
}

platform::Result<void> changeCharacterFeatures(TextFrameData& frame, std::int32_t start, std::int32_t count,
                                               const std::function<void(CharacterFeatures&)>& change) {
  if (platform::Result<void> range = checkRange(frame, start, count); !range) return range;
  if (count == 0) return {};
  Story story = frame.story;
  const std::int32_t end = start + count;
  std::int32_t paragraphStart = 0;
  for (Paragraph& paragraph : story.paragraphs) {
    const std::int32_t length = paragraph.characterCount();
    const std::int32_t from = std::max(start - paragraphStart, 0);
    const std::int32_t to = std::min(end - paragraphStart, length);
    std::size_t first = 0;
    std::size_t last = 0;
    if (length == 0 && start <= paragraphStart && paragraphStart <= end) {
      if (paragraph.runs.empty()) paragraph.runs.push_back({std::string(), featuresAt(story, paragraphStart)});
      last = paragraph.runs.size();
    } else if (from < to) {
      first = splitRunsAt(paragraph, from);
      last = splitRunsAt(paragraph, to);
    }
    for (std::size_t index = first; index < last; ++index) {
      change(paragraph.runs[index].features);
      if (platform::Result<void> valid = validateCharacterFeatures(paragraph.runs[index].features); !valid) {
        return valid;
      }
    }
    normalizeRuns(paragraph);
    paragraphStart += length + 1;
  }
  frame.story = std::move(story);
  return {};
}

platform::Result<void> setJustification(TextFrameData& frame, std::int32_t start, std::int32_t count,
                                        Justification justification) {
  if (justification != Justification::LEFT && justification != Justification::CENTER &&
      justification != Justification::RIGHT) {
    return badParameter("unknown paragraph justification");
  }
  return changeParagraphs(frame, start, count, [&](Paragraph& paragraph) { paragraph.justification = justification; });
}

platform::Result<void> setLeading(TextFrameData& frame, std::int32_t start, std::int32_t count,
                                  std::optional<HostReal> leading) {
  if (leading && (!std::isfinite(*leading) || *leading < 0)) {
    return badParameter("the leading must be finite and 0 or more");
  }
  return changeParagraphs(frame, start, count, [&](Paragraph& paragraph) { paragraph.leading = leading; });
}

}  // namespace host
