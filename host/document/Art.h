#pragma once
// An art object: a node of a document's art tree with the data of its type. The document creates, places,
// moves and disposes art; an Art never moves in memory, so its address serves as the plug-ins' handle.
//
// Tree order: a container's first child is its front-most object and each next sibling lies below the one
// before, as a layers panel lists them; the last child is the back-most. A clip group's clipping path is
// its last child. Siblings are linked both ways, so every step of a walk is O(1).

#include <cstdint>
#include <string>

#include "host/document/Path.h"
#include "host/document/PathStyle.h"
#include "host/document/TextFrameData.h"
#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

class Document;
class Layer;

/// The type of an art object; the values are the host's.
enum class ArtType : std::int32_t { GROUP = 1, PATH = 2, COMPOUND_PATH = 3, PLUGIN = 10, TEXT_FRAME = 12 };

/// True for the values of ArtType (a plug-in's integer may hold any other).
[[nodiscard]] bool isKnownArtType(ArtType type);

/// True for the types that hold children: groups and compound paths.
[[nodiscard]] bool isContainerType(ArtType type);

/// Where new or moved art goes relative to a prefix art; the values are the host's.
enum class PaintOrder : std::int32_t {
  PLACE_ABOVE = 1,
  PLACE_BELOW = 2,
  PLACE_INSIDE_ON_TOP = 3,
  PLACE_INSIDE_ON_BOTTOM = 4,
  PLACE_ABOVE_ALL = 5,
  PLACE_BELOW_ALL = 6,
};

/// User attributes of art, one bit each.
enum class ArtAttribute : std::uint32_t {
  SELECTED = 0x1,
  LOCKED = 0x2,
  HIDDEN = 0x4,
  FULLY_SELECTED = 0x8,
  EXPANDED = 0x10,
  TARGETED = 0x20,
};

/// A set of ArtAttribute bits.
using ArtAttributes = std::uint32_t;

/// Every bit that ArtAttribute names.
inline constexpr ArtAttributes kKnownArtAttributes = 0x3F;

/// The bit of one attribute.
[[nodiscard]] constexpr ArtAttributes bitOf(ArtAttribute attribute) {
  return static_cast<ArtAttributes>(attribute);
}

/// The union of two attributes.
[[nodiscard]] constexpr ArtAttributes operator|(ArtAttribute a, ArtAttribute b) { return bitOf(a) | bitOf(b); }

/// One art object. Data of another type than the object's reads as empty defaults; changing it is refused.
class Art {
public:
  Art(const Art&) = delete;
  Art& operator=(const Art&) = delete;
  /// Only the document destroys art (see Document::disposeArt).
  ~Art() = default;

  /// The type, fixed at creation.
  [[nodiscard]] ArtType type() const { return artType; }
  /// The document that owns this art.
  [[nodiscard]] Document& document() const { return owner; }

  /// The container, or null for a layer's group and a result group.
  [[nodiscard]] Art* parent() const { return parentArt; }
  /// The front-most child, or null.
  [[nodiscard]] Art* firstChild() const { return firstChildArt; }
  /// The back-most child, or null.
  [[nodiscard]] Art* lastChild() const { return lastChildArt; }
  /// The sibling directly below, or null.
  [[nodiscard]] Art* nextSibling() const { return nextSiblingArt; }
  /// The sibling directly above, or null.
  [[nodiscard]] Art* priorSibling() const { return priorSiblingArt; }
  /// The layer this art belongs to (result art belongs to its owner's layer); O(depth).
  [[nodiscard]] Layer* layer() const;
  /// The layer whose top group this is, or null.
  [[nodiscard]] Layer* layerOfGroup() const { return groupOfLayer; }
  /// For a styled or plug-in result group: the art it belongs to; null otherwise.
  [[nodiscard]] Art* resultOwner() const { return ownerOfResult; }

  /// For a group: whether its last child clips the others.
  [[nodiscard]] bool isClipGroup() const { return clipGroup; }
  /// Makes a group a clip group or an ordinary one; other types are refused.
  platform::Result<void> setClipGroup(bool clip);
  /// For a path or compound path: whether it is a clipping path.
  [[nodiscard]] bool isClipping() const { return clipping; }
  /// Marks a path or compound path as clipping path or not; other types are refused.
  platform::Result<void> setClipping(bool clip);

  /// The geometry of a path; empty for other types.
  [[nodiscard]] const PathData& path() const { return pathData; }
  /// Replaces a path's geometry.
  platform::Result<void> setPath(PathData path);
  /// The geometry of a path for editing in place; counts as a modification of the document.
  [[nodiscard]] platform::Result<PathData*> editPath();
  /// The paint of a path; the default style for other types.
  [[nodiscard]] const PathStyle& style() const { return pathStyle; }
  /// Sets a path's paint after checking it (custom colours must be this document's).
  platform::Result<void> setStyle(const PathStyle& style);

  /// Opacity 0..1.
  [[nodiscard]] HostReal opacity() const { return artOpacity; }
  /// Sets the opacity; refused outside 0..1.
  platform::Result<void> setOpacity(HostReal opacity);

  /// The group that the host computed as this art's appearance, or null (Document::makeStyledResult).
  [[nodiscard]] Art* styledResult() const { return styledResultGroup; }
  /// For plug-in art: the group of art it draws as; null for other types.
  [[nodiscard]] Art* pluginResult() const { return pluginResultGroup; }

  /// The text of a text frame; empty for other types.
  [[nodiscard]] const TextFrameData& textFrame() const { return textFrameData; }
  /// The text of a text frame for editing in place; counts as a modification of the document.
  [[nodiscard]] platform::Result<TextFrameData*> editTextFrame();

  /// The user attribute bits.
  [[nodiscard]] ArtAttributes attributes() const { return userAttributes; }
  /// Whether one attribute is set.
  [[nodiscard]] bool hasAttribute(ArtAttribute attribute) const { return (userAttributes & bitOf(attribute)) != 0; }
  /// Sets the bits of mask to those of values; unknown bits are refused. Only changes other than
  /// selection and targeting count as modifications.
  platform::Result<void> setAttributes(ArtAttributes mask, ArtAttributes values);

  /// The art's name (UTF-8), empty by default.
  [[nodiscard]] const std::string& name() const { return artName; }
  /// Names the art.
  void setName(std::string name);

private:
  friend class Document;

  Art(Document& document, ArtType type) : owner(document), artType(type) {}
  platform::Result<void> checkType(ArtType expected, const char* what) const;
  // Removes this art from its container's child list; no-op when it has no container.
  void unlink();
  // Links this (unlinked) art into container in front of sibling `before`, or at the back when before is null.
  void linkInto(Art& container, Art* before);

  Document& owner;
  ArtType artType;
  Art* parentArt = nullptr;
  Art* firstChildArt = nullptr;
  Art* lastChildArt = nullptr;
  Art* nextSiblingArt = nullptr;
  Art* priorSiblingArt = nullptr;
  Layer* groupOfLayer = nullptr;
  Art* ownerOfResult = nullptr;
  Art* styledResultGroup = nullptr;
  Art* pluginResultGroup = nullptr;
  bool clipGroup = false;
  bool clipping = false;
  PathData pathData;
  PathStyle pathStyle;
  HostReal artOpacity = 1;
  TextFrameData textFrameData;
  ArtAttributes userAttributes = 0;
  std::string artName;
};

}  // namespace host
