#pragma once
// A drawing: its layers and their art, custom colours, page setup, views and selection. The document owns
// every object it hands out and never moves one in memory, so plug-ins may hold addresses as handles. A
// handle that comes back from a plug-in is checked with the isLive... functions before use: they answer
// from sets of the live objects and never dereference the pointer.
//
// Layer order: index 0 is the back-most layer and each higher index lies above, as an SVG file lists them
// (a layers panel shows them the other way round).
//
// Art order: a container's first child is its front-most object (see Art.h). Paint orders, relative to a
// prefix art:
//   PLACE_ABOVE, PLACE_BELOW: directly in front of or behind the prefix among its siblings (the prefix needs
//     a container, so not a layer group or a result group);
//   PLACE_INSIDE_ON_TOP, PLACE_INSIDE_ON_BOTTOM: first or last child of the prefix, a group or a compound
//     path (a compound path holds paths only);
//   PLACE_ABOVE_ALL, PLACE_BELOW_ALL: first or last child of the prefix's layer group, or of the current
//     layer's when the prefix is null.
// A clip group's clipping path stays its last child: art that would go behind it goes just in front of it.
// Every other combination is refused with HOST_BAD_PARAMETER, a stale handle with HOST_BAD_HANDLE, and a
// refused call changes nothing.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <absl/container/flat_hash_map.h>
#include <absl/container/flat_hash_set.h>

#include "host/document/Art.h"
#include "host/document/Color.h"
#include "host/document/DocumentView.h"
#include "host/document/Layer.h"
#include "host/document/PageSetup.h"
#include "host/document/Path.h"
#include "host/document/PathStyle.h"
#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

/// The title of a new document's one layer.
inline constexpr std::string_view kDefaultLayerTitle = "Layer 1";

/// The pixel size of a new document's view.
inline constexpr std::int32_t kDefaultViewWidth = 800;
/// The pixel size of a new document's view.
inline constexpr std::int32_t kDefaultViewHeight = 600;

/// A document. New: one layer "Layer 1", A4 page, origin (0, 0), one 100 % view centred on the page.
class Document {
public:
  /// A new, empty document.
  Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  /// Destroys every object of the document; all handles become invalid.
  ~Document();

  /// The file the document was read from or last written to; empty for a new document.
  [[nodiscard]] const std::filesystem::path& fileName() const { return documentFile; }
  /// Records the document's file.
  void setFileName(std::filesystem::path fileName) { documentFile = std::move(fileName); }
  /// The title a window shows: the file's name, or "Untitled" without a file.
  [[nodiscard]] std::string title() const;

  /// Number of layers, at least 1.
  [[nodiscard]] std::int32_t layerCount() const { return static_cast<std::int32_t>(layers.size()); }
  /// The layer at index (0 back-most), or null out of range.
  [[nodiscard]] Layer* layerAt(std::int32_t index) const;
  /// The index of a live layer, or -1; constant time.
  [[nodiscard]] std::int32_t layerIndex(const Layer* layer) const;
  /// The top-most layer with this title, or null; constant time unless many layers share the title.
  [[nodiscard]] Layer* findLayer(std::string_view title) const;
  /// Creates a layer at index (0 at the back, layerCount() on top) with an empty top group. Adding on top
  /// takes constant time; an insertion below renumbers the layers above it.
  platform::Result<Layer*> insertLayer(std::int32_t index, std::string_view title);
  /// Disposes a layer with all its art; the last layer is kept. A disposed current layer passes the
  /// role to the layer that takes its index (the one above), or to the new top-most layer.
  platform::Result<void> disposeLayer(Layer* layer);
  /// Whether layer is a live layer of this document (the pointer is not dereferenced).
  [[nodiscard]] bool isLiveLayer(const Layer* layer) const;
  /// The layer that receives new art placed above or below all.
  [[nodiscard]] Layer* currentLayer() const { return current; }
  /// Makes a live layer current.
  platform::Result<void> setCurrentLayer(Layer* layer);

  /// Creates art of a type at a paint order relative to prefix. Plug-in art gets an empty result group.
  platform::Result<Art*> newArt(ArtType type, PaintOrder order, Art* prefix);
  /// Creates a path with its geometry and style: one call for readers that build documents.
  platform::Result<Art*> newPath(PaintOrder order, Art* prefix, PathData path, const PathStyle& style);
  /// Moves live art (with its subtree) to a paint order relative to prefix. Moving art into its own subtree
  /// is refused; placing it above or below itself leaves it where it is.
  platform::Result<void> reorderArt(Art* art, PaintOrder order, Art* prefix);
  /// Checks a style for this document: validatePathStyle, and custom colours must be this document's.
  [[nodiscard]] platform::Result<void> checkPathStyle(const PathStyle& style) const;
  /// Disposes live art with its subtree and result groups; layer groups and result groups are refused.
  platform::Result<void> disposeArt(Art* art);
  /// Whether art is live art of this document (the pointer is not dereferenced).
  [[nodiscard]] bool isLiveArt(const Art* art) const { return arts.contains(art); }
  /// Number of live art objects, layer and result groups included.
  [[nodiscard]] std::size_t artCount() const { return arts.size(); }
  /// Gives art an empty styled result group, or returns the one it has.
  platform::Result<Art*> makeStyledResult(Art* art);
  /// Disposes art's styled result group, if any.
  platform::Result<void> clearStyledResult(Art* art);

