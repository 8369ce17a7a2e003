#include "plugin-common/TextEngine.h"

#include <vector>

namespace plugin {
namespace {

/// Reads an assigned-or-not feature through getter.
template <class Value, class Ref, class Getter>
std::optional<Value> assigned(Ref reference, Getter getter) {
  HostBool isAssigned = 0;
  Value value{};
  check(getter(reference, &isAssigned, &value));
  return isAssigned != 0 ? std::optional<Value>(value) : std::nullopt;
}

/// Reads text through a contents getter that reports the full length, growing the buffer once if needed.
template <class Ref, class Getter>
std::string contentsOf(Ref reference, Getter getter) {
  std::vector<char> buffer(256);
  int32_t length = 0;
  check(getter(reference, buffer.data(), static_cast<int32_t>(buffer.size()), &length));
  if (length >= static_cast<int32_t>(buffer.size())) {
    buffer.resize(static_cast<size_t>(length) + 1);
    check(getter(reference, buffer.data(), static_cast<int32_t>(buffer.size()), &length));
  }
  return std::string(buffer.data());
}

}  // namespace

ApplicationPaint ApplicationPaint::of(const HostColor& color) {
  ApplicationPaintRef paint = nullptr;
  check(heldSuite<AiAtePaintSuite>().getATEApplicationPaint(&color, &paint));
  return ApplicationPaint(paint);
}

HostColor ApplicationPaint::color() const {
  HostColor color{};
  check(heldSuite<AiAtePaintSuite>().getAIColor(reference, &color));
  return color;
}

CharFeatures CharFeatures::create() {
  CharFeaturesRef features = nullptr;
  check(suite().initialize(&features));
  return CharFeatures(features);
}

std::optional<FontHandle> CharFeatures::font() const { return assigned<FontHandle>(reference, suite().getFont); }
void CharFeatures::setFont(FontHandle font) { check(suite().setFont(reference, font)); }
std::optional<HostReal> CharFeatures::fontSize() const { return assigned<HostReal>(reference, suite().getFontSize); }
void CharFeatures::setFontSize(HostReal size) { check(suite().setFontSize(reference, size)); }
std::optional<HostReal> CharFeatures::horizontalScale() const {
  return assigned<HostReal>(reference, suite().getHorizontalScale);
}
void CharFeatures::setHorizontalScale(HostReal scale) { check(suite().setHorizontalScale(reference, scale)); }
std::optional<HostReal> CharFeatures::verticalScale() const { return assigned<HostReal>(reference, suite().getVerticalScale); }
void CharFeatures::setVerticalScale(HostReal scale) { check(suite().setVerticalScale(reference, scale)); }

std::optional<bool> CharFeatures::fill() const {
  std::optional<HostBool> fill = assigned<HostBool>(reference, suite().getFill);
  return fill ? std::optional<bool>(*fill != 0) : std::nullopt;
}
void CharFeatures::setFill(bool fill) { check(suite().setFill(reference, fill ? 1 : 0)); }

std::optional<ApplicationPaint> CharFeatures::fillColor() const {
  std::optional<ApplicationPaintRef> paint = assigned<ApplicationPaintRef>(reference, suite().getFillColor);
  return paint ? std::optional<ApplicationPaint>(ApplicationPaint(*paint)) : std::nullopt;
}
void CharFeatures::setFillColor(const ApplicationPaint& paint) { check(suite().setFillColor(reference, paint.get())); }

std::optional<bool> CharFeatures::stroke() const {
  std::optional<HostBool> stroke = assigned<HostBool>(reference, suite().getStroke);
  return stroke ? std::optional<bool>(*stroke != 0) : std::nullopt;
}
void CharFeatures::setStroke(bool stroke) { check(suite().setStroke(reference, stroke ? 1 : 0)); }

std::optional<ApplicationPaint> CharFeatures::strokeColor() const {
  std::optional<ApplicationPaintRef> paint = assigned<ApplicationPaintRef>(reference, suite().getStrokeColor);
  return paint ? std::optional<ApplicationPaint>(ApplicationPaint(*paint)) : std::nullopt;
}
void CharFeatures::setStrokeColor(const ApplicationPaint& paint) { check(suite().setStrokeColor(reference, paint.get())); }

ParaFeatures ParaFeatures::create() {
  ParaFeaturesRef features = nullptr;
  check(suite().initialize(&features));
  return ParaFeatures(features);
}

std::optional<int32_t> ParaFeatures::justification() const { return assigned<int32_t>(reference, suite().getJustification); }
void ParaFeatures::setJustification(int32_t justification) { check(suite().setJustification(reference, justification)); }

int32_t TextRange::start() const {
  int32_t start = 0;
  check(suite().getStart(reference, &start));
  return start;
}

int32_t TextRange::end() const {
  int32_t end = 0;
  check(suite().getEnd(reference, &end));
  return end;
}

void TextRange::setRange(int32_t start, int32_t end) { check(suite().setRange(reference, start, end)); }
std::string TextRange::contents() const { return contentsOf(reference, suite().getContents); }
std::string TextRange::contentsUtf8() const { return contentsOf(reference, suite().getContentsUtf8); }
void TextRange::insertAfter(const std::string& text) { check(suite().insertAfter(reference, text.c_str())); }

TextRunsIterator TextRange::runs() const {
  TextRunsIteratorRef runs = nullptr;
  check(suite().getTextRunsIterator(reference, &runs));
  return TextRunsIterator(runs);
}

CharFeatures TextRange::charFeatures() const {
  CharFeaturesRef features = nullptr;
  check(suite().getCharFeatures(reference, &features));
  return CharFeatures(features);
}

ParaFeatures TextRange::paraFeatures() const {
  ParaFeaturesRef features = nullptr;
  check(suite().getParaFeatures(reference, &features));
  return ParaFeatures(features);
}

void TextRange::setLocalCharFeatures(const CharFeatures& features) { check(suite().setLocalCharFeatures(reference, features.get())); }
void TextRange::setLocalParaFeatures(const ParaFeatures& features) { check(suite().setLocalParaFeatures(reference, features.get())); }

HostRealPoint GlyphRun::origin() const {
  HostRealPoint origin{};
  check(suite().getOrigin(reference, &origin));
  return origin;
}

CharFeatures GlyphRun::charFeatures() const {
  CharFeaturesRef features = nullptr;
  check(suite().getCharFeatures(reference, &features));
  return CharFeatures(features);
}

std::string GlyphRun::contents() const { return contentsOf(reference, suite().getContents); }
std::string GlyphRun::contentsUtf8() const { return contentsOf(reference, suite().getContentsUtf8); }

GlyphRunsIterator TextLine::glyphRuns() const {
  GlyphRunsIteratorRef runs = nullptr;
  check(suite().getGlyphRunsIterator(reference, &runs));
  return GlyphRunsIterator(runs);
}

TextRange TextLine::textRange() const {
  TextRangeRef range = nullptr;
  check(suite().getTextRange(reference, &range));
  return TextRange(range);
}

TextFrame TextFrame::of(ArtHandle art) {
  TextFrameRef frame = nullptr;
  check(heldSuite<TextFrameSuite>().getATETextFrame(art, &frame));
  return TextFrame(frame);
}

TextLinesIterator TextFrame::lines() const {
  TextLinesIteratorRef lines = nullptr;
  check(suite().getTextLinesIterator(reference, &lines));
  return TextLinesIterator(lines);
}

TextRange TextFrame::textRange() const {
  TextRangeRef range = nullptr;
  check(suite().getTextRange(reference, &range));
  return TextRange(range);
}

}  // namespace plugin
