#pragma once
// Thin wrappers over the text-engine suites: one method per suite function, each raising TextEngineError with
// the host's code when the function fails, and each object releasing its reference when it goes away. The
// suites must be held (inside a message, or between acquireSuites and releaseSuites).

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "host/sdk/ErrorCodes.h"
#include "plugin-common/PluginFrame.h"

namespace plugin {

/// A text-engine operation failed; code is the host's result.
class TextEngineError : public std::runtime_error {
public:
  explicit TextEngineError(HostResult code) : std::runtime_error("text engine error " + std::to_string(code)), code(code) {}
  /// The host's result code.
  HostResult code;
};

/// Raises TextEngineError for a non-zero result.
inline void check(HostResult result) {
  if (result != HOST_NO_ERROR) throw TextEngineError(result);
}

/// The held suite Suite; raises HOST_SUITE_NOT_FOUND when it is not held.
template <class Suite>
const Suite& heldSuite() {
  const Suite* suite = pluginFrame().suites().get<Suite>();
  if (suite == nullptr) throw TextEngineError(HOST_SUITE_NOT_FOUND);
  return *suite;
}

/// Owns one text-engine reference and releases it through Suite.
template <class Ref, class Suite>
class TextEngineObject {
public:
  explicit TextEngineObject(Ref reference = nullptr) : reference(reference) {}
  ~TextEngineObject() {
    // Releasing cannot fail for a live reference, and a destructor has nobody to tell. An object that
    // outlives the suites is left to the host, which reports it as not released.
    const Suite* held = pluginFrame().suites().get<Suite>();
    if (reference != nullptr && held != nullptr) held->release(reference);
  }
  TextEngineObject(TextEngineObject&& other) noexcept : reference(std::exchange(other.reference, nullptr)) {}
  TextEngineObject& operator=(TextEngineObject&& other) noexcept {
    std::swap(reference, other.reference);
    return *this;
  }
  TextEngineObject(const TextEngineObject&) = delete;
  TextEngineObject& operator=(const TextEngineObject&) = delete;