  /// Adds a custom colour; its name must be new. The pointer stays valid for the document's life.
  platform::Result<const CustomColor*> newCustomColor(CustomColor color);
  /// Redefines a custom colour (every paint that uses it changes); the name must stay unique.
  platform::Result<void> setCustomColor(const CustomColor* color, CustomColor definition);
  /// The custom colour of that name, or null.
  [[nodiscard]] const CustomColor* findCustomColor(std::string_view name) const;
  /// The custom colours in the order they were added.
  [[nodiscard]] std::vector<const CustomColor*> customColors() const;
  /// Whether color is a custom colour of this document (the pointer is not dereferenced).
  [[nodiscard]] bool isLiveCustomColor(const CustomColor* color) const;

  /// The page setup, its header set to version 1, size 40.
  [[nodiscard]] const PageSetupRecord& pageSetup() const { return page; }
  /// Fills a plug-in's record with the page setup; the record's header must say version 1, size 40.
  platform::Result<void> readPageSetup(PageSetupRecord& record) const;
  /// Changes the page: both rectangles non-empty (left < right, top < bottom), the printable area within
  /// the paper. The header is ignored.
  platform::Result<void> setPageSetup(const PageSetupRecord& record);
  /// The page origin (ruler origin), artwork points.
  [[nodiscard]] HostRealPoint pageOrigin() const { return origin; }
  /// Moves the page origin; refused unless finite.
  platform::Result<void> setPageOrigin(HostRealPoint origin);

  /// Number of views, at least 1.
  [[nodiscard]] std::int32_t viewCount() const { return static_cast<std::int32_t>(views.size()); }
  /// The view at index (0 is the first view), or null out of range.
  [[nodiscard]] DocumentView* viewAt(std::int32_t index) const;
  /// Opens another view like the first one.
  DocumentView& newView();
  /// Closes a view; the last view is kept.
  platform::Result<void> disposeView(DocumentView* view);
  /// Whether view is a live view of this document (the pointer is not dereferenced).
  [[nodiscard]] bool isLiveView(const DocumentView* view) const;

  /// Art with the SELECTED attribute in the layers' trees, layer by layer from the back, each layer in
  /// walk order (containers before their children, back to front).
  [[nodiscard]] std::vector<Art*> selectedArt() const;
  /// Clears SELECTED and FULLY_SELECTED on all art of the layers' trees.
  void deselectAll();

  /// A counter that grows with every change to the document's content (not with selection or views).
  [[nodiscard]] std::uint64_t modificationCount() const { return modifications; }
  /// Counts a change; the model calls it, and so may code that changes art it edits in place.
  void noteModified() { ++modifications; }

private:
  friend class Layer;

  struct Placement {
    Art* container = nullptr;
    Art* before = nullptr;
  };

  Art& createArt(ArtType type);
  Art& createResultGroup(Art& owner);
  platform::Result<Placement> placeArt(ArtType type, PaintOrder order, Art* prefix) const;
  void destroySubtree(Art& root);
  // Gives layers from index `from` up their positions again, after an insertion or a removal.
  void renumberLayers(std::size_t from);
  // Keeps the title index in step with a layer's new title, or with a layer that goes.
  void retitleLayer(Layer& layer, const std::string& oldTitle);
  void forgetTitle(Layer& layer, const std::string& title);

  std::filesystem::path documentFile;
  // Owns every art object and is the set of live art. Every call a plug-in makes on art looks it up here,
  // so the map is an open-addressing one: one probe into a flat table, not a bucket and a node.
  absl::flat_hash_map<const Art*, std::unique_ptr<Art>> arts;
  std::vector<std::unique_ptr<Layer>> layers;
  // The live layers, so a handle is checked without touching it; titles to the layers that carry them.
  absl::flat_hash_set<const Layer*> liveLayers;
  absl::flat_hash_map<std::string, std::vector<Layer*>> layersByTitle;
  Layer* current = nullptr;
  std::vector<std::unique_ptr<CustomColor>> colors;
  PageSetupRecord page = defaultPageSetup();
  HostRealPoint origin = kDefaultPageOrigin;
  std::vector<std::unique_ptr<DocumentView>> views;
  std::uint64_t modifications = 0;
};

}  // namespace host
