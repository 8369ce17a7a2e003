#pragma once
// A layer of a document: its title, its flags and its top group, which holds the layer's art.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Result.h"

namespace host {

class Art;
class Document;

/// The longest layer title in bytes (hosts keep titles in a length-prefixed form of at most 255 bytes).
inline constexpr std::size_t kMaxLayerTitleBytes = 255;

/// Checks a layer title: valid UTF-8 of at most kMaxLayerTitleBytes bytes.
[[nodiscard]] platform::Result<void> validateLayerTitle(std::string_view title);

/// One layer. The document creates and disposes layers; a Layer never moves in memory.
class Layer {
public:
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;
  /// Only the document destroys layers (see Document::disposeLayer).
  ~Layer() = default;

  /// The document that owns this layer.
  [[nodiscard]] Document& document() const { return owner; }
  /// The layer's top group (type GROUP, no parent), owned by the document.
  [[nodiscard]] Art* group() const { return topGroup; }

  /// The title, UTF-8.
  [[nodiscard]] const std::string& title() const { return layerTitle; }
  /// Retitles the layer; see validateLayerTitle.
  platform::Result<void> setTitle(std::string_view title);
  /// Whether the layer's art is shown.
  [[nodiscard]] bool visible() const { return isVisible; }
  /// Shows or hides the layer.
  void setVisible(bool visible);
  /// Whether the layer's art is protected from editing by the user.
  [[nodiscard]] bool locked() const { return isLocked; }
  /// Locks or unlocks the layer.
  void setLocked(bool locked);
  /// Whether the layer's art is printed and exported as printable.
  [[nodiscard]] bool printable() const { return isPrintable; }
  /// Makes the layer printable or not.
  void setPrintable(bool printable);
  /// Whether the layer is shown painted (true) or as outlines (false).
  [[nodiscard]] bool preview() const { return isPreview; }
  /// Shows the layer painted or as outlines.
  void setPreview(bool preview);

private:
  friend class Document;

  Layer(Document& document, Art& group, std::string title)
      : owner(document), topGroup(&group), layerTitle(std::move(title)) {}

  Document& owner;
  Art* topGroup;
  // The layer's index in its document, kept by the document.
  std::int32_t position = 0;
  std::string layerTitle;
  bool isVisible = true;
  bool isLocked = false;
  bool isPrintable = true;
  bool isPreview = true;
};

}  // namespace host
