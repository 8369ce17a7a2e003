// The text-engine suites over the host's text engine: frames, lines, glyph runs, ranges, runs, feature sets
// and paints as reference-counted objects in TextEngineObjects. Objects that name a frame check that the frame
// is still live art before each use.

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "host/document/Document.h"
#include "host/document/TextFrameData.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/TextEngineSuites.h"
#include "host/suites/ColorConversion.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"
#include "host/suites/TextEngineObjects.h"
#include "host/suites/TextSupport.h"
#include "host/text/FontCatalog.h"
#include "host/text/TextEditing.h"
#include "host/text/TextLayout.h"

namespace host {
namespace {

Document& document() { return *services().document; }
TextEngineObjects& objects() { return *services().textObjects; }

bool liveFrame(const Art* frame) { return document().isLiveArt(frame) && frame->type() == ArtType::TEXT_FRAME; }

/// Releases an object of type Object.
template <class Object, class Ref>
HostResult releaseObject(Ref reference) {
  return guarded([&] { return objects().release<Object>(reference) ? HOST_NO_ERROR : HOST_BAD_HANDLE; });
}

/// Runs operation on the live object of type Object behind reference.
template <class Object, class Ref, class Operation>
HostResult withObject(Ref reference, Operation&& operation) {
  return guarded([&]() -> HostResult {
    Object* found = objects().find<Object>(reference);
    if (found == nullptr) return HOST_BAD_HANDLE;
    return operation(*found);
  });
}

/// A new reference of type Ref to object.
template <class Ref, class Object>
Ref newReference(Object object) {
  return static_cast<Ref>(objects().add(std::move(object)));
}

/// The host result for an engine error: its own code when it carries one, else an internal error (the font
/// catalog's failures carry the generic code 1).
HostResult hostResultOf(const platform::Error& error) { return error.code == 1 ? HOST_INTERNAL_ERROR : error.code; }

/// Copies text into a caller's buffer, reporting the full length.
HostResult giveText(const std::string& text, char* buffer, int32_t maxLength, int32_t* length) {
  if (buffer == nullptr || maxLength < 1) return HOST_BAD_PARAMETER;
  copyToBuffer(text, buffer, maxLength);
  if (length != nullptr) *length = static_cast<int32_t>(text.size());
  return HOST_NO_ERROR;
}

/// Copies UTF-8 text into a caller's buffer in the system code page, reporting the full converted length. A
/// text that does not fit is cut between characters: code-page trail bytes look like any other byte, so the
/// cut is found from the UTF-8 side, character by character.
HostResult giveSystemCodePageText(const std::string& utf8, char* buffer, int32_t maxLength, int32_t* length) {
  if (buffer == nullptr || maxLength < 1) return HOST_BAD_PARAMETER;
  std::string converted = toSystemCodePage(utf8);
  const size_t capacity = static_cast<size_t>(maxLength) - 1;
  size_t kept = converted.size();
  if (kept > capacity) {
    kept = 0;
    for (size_t offset = 0; offset < utf8.size();) {
      auto characterLength = static_cast<size_t>(decodeCharacter(utf8, offset).length);
      size_t bytes = toSystemCodePage(std::string_view(utf8).substr(offset, characterLength)).size();
      if (kept + bytes > capacity) break;
      kept += bytes;
      offset += characterLength;
    }
  }
  converted.copy(buffer, kept);
  buffer[kept] = '\0';
  if (length != nullptr) *length = static_cast<int32_t>(converted.size());
  return HOST_NO_ERROR;
}

// --- Iterators: the three kinds share one shape. ---

auto& itemsOf(TextLinesObject& iterator) { return iterator.lines; }
auto& itemsOf(GlyphRunsObject& iterator) { return iterator.runs; }
auto& itemsOf(TextRunsObject& iterator) { return iterator.runs; }

template <class Object>
HostResult isNotDone(void* reference, HostBool* notDone) {
  return withObject<Object>(reference, [&](Object& iterator) {
    if (notDone == nullptr) return HOST_BAD_PARAMETER;
    *notDone = iterator.index < itemsOf(iterator).size() ? 1 : 0;
    return HOST_NO_ERROR;
  });
}

template <class Object>
HostResult next(void* reference) {
  return withObject<Object>(reference, [&](Object& iterator) {
    if (iterator.index < itemsOf(iterator).size()) ++iterator.index;
    return HOST_NO_ERROR;
  });
}

/// The item the iterator stands on, made into an object by makeItem.
template <class Object, class ItemRef, class MakeItem>
HostResult item(void* reference, ItemRef* out, MakeItem makeItem) {
  return withObject<Object>(reference, [&](Object& iterator) {
    if (out == nullptr || iterator.index >= itemsOf(iterator).size()) return HOST_BAD_PARAMETER;
    *out = static_cast<ItemRef>(objects().add(makeItem(iterator, itemsOf(iterator)[iterator.index])));
    return HOST_NO_ERROR;
  });
}

// --- ATE TextFrame Suite ---

/// The frame's lines as the engine lays them out now.
platform::Result<std::vector<std::pair<Art*, LineSnapshot>>> layoutLines(Art* frame) {
  platform::Result<const FontCatalog*> catalog = defaultFontCatalog();
  if (!catalog) return catalog.error();
  platform::Result<TextLayout> layout = layoutText(frame->textFrame(), **catalog);
  if (!layout) return layout.error();
  std::vector<std::pair<Art*, LineSnapshot>> lines;
  for (const TextLine& line : layout->lines) {
    LineSnapshot snapshot{line.firstCharacter, line.firstCharacter + line.characterCount, {}};
    for (const GlyphRun& run : line.runs) snapshot.glyphRuns.push_back(GlyphRunSnapshot{run.origin, run.features, toUtf8(run.characters)});
    lines.emplace_back(frame, std::move(snapshot));
  }
  return lines;
}

HostResult releaseFrame(TextFrameRef frame) { return releaseObject<TextFrameObject>(frame); }

HostResult getTextLinesIterator(TextFrameRef frame, TextLinesIteratorRef* lines) {
  return withObject<TextFrameObject>(frame, [&](TextFrameObject& found) {
    if (!liveFrame(found.frame)) return HOST_BAD_HANDLE;
    if (lines == nullptr) return HOST_BAD_PARAMETER;
    auto laidOut = layoutLines(found.frame);
    if (!laidOut) return hostResultOf(laidOut.error());
    *lines = newReference<TextLinesIteratorRef>(TextLinesObject{std::move(*laidOut)});
    return HOST_NO_ERROR;
  });
}

HostResult getFrameTextRange(TextFrameRef frame, TextRangeRef* range) {
  return withObject<TextFrameObject>(frame, [&](TextFrameObject& found) {
    if (!liveFrame(found.frame)) return HOST_BAD_HANDLE;
    if (range == nullptr) return HOST_BAD_PARAMETER;
    *range = newReference<TextRangeRef>(TextRangeObject{found.frame, 0, found.frame->textFrame().characterCount()});
    return HOST_NO_ERROR;
  });
}

constexpr AteTextFrameSuite kTextFrameSuite{releaseFrame, getTextLinesIterator, getFrameTextRange};

// --- Iterator suites ---

HostResult releaseLines(TextLinesIteratorRef lines) { return releaseObject<TextLinesObject>(lines); }
HostResult linesNotDone(TextLinesIteratorRef lines, HostBool* notDone) { return isNotDone<TextLinesObject>(lines, notDone); }
HostResult nextLine(TextLinesIteratorRef lines) { return next<TextLinesObject>(lines); }
HostResult lineItem(TextLinesIteratorRef lines, TextLineRef* line) {
  return item<TextLinesObject>(lines, line, [](TextLinesObject&, const std::pair<Art*, LineSnapshot>& entry) {
    return TextLineObject{entry.first, entry.second};
  });
}
constexpr AteTextLinesIteratorSuite kTextLinesIteratorSuite{releaseLines, linesNotDone, nextLine, lineItem};

HostResult releaseGlyphRuns(GlyphRunsIteratorRef runs) { return releaseObject<GlyphRunsObject>(runs); }
HostResult glyphRunsNotDone(GlyphRunsIteratorRef runs, HostBool* notDone) { return isNotDone<GlyphRunsObject>(runs, notDone); }
HostResult nextGlyphRun(GlyphRunsIteratorRef runs) { return next<GlyphRunsObject>(runs); }
HostResult glyphRunItem(GlyphRunsIteratorRef runs, GlyphRunRef* run) {
  return item<GlyphRunsObject>(runs, run, [](GlyphRunsObject&, const GlyphRunSnapshot& snapshot) { return GlyphRunObject{snapshot}; });
}
constexpr AteGlyphRunsIteratorSuite kGlyphRunsIteratorSuite{releaseGlyphRuns, glyphRunsNotDone, nextGlyphRun, glyphRunItem};

HostResult releaseTextRuns(TextRunsIteratorRef runs) { return releaseObject<TextRunsObject>(runs); }
HostResult textRunsNotDone(TextRunsIteratorRef runs, HostBool* notDone) { return isNotDone<TextRunsObject>(runs, notDone); }
HostResult nextTextRun(TextRunsIteratorRef runs) { return next<TextRunsObject>(runs); }
HostResult textRunItem(TextRunsIteratorRef runs, TextRangeRef* run) {
  return item<TextRunsObject>(runs, run, [](TextRunsObject& iterator, const std::pair<int32_t, int32_t>& span) {
    return TextRangeObject{iterator.frame, span.first, span.second};
  });
}
constexpr AteTextRunsIteratorSuite kTextRunsIteratorSuite{releaseTextRuns, textRunsNotDone, nextTextRun, textRunItem};

// --- ATE TextLine Suite ---

HostResult releaseLine(TextLineRef line) { return releaseObject<TextLineObject>(line); }

HostResult getGlyphRunsIterator(TextLineRef line, GlyphRunsIteratorRef* runs) {
  return withObject<TextLineObject>(line, [&](TextLineObject& found) {
    if (runs == nullptr) return HOST_BAD_PARAMETER;
    *runs = newReference<GlyphRunsIteratorRef>(GlyphRunsObject{found.line.glyphRuns});
    return HOST_NO_ERROR;
  });
}

HostResult getLineTextRange(TextLineRef line, TextRangeRef* range) {
  return withObject<TextLineObject>(line, [&](TextLineObject& found) {
    if (range == nullptr) return HOST_BAD_PARAMETER;
    *range = newReference<TextRangeRef>(TextRangeObject{found.frame, found.line.start, found.line.end});
    return HOST_NO_ERROR;
  });
}

constexpr AteTextLineSuite kTextLineSuite{releaseLine, getGlyphRunsIterator, getLineTextRange};

// --- ATE GlyphRun Suite ---

HostResult releaseGlyphRun(GlyphRunRef run) { return releaseObject<GlyphRunObject>(run); }

HostResult getOrigin(GlyphRunRef run, HostRealPoint* origin) {
  return withObject<GlyphRunObject>(run, [&](GlyphRunObject& found) {
    if (origin == nullptr) return HOST_BAD_PARAMETER;
    *origin = found.run.origin;
    return HOST_NO_ERROR;
  });
}

HostResult getGlyphRunFeatures(GlyphRunRef run, CharFeaturesRef* features) {
  return withObject<GlyphRunObject>(run, [&](GlyphRunObject& found) {
    if (features == nullptr) return HOST_BAD_PARAMETER;
    *features = newReference<CharFeaturesRef>(CharFeaturesObject{assignedFeatures(found.run.features)});
    return HOST_NO_ERROR;
  });
}

HostResult getGlyphRunContents(GlyphRunRef run, char* text, int32_t maxLength, int32_t* length) {
  return withObject<GlyphRunObject>(run, [&](GlyphRunObject& found) {
    return giveSystemCodePageText(found.run.text, text, maxLength, length);
  });
}

HostResult getGlyphRunContentsUtf8(GlyphRunRef run, char* text, int32_t maxLength, int32_t* length) {
  return withObject<GlyphRunObject>(run, [&](GlyphRunObject& found) { return giveText(found.run.text, text, maxLength, length); });
}

constexpr AteGlyphRunSuite kGlyphRunSuite{releaseGlyphRun, getOrigin, getGlyphRunFeatures, getGlyphRunContents,
                                          getGlyphRunContentsUtf8};

// --- ATE TextRange Suite ---

/// Runs operation on a range whose frame is still live and whose ends still lie in its story.
template <class Operation>
HostResult withRange(TextRangeRef range, Operation&& operation) {
  return withObject<TextRangeObject>(range, [&](TextRangeObject& found) -> HostResult {
    if (!liveFrame(found.frame)) return HOST_BAD_HANDLE;
    int32_t count = found.frame->textFrame().characterCount();
    found.start = std::min(found.start, count);
    found.end = std::min(found.end, count);
    return operation(found);
  });
}

/// Edits the frame of a range through edit (which returns a platform::Result<void>).
template <class Edit>
HostResult editFrame(TextRangeObject& range, Edit&& edit) {
  platform::Result<TextFrameData*> frame = range.frame->editTextFrame();
  if (!frame) return frame.error().code;
  platform::Result<void> edited = edit(**frame);
  return edited ? HOST_NO_ERROR : edited.error().code;
}

HostResult releaseRange(TextRangeRef range) { return releaseObject<TextRangeObject>(range); }

HostResult getStart(TextRangeRef range, int32_t* start) {
  return withRange(range, [&](TextRangeObject& found) {
    if (start == nullptr) return HOST_BAD_PARAMETER;
    *start = found.start;
    return HOST_NO_ERROR;
  });
}

HostResult getEnd(TextRangeRef range, int32_t* end) {
  return withRange(range, [&](TextRangeObject& found) {
    if (end == nullptr) return HOST_BAD_PARAMETER;
    *end = found.end;
    return HOST_NO_ERROR;
  });
}

HostResult setRange(TextRangeRef range, int32_t start, int32_t end) {
  return withRange(range, [&](TextRangeObject& found) {
    if (start < 0 || start > end || end > found.frame->textFrame().characterCount()) return HOST_BAD_PARAMETER;
    found.start = start;
    found.end = end;
    return HOST_NO_ERROR;
  });
}

/// The range's characters as UTF-8.
std::string rangeText(const TextRangeObject& range) {
  std::u32string story = toUtf32(range.frame->textFrame().text());
  return toUtf8(std::u32string_view(story).substr(static_cast<size_t>(range.start), static_cast<size_t>(range.end - range.start)));
}

HostResult getRangeContents(TextRangeRef range, char* text, int32_t maxLength, int32_t* length) {
  return withRange(range, [&](TextRangeObject& found) { return giveSystemCodePageText(rangeText(found), text, maxLength, length); });
}

HostResult getRangeContentsUtf8(TextRangeRef range, char* text, int32_t maxLength, int32_t* length) {
  return withRange(range, [&](TextRangeObject& found) { return giveText(rangeText(found), text, maxLength, length); });
}

HostResult insertAfter(TextRangeRef range, const char* text) {
  return withRange(range, [&](TextRangeObject& found) {
    if (text == nullptr) return HOST_BAD_PARAMETER;
    int32_t before = found.frame->textFrame().characterCount();
    HostResult result = editFrame(found, [&](TextFrameData& frame) { return insertText(frame, found.end, text); });
    if (result == HOST_NO_ERROR) found.end += found.frame->textFrame().characterCount() - before;
    return result;
  });
}

/// Walks the story's runs with their story positions (paragraph separators belong to no run).
template <class Visit>
void forEachRun(const Story& story, Visit&& visit) {
  int32_t position = 0;
  for (size_t paragraph = 0; paragraph < story.paragraphs.size(); ++paragraph) {
    for (const TextRun& run : story.paragraphs[paragraph].runs) {
      int32_t count = countCodePoints(run.text);
      visit(paragraph, run, position, position + count);
      position += count;
    }
    ++position;  // the separator
  }
}

HostResult getTextRunsIterator(TextRangeRef range, TextRunsIteratorRef* runs) {
  return withRange(range, [&](TextRangeObject& found) {
    if (runs == nullptr) return HOST_BAD_PARAMETER;
    TextRunsObject iterator{found.frame, {}, 0};
    forEachRun(found.frame->textFrame().story, [&](size_t, const TextRun&, int32_t start, int32_t end) {
      int32_t from = std::max(start, found.start);
      int32_t to = std::min(end, found.end);
      if (from < to) iterator.runs.emplace_back(from, to);
    });
    *runs = newReference<TextRunsIteratorRef>(std::move(iterator));
    return HOST_NO_ERROR;
  });
}

/// The features of the character at position, or of the last run that starts before it (a position that
/// starts a paragraph or ends the story takes the features of the text before it); the default features for
/// a story without runs.
CharacterFeatures featuresOfCharacter(const Story& story, int32_t position) {
  std::optional<CharacterFeatures> at;
  std::optional<CharacterFeatures> before;
  forEachRun(story, [&](size_t, const TextRun& run, int32_t start, int32_t end) {
    if (at) return;
    if (position >= start && position < end) {
      at = run.features;
    } else if (start <= position) {
      before = run.features;
    }
  });
  return at ? *at : before.value_or(CharacterFeatures{});
}

/// The paragraph that holds position.
const Paragraph* paragraphAt(const Story& story, int32_t position) {
  int32_t start = 0;
  for (const Paragraph& paragraph : story.paragraphs) {
    int32_t end = start + paragraph.characterCount();
    if (position <= end) return &paragraph;
    start = end + 1;
  }
  return story.paragraphs.empty() ? nullptr : &story.paragraphs.back();
}

HostResult getRangeCharFeatures(TextRangeRef range, CharFeaturesRef* features) {
  return withRange(range, [&](TextRangeObject& found) {
    if (features == nullptr) return HOST_BAD_PARAMETER;
    CharacterFeatures at = featuresOfCharacter(found.frame->textFrame().story, found.start);
    *features = newReference<CharFeaturesRef>(CharFeaturesObject{assignedFeatures(at)});
    return HOST_NO_ERROR;
  });
}

HostResult getRangeParaFeatures(TextRangeRef range, ParaFeaturesRef* features) {
  return withRange(range, [&](TextRangeObject& found) {
    if (features == nullptr) return HOST_BAD_PARAMETER;
    const Paragraph* paragraph = paragraphAt(found.frame->textFrame().story, found.start);
    *features = newReference<ParaFeaturesRef>(
        ParaFeaturesObject{paragraph != nullptr ? std::optional(paragraph->justification) : std::optional(Justification::LEFT)});
    return HOST_NO_ERROR;
  });
}

HostResult setLocalCharFeatures(TextRangeRef range, CharFeaturesRef features) {
  return withRange(range, [&](TextRangeObject& found) {
    const CharFeaturesObject* change = objects().find<CharFeaturesObject>(features);
    if (change == nullptr) return HOST_BAD_HANDLE;
    return editFrame(found, [&](TextFrameData& frame) {
      return changeCharacterFeatures(frame, found.start, found.end - found.start,
                                     [&](CharacterFeatures& current) { current = withAssigned(current, change->features); });
    });
  });
}

HostResult setLocalParaFeatures(TextRangeRef range, ParaFeaturesRef features) {
  return withRange(range, [&](TextRangeObject& found) {
    const ParaFeaturesObject* change = objects().find<ParaFeaturesObject>(features);
    if (change == nullptr) return HOST_BAD_HANDLE;
    if (!change->justification) return HOST_NO_ERROR;
    return editFrame(found, [&](TextFrameData& frame) {
      return setJustification(frame, found.start, found.end - found.start, *change->justification);
    });
  });
}

constexpr AteTextRangeSuite kTextRangeSuite{releaseRange,         getStart,           getEnd,
                                            setRange,             getRangeContents,   getRangeContentsUtf8,
                                            insertAfter,          getTextRunsIterator, getRangeCharFeatures,
                                            getRangeParaFeatures, setLocalCharFeatures, setLocalParaFeatures};

// --- ATE CharFeatures Suite ---

HostResult initializeCharFeatures(CharFeaturesRef* features) {
  return guarded([&] {
    if (features == nullptr) return HOST_BAD_PARAMETER;
    *features = newReference<CharFeaturesRef>(CharFeaturesObject{});
    return HOST_NO_ERROR;
  });
}

HostResult releaseCharFeatures(CharFeaturesRef features) { return releaseObject<CharFeaturesObject>(features); }

/// Reads one feature: assigned or not, and its value when it is.
template <class Value, class Field, class Convert>
HostResult getFeature(CharFeaturesRef features, HostBool* isAssigned, Value* value, Field field, Convert convert) {
  return withObject<CharFeaturesObject>(features, [&](CharFeaturesObject& found) -> HostResult {
    if (isAssigned == nullptr || value == nullptr) return HOST_BAD_PARAMETER;
    const auto& feature = found.features.*field;
    *isAssigned = feature ? 1 : 0;
    if (feature) {
      std::optional<Value> converted = convert(*feature);
      if (!converted) return HOST_INTERNAL_ERROR;
      *value = *converted;
    }
    return HOST_NO_ERROR;
  });
}

/// Assigns one feature after valid accepts its value.
template <class Field, class Value>
HostResult setFeature(CharFeaturesRef features, Field field, std::optional<Value> value) {
  return withObject<CharFeaturesObject>(features, [&](CharFeaturesObject& found) {
    if (!value) return HOST_BAD_PARAMETER;
    found.features.*field = *value;
    return HOST_NO_ERROR;
  });
}

auto same = [](auto value) { return std::optional(value); };

std::optional<HostReal> validSize(HostReal size) {
  return std::isfinite(size) && size >= HostReal(0.1) && size <= 1296 ? std::optional(size) : std::nullopt;
}

std::optional<HostReal> validScale(HostReal scale) {
  return std::isfinite(scale) && scale > 0 && scale <= 100 ? std::optional(scale) : std::nullopt;
}

std::optional<FontHandle> handleOfFont(const std::string& name) {
  platform::Result<const FontCatalog*> catalog = defaultFontCatalog();
  if (!catalog) return std::nullopt;
  return fontHandle((*catalog)->resolveFullName(name));
}

std::optional<std::string> nameOfFont(FontHandle font) {
  platform::Result<const FontCatalog*> catalog = defaultFontCatalog();
  if (!catalog) return std::nullopt;
  std::optional<int32_t> index = fontIndex(font, **catalog);
  if (!index) return std::nullopt;
  return (*catalog)->fonts()[static_cast<size_t>(*index)].fullName;
}

std::optional<ApplicationPaintRef> paintOf(const Color& color) { return newReference<ApplicationPaintRef>(PaintObject{color}); }

std::optional<Color> colorOfPaint(ApplicationPaintRef paint) {
  const PaintObject* found = objects().find<PaintObject>(paint);
  return found == nullptr ? std::nullopt : std::optional(found->color);
}

HostResult getFont(CharFeaturesRef features, HostBool* assigned, FontHandle* font) {
  return getFeature(features, assigned, font, &PartialCharacterFeatures::font, handleOfFont);
}
HostResult setFont(CharFeaturesRef features, FontHandle font) {
  return guarded([&] {
    std::optional<std::string> name = nameOfFont(font);
    return name ? setFeature(features, &PartialCharacterFeatures::font, name) : HOST_BAD_HANDLE;
  });
}
HostResult getFontSize(CharFeaturesRef features, HostBool* assigned, HostReal* size) {
  return getFeature(features, assigned, size, &PartialCharacterFeatures::size, same);
}
HostResult setFontSize(CharFeaturesRef features, HostReal size) {
  return setFeature(features, &PartialCharacterFeatures::size, validSize(size));
}
HostResult getHorizontalScale(CharFeaturesRef features, HostBool* assigned, HostReal* scale) {
  return getFeature(features, assigned, scale, &PartialCharacterFeatures::horizontalScale, same);
}
HostResult setHorizontalScale(CharFeaturesRef features, HostReal scale) {
  return setFeature(features, &PartialCharacterFeatures::horizontalScale, validScale(scale));
}
HostResult getVerticalScale(CharFeaturesRef features, HostBool* assigned, HostReal* scale) {
  return getFeature(features, assigned, scale, &PartialCharacterFeatures::verticalScale, same);
}
HostResult setVerticalScale(CharFeaturesRef features, HostReal scale) {
  return setFeature(features, &PartialCharacterFeatures::verticalScale, validScale(scale));
}
HostResult getFill(CharFeaturesRef features, HostBool* assigned, HostBool* fill) {
  return getFeature(features, assigned, fill, &PartialCharacterFeatures::fillPaint,
                    [](bool on) { return std::optional<HostBool>(on ? 1 : 0); });
}
HostResult setFill(CharFeaturesRef features, HostBool fill) {
  return setFeature(features, &PartialCharacterFeatures::fillPaint, std::optional(fill != 0));
}
HostResult getFillColor(CharFeaturesRef features, HostBool* assigned, ApplicationPaintRef* paint) {
  return getFeature(features, assigned, paint, &PartialCharacterFeatures::fillColor, paintOf);
}
HostResult setFillColor(CharFeaturesRef features, ApplicationPaintRef paint) {
  return guarded([&] {
    std::optional<Color> color = colorOfPaint(paint);
    return color ? setFeature(features, &PartialCharacterFeatures::fillColor, color) : HOST_BAD_HANDLE;
  });
}
HostResult getStroke(CharFeaturesRef features, HostBool* assigned, HostBool* stroke) {
  return getFeature(features, assigned, stroke, &PartialCharacterFeatures::strokePaint,
                    [](bool on) { return std::optional<HostBool>(on ? 1 : 0); });
}
HostResult setStroke(CharFeaturesRef features, HostBool stroke) {
  return setFeature(features, &PartialCharacterFeatures::strokePaint, std::optional(stroke != 0));
}
HostResult getStrokeColor(CharFeaturesRef features, HostBool* assigned, ApplicationPaintRef* paint) {
  return getFeature(features, assigned, paint, &PartialCharacterFeatures::strokeColor, paintOf);
}
HostResult setStrokeColor(CharFeaturesRef features, ApplicationPaintRef paint) {
  return guarded([&] {
    std::optional<Color> color = colorOfPaint(paint);
    return color ? setFeature(features, &PartialCharacterFeatures::strokeColor, color) : HOST_BAD_HANDLE;
  });
}

constexpr AteCharFeaturesSuite kCharFeaturesSuite{
    initializeCharFeatures, releaseCharFeatures, getFont,      setFont,         getFontSize,    setFontSize,
    getHorizontalScale,     setHorizontalScale,  getVerticalScale, setVerticalScale, getFill,    setFill,
    getFillColor,           setFillColor,        getStroke,    setStroke,       getStrokeColor, setStrokeColor};

// --- ATE ParaFeatures Suite ---

HostResult initializeParaFeatures(ParaFeaturesRef* features) {
  return guarded([&] {
    if (features == nullptr) return HOST_BAD_PARAMETER;
    *features = newReference<ParaFeaturesRef>(ParaFeaturesObject{});
    return HOST_NO_ERROR;
  });
}

HostResult releaseParaFeatures(ParaFeaturesRef features) { return releaseObject<ParaFeaturesObject>(features); }

HostResult getJustification(ParaFeaturesRef features, HostBool* assigned, int32_t* justification) {
  return withObject<ParaFeaturesObject>(features, [&](ParaFeaturesObject& found) {
    if (assigned == nullptr || justification == nullptr) return HOST_BAD_PARAMETER;
    *assigned = found.justification ? 1 : 0;
    if (found.justification) *justification = static_cast<int32_t>(*found.justification);
    return HOST_NO_ERROR;
  });
}

HostResult setJustificationFeature(ParaFeaturesRef features, int32_t justification) {
  return withObject<ParaFeaturesObject>(features, [&](ParaFeaturesObject& found) {
    if (justification < JUSTIFY_LEFT || justification > JUSTIFY_RIGHT) return HOST_BAD_PARAMETER;
    found.justification = static_cast<Justification>(justification);
    return HOST_NO_ERROR;
  });
}

constexpr AteParaFeaturesSuite kParaFeaturesSuite{initializeParaFeatures, releaseParaFeatures, getJustification,
                                                  setJustificationFeature};

// --- ATE ApplicationPaint Suite ---

HostResult releasePaint(ApplicationPaintRef paint) { return releaseObject<PaintObject>(paint); }
constexpr AteApplicationPaintSuite kApplicationPaintSuite{releasePaint};

static_assert(JUSTIFY_LEFT == static_cast<int32_t>(Justification::LEFT) &&
              JUSTIFY_CENTER == static_cast<int32_t>(Justification::CENTER) &&
              JUSTIFY_RIGHT == static_cast<int32_t>(Justification::RIGHT));

}  // namespace

void registerTextEngineSuites(SuiteRegistry& registry) {
  registry.add("ATE TextFrame Suite", TEXT_ENGINE_SUITE_VERSION, &kTextFrameSuite);
  registry.add("ATE TextLinesIterator Suite", TEXT_ENGINE_SUITE_VERSION, &kTextLinesIteratorSuite);
  registry.add("ATE TextLine Suite", TEXT_ENGINE_SUITE_VERSION, &kTextLineSuite);
  registry.add("ATE GlyphRunsIterator Suite", TEXT_ENGINE_SUITE_VERSION, &kGlyphRunsIteratorSuite);
  registry.add("ATE GlyphRun Suite", TEXT_ENGINE_SUITE_VERSION, &kGlyphRunSuite);
  registry.add("ATE TextRange Suite", TEXT_ENGINE_SUITE_VERSION, &kTextRangeSuite);
  registry.add("ATE TextRunsIterator Suite", TEXT_ENGINE_SUITE_VERSION, &kTextRunsIteratorSuite);
  registry.add("ATE CharFeatures Suite", TEXT_ENGINE_SUITE_VERSION, &kCharFeaturesSuite);
  registry.add("ATE ParaFeatures Suite", TEXT_ENGINE_SUITE_VERSION, &kParaFeaturesSuite);
  registry.add("ATE ApplicationPaint Suite", TEXT_ENGINE_SUITE_VERSION, &kApplicationPaintSuite);
}

}  // namespace host