  /// The reference, still owned by this object.
  [[nodiscard]] Ref get() const { return reference; }

protected:
  static const Suite& suite() { return heldSuite<Suite>(); }
  Ref reference;
};

/// A colour as the text engine keeps it.
class ApplicationPaint : public TextEngineObject<ApplicationPaintRef, AteApplicationPaintSuite> {
public:
  using TextEngineObject::TextEngineObject;
  /// A paint of a host colour.
  static ApplicationPaint of(const HostColor& color);
  /// The paint's host colour.
  [[nodiscard]] HostColor color() const;
};

/// Character features, each assigned or not.
class CharFeatures : public TextEngineObject<CharFeaturesRef, AteCharFeaturesSuite> {
public:
  using TextEngineObject::TextEngineObject;
  /// A new set with nothing assigned.
  static CharFeatures create();
  [[nodiscard]] std::optional<FontHandle> font() const;
  void setFont(FontHandle font);
  [[nodiscard]] std::optional<HostReal> fontSize() const;
  void setFontSize(HostReal size);
  [[nodiscard]] std::optional<HostReal> horizontalScale() const;
  void setHorizontalScale(HostReal scale);
  [[nodiscard]] std::optional<HostReal> verticalScale() const;
  void setVerticalScale(HostReal scale);
  [[nodiscard]] std::optional<bool> fill() const;
  void setFill(bool fill);
  [[nodiscard]] std::optional<ApplicationPaint> fillColor() const;
  void setFillColor(const ApplicationPaint& paint);
  [[nodiscard]] std::optional<bool> stroke() const;
  void setStroke(bool stroke);
  [[nodiscard]] std::optional<ApplicationPaint> strokeColor() const;
  void setStrokeColor(const ApplicationPaint& paint);
};

/// Paragraph features, each assigned or not.
class ParaFeatures : public TextEngineObject<ParaFeaturesRef, AteParaFeaturesSuite> {
public:
  using TextEngineObject::TextEngineObject;
  /// A new set with nothing assigned.
  static ParaFeatures create();
  /// JUSTIFY_LEFT, JUSTIFY_CENTER or JUSTIFY_RIGHT, when assigned.
  [[nodiscard]] std::optional<int32_t> justification() const;
  void setJustification(int32_t justification);
};

class TextRunsIterator;

/// A span of a story's characters.
class TextRange : public TextEngineObject<TextRangeRef, AteTextRangeSuite> {
public:
  using TextEngineObject::TextEngineObject;
  [[nodiscard]] int32_t start() const;
  [[nodiscard]] int32_t end() const;
  void setRange(int32_t start, int32_t end);
  /// The characters in the system code page, and as UTF-8.
  [[nodiscard]] std::string contents() const;
  [[nodiscard]] std::string contentsUtf8() const;
  /// Inserts UTF-8 text after the range.
  void insertAfter(const std::string& text);
  [[nodiscard]] TextRunsIterator runs() const;
  [[nodiscard]] CharFeatures charFeatures() const;
  [[nodiscard]] ParaFeatures paraFeatures() const;
  void setLocalCharFeatures(const CharFeatures& features);
  void setLocalParaFeatures(const ParaFeatures& features);
};

/// Walks a collection: while (iterator.isNotDone()) { use(iterator.item()); iterator.next(); }
template <class Ref, class Suite, class Item>
class TextEngineIterator : public TextEngineObject<Ref, Suite> {
public:
  using TextEngineObject<Ref, Suite>::TextEngineObject;
  [[nodiscard]] bool isNotDone() const {
    HostBool notDone = 0;
    check(this->suite().isNotDone(this->reference, &notDone));
    return notDone != 0;
  }
  void next() { check(this->suite().next(this->reference)); }
  [[nodiscard]] Item item() const {
    decltype(Item().get()) itemReference = nullptr;
    check(this->suite().item(this->reference, &itemReference));
    return Item(itemReference);
  }
};

class TextRunsIterator : public TextEngineIterator<TextRunsIteratorRef, AteTextRunsIteratorSuite, TextRange> {
public:
  using TextEngineIterator::TextEngineIterator;
};

/// Characters of one font and one set of features on one line.
class GlyphRun : public TextEngineObject<GlyphRunRef, AteGlyphRunSuite> {
public:
  using TextEngineObject::TextEngineObject;
  /// Baseline origin of the first glyph, in the frame's own coordinates.
  [[nodiscard]] HostRealPoint origin() const;
  [[nodiscard]] CharFeatures charFeatures() const;
  /// The characters in the system code page, and as UTF-8.
  [[nodiscard]] std::string contents() const;
  [[nodiscard]] std::string contentsUtf8() const;
};

class GlyphRunsIterator : public TextEngineIterator<GlyphRunsIteratorRef, AteGlyphRunsIteratorSuite, GlyphRun> {
public:
  using TextEngineIterator::TextEngineIterator;
};

/// One laid-out line.
class TextLine : public TextEngineObject<TextLineRef, AteTextLineSuite> {
public:
  using TextEngineObject::TextEngineObject;
  [[nodiscard]] GlyphRunsIterator glyphRuns() const;
  [[nodiscard]] TextRange textRange() const;
};

class TextLinesIterator : public TextEngineIterator<TextLinesIteratorRef, AteTextLinesIteratorSuite, TextLine> {
public:
  using TextEngineIterator::TextEngineIterator;
};

/// A text frame in the text engine.
class TextFrame : public TextEngineObject<TextFrameRef, AteTextFrameSuite> {
public:
  using TextEngineObject::TextEngineObject;
  /// The frame of a text-frame art.
  static TextFrame of(ArtHandle art);
  [[nodiscard]] TextLinesIterator lines() const;
  [[nodiscard]] TextRange textRange() const;
};

}  // namespace plugin
