#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "host/document/Color.h"
#include "host/document/TextFrameData.h"

namespace host {

class Art;

/// Character features of which each may be assigned or not, as the text engine's feature sets hold them.
struct PartialCharacterFeatures {
  std::optional<std::string> font;
  std::optional<HostReal> size;
  std::optional<HostReal> horizontalScale;
  std::optional<HostReal> verticalScale;
  std::optional<bool> fillPaint;
  std::optional<Color> fillColor;
  std::optional<bool> strokePaint;
  std::optional<Color> strokeColor;
};

/// Every feature of features, assigned.
[[nodiscard]] PartialCharacterFeatures assignedFeatures(const CharacterFeatures& features);
/// features with the assigned ones of change applied.
[[nodiscard]] CharacterFeatures withAssigned(CharacterFeatures features, const PartialCharacterFeatures& change);

/// A glyph run as the engine laid it out: its first glyph's baseline origin in the frame's own coordinates,
/// its features and its characters (UTF-8).
struct GlyphRunSnapshot {
  HostRealPoint origin{};
  CharacterFeatures features;
  std::string text;
};

/// A laid-out line: the story positions it spans and its glyph runs.
struct LineSnapshot {
  int32_t start = 0;
  int32_t end = 0;
  std::vector<GlyphRunSnapshot> glyphRuns;
};

/// The objects behind text-engine references. Each is owned by the store until its reference is released.
struct TextFrameObject {
  Art* frame = nullptr;
};
struct TextRangeObject {
  Art* frame = nullptr;
  int32_t start = 0;
  int32_t end = 0;
};
struct TextLinesObject {
  std::vector<std::pair<Art*, LineSnapshot>> lines;
  size_t index = 0;
};
struct TextLineObject {
  Art* frame = nullptr;
  LineSnapshot line;
};
struct GlyphRunsObject {
  std::vector<GlyphRunSnapshot> runs;
  size_t index = 0;
};
struct GlyphRunObject {
  GlyphRunSnapshot run;
};
struct TextRunsObject {
  Art* frame = nullptr;
  std::vector<std::pair<int32_t, int32_t>> runs;
  size_t index = 0;
};
struct CharFeaturesObject {
  PartialCharacterFeatures features;
};
struct ParaFeaturesObject {
  std::optional<Justification> justification;
};
struct PaintObject {
  Color color;
};

/// The live text-engine objects, by reference.
class TextEngineObjects {
public:
  /// Takes object and returns its new reference.
  template <class Object>
  [[nodiscard]] void* add(Object object) {
    auto owned = std::make_unique<Entry>(Entry{std::move(object)});
    void* reference = owned.get();
    objects.emplace(reference, std::move(owned));
    return reference;
  }

  /// The object of type Object behind reference, or null when the reference is not a live one of that type.
  template <class Object>
  [[nodiscard]] Object* find(const void* reference) const {
    auto found = objects.find(reference);
    return found == objects.end() ? nullptr : std::get_if<Object>(&found->second->object);
  }

  /// Ends the object behind reference; false when it is not a live one of type Object.
  template <class Object>
  bool release(const void* reference) {
    if (find<Object>(reference) == nullptr) return false;
    objects.erase(reference);
    return true;
  }

  /// Objects not released yet.
  [[nodiscard]] size_t liveCount() const { return objects.size(); }

private:
  struct Entry {
    std::variant<TextFrameObject, TextRangeObject, TextLinesObject, TextLineObject, GlyphRunsObject, GlyphRunObject,
                 TextRunsObject, CharFeaturesObject, ParaFeaturesObject, PaintObject>
        object;
  };
  std::unordered_map<const void*, std::unique_ptr<Entry>> objects;
};

}  // namespace host
