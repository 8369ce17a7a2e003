#include "host/document/Document.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "host/document/ArtWalk.h"
#include "host/document/DocumentError.h"

namespace host {
namespace {

constexpr ArtAttributes kSelectionBits = ArtAttribute::SELECTED | ArtAttribute::FULLY_SELECTED;

// The page's centre in artwork coordinates, whose origin is the paper's bottom-left corner.
HostRealPoint pageCentre(const PageSetupRecord& page) {
  return {static_cast<HostReal>(page.paper.right - page.paper.left) / 2,
          static_cast<HostReal>(page.paper.bottom - page.paper.top) / 2};
}

bool isNonEmpty(const PageRect& rect) { return rect.left < rect.right && rect.top < rect.bottom; }

bool contains(const PageRect& outer, const PageRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Whether art lies in ancestor's subtree or in the result groups of that subtree.
bool isWithin(const Art* art, const Art* ancestor) {
  while (art != nullptr) {
    if (art == ancestor) return true;
    art = art->parent() != nullptr ? art->parent() : art->resultOwner();
  }
  return false;
}

template <class Owned, class Pointer>
auto findOwned(const std::vector<std::unique_ptr<Owned>>& list, const Pointer* pointer) {
  return std::find_if(list.begin(), list.end(), [pointer](const auto& owned) { return owned.get() == pointer; });
}

}  // namespace

Document::Document() {
  Art& group = createArt(ArtType::GROUP);
  layers.push_back(std::unique_ptr<Layer>(new Layer(*this, group, std::string(kDefaultLayerTitle))));
  group.groupOfLayer = layers.back().get();
  liveLayers.insert(layers.back().get());
  layersByTitle[std::string(kDefaultLayerTitle)].push_back(layers.back().get());
  current = layers.back().get();
  views.push_back(std::make_unique<DocumentView>(pageCentre(page), kDefaultViewWidth, kDefaultViewHeight));
}

Document::~Document() = default;

std::string Document::title() const {
  std::string name = documentFile.filename().string();
  return name.empty() ? "Untitled" : name;
}

Layer* Document::layerAt(std::int32_t index) const {
  if (index < 0 || index >= layerCount()) return nullptr;
  return layers[static_cast<std::size_t>(index)].get();
}

std::int32_t Document::layerIndex(const Layer* layer) const { return isLiveLayer(layer) ? layer->position : -1; }

Layer* Document::findLayer(std::string_view title) const {
  // Debian's abseil has a string_view of its own, which the map's hash takes for look-ups without a copy.
  auto found = layersByTitle.find(absl::string_view(title.data(), title.size()));
  if (found == layersByTitle.end()) return nullptr;
  const std::vector<Layer*>& named = found->second;
  return *std::max_element(named.begin(), named.end(),
                           [](const Layer* a, const Layer* b) { return a->position < b->position; });
}

platform::Result<Layer*> Document::insertLayer(std::int32_t index, std::string_view title) {
  if (index < 0 || index > layerCount()) return badParameter("layer index out of range");
  if (platform::Result<void> valid = validateLayerTitle(title); !valid) return valid.error();
  Art& group = createArt(ArtType::GROUP);
  auto inserted = layers.insert(layers.begin() + index,
                                std::unique_ptr<Layer>(new Layer(*this, group, std::string(title))));
  Layer* layer = inserted->get();
  group.groupOfLayer = layer;
  liveLayers.insert(layer);
  layersByTitle[layer->title()].push_back(layer);
  renumberLayers(static_cast<std::size_t>(index));
  noteModified();
  return layer;
}

platform::Result<void> Document::disposeLayer(Layer* layer) {
  const std::int32_t index = layerIndex(layer);
  if (index < 0) return badHandle("not a live layer of this document");
  if (layerCount() == 1) return badParameter("a document keeps at least one layer");
  destroySubtree(*layer->group());
  liveLayers.erase(layer);
  forgetTitle(*layer, layer->title());
  layers.erase(layers.begin() + index);
  renumberLayers(static_cast<std::size_t>(index));
  if (current == layer) current = layers[static_cast<std::size_t>(std::min(index, layerCount() - 1))].get();
  noteModified();
  return {};
}

bool Document::isLiveLayer(const Layer* layer) const { return liveLayers.contains(layer); }

void Document::renumberLayers(std::size_t from) {
  for (std::size_t index = from; index < layers.size(); ++index) {
    layers[index]->position = static_cast<std::int32_t>(index);
  }
}

void Document::forgetTitle(Layer& layer, const std::string& title) {
  auto named = layersByTitle.find(title);
  if (named == layersByTitle.end()) return;
  std::vector<Layer*>& list = named->second;
  list.erase(std::remove(list.begin(), list.end(), &layer), list.end());
  if (list.empty()) layersByTitle.erase(named);
}

void Document::retitleLayer(Layer& layer, const std::string& oldTitle) {
  forgetTitle(layer, oldTitle);
  layersByTitle[layer.title()].push_back(&layer);
}

platform::Result<void> Document::setCurrentLayer(Layer* layer) {
  if (!isLiveLayer(layer)) return badHandle("not a live layer of this document");
  current = layer;
  return {};
}

Art& Document::createArt(ArtType type) {
  auto art = std::unique_ptr<Art>(new Art(*this, type));
  Art& created = *art;
  arts.emplace(&created, std::move(art));
  return created;
}

Art& Document::createResultGroup(Art& owner) {
  Art& group = createArt(ArtType::GROUP);
  group.ownerOfResult = &owner;
  return group;
}

platform::Result<Document::Placement> Document::placeArt(ArtType type, PaintOrder order, Art* prefix) const {
  if (prefix != nullptr && !isLiveArt(prefix)) return badHandle("the prefix is not live art of this document");
  Placement placement;
  switch (order) {
    case PaintOrder::PLACE_ABOVE:
    case PaintOrder::PLACE_BELOW:
      if (prefix == nullptr) return badParameter("placing above or below needs a prefix art");
      if (prefix->parent() == nullptr) return badParameter("a layer group or a result group has no siblings");
      placement = {prefix->parent(), order == PaintOrder::PLACE_ABOVE ? prefix : prefix->nextSibling()};
      break;
    case PaintOrder::PLACE_INSIDE_ON_TOP:
    case PaintOrder::PLACE_INSIDE_ON_BOTTOM:
      if (prefix == nullptr) return badParameter("placing inside needs a prefix art");
      if (!isContainerType(prefix->type())) return badParameter("only groups and compound paths hold art");
      placement = {prefix, order == PaintOrder::PLACE_INSIDE_ON_TOP ? prefix->firstChild() : nullptr};
      break;
    case PaintOrder::PLACE_ABOVE_ALL:
    case PaintOrder::PLACE_BELOW_ALL: {
      Layer* layer = prefix != nullptr ? prefix->layer() : current;
      if (layer == nullptr) return badParameter("the prefix belongs to no layer");
      Art* group = layer->group();
      placement = {group, order == PaintOrder::PLACE_ABOVE_ALL ? group->firstChild() : nullptr};
      break;
    }
    default:
      return badParameter("unknown paint order " + std::to_string(static_cast<int>(order)));
  }
  // The clipping path is not painted; art placed at the back of a clip group goes just in front of it.
  Art* back = placement.container->lastChild();
  if (placement.before == nullptr && placement.container->isClipGroup() && back != nullptr && back->isClipping()) {
    placement.before = back;
  }
  if (placement.container->type() == ArtType::COMPOUND_PATH && type != ArtType::PATH) {
    return badParameter("a compound path holds paths only");
  }
  return placement;
}

platform::Result<Art*> Document::newArt(ArtType type, PaintOrder order, Art* prefix) {
  if (!isKnownArtType(type)) return badParameter("unknown art type " + std::to_string(static_cast<int>(type)));
  platform::Result<Placement> placement = placeArt(type, order, prefix);
  if (!placement) return placement.error();
  Art& art = createArt(type);
  if (type == ArtType::PLUGIN) art.pluginResultGroup = &createResultGroup(art);
  art.linkInto(*placement->container, placement->before);
  noteModified();
  return &art;
}

platform::Result<Art*> Document::newPath(PaintOrder order, Art* prefix, PathData path, const PathStyle& style) {
  // Checked before creation, so that a refused call leaves no half-made path behind.
  if (platform::Result<void> valid = checkPathStyle(style); !valid) return valid.error();
  platform::Result<Art*> art = newArt(ArtType::PATH, order, prefix);
  if (!art) return art;
  (*art)->pathData = std::move(path);
  (*art)->pathStyle = style;
  return art;
}

platform::Result<void> Document::reorderArt(Art* art, PaintOrder order, Art* prefix) {
  if (!isLiveArt(art)) return badHandle("not live art of this document");
  if (art->parent() == nullptr) return badParameter("a layer group or a result group cannot be moved");
  platform::Result<Placement> placement = placeArt(art->type(), order, prefix);
  if (!placement) return placement.error();
  if (isWithin(placement->container, art)) return badParameter("art cannot move into its own subtree");
  // Placed beside itself: the art's own position is the answer.
  if (placement->before == art) placement->before = art->nextSibling();
  art->unlink();
  art->linkInto(*placement->container, placement->before);
  noteModified();
  return {};
}

platform::Result<void> Document::checkPathStyle(const PathStyle& style) const {
  if (platform::Result<void> valid = validatePathStyle(style); !valid) return valid;
  for (const Color* color : {&style.fill.color, &style.stroke.color}) {
    const TintedCustomColor* custom = color->get<TintedCustomColor>();
    if (custom != nullptr && !isLiveCustomColor(custom->color)) {
      return badHandle("the style names a custom colour that is not this document's");
    }
  }
  return {};
}

platform::Result<void> Document::disposeArt(Art* art) {
  if (!isLiveArt(art)) return badHandle("not live art of this document");
  if (art->layerOfGroup() != nullptr) return badParameter("a layer's group goes with its layer");
  if (art->resultOwner() != nullptr) return badParameter("a result group goes with the art it belongs to");
  art->unlink();
  destroySubtree(*art);
  noteModified();
  return {};
}

void Document::destroySubtree(Art& root) {
  // Collected first and iteratively: deep nesting must not exhaust the stack, and links are read only
  // while every object is still alive.
  std::vector<Art*> pending{&root};
  std::vector<const Art*> doomed;
  while (!pending.empty()) {
    Art* art = pending.back();
    pending.pop_back();
    doomed.push_back(art);
    for (Art* child = art->firstChild(); child != nullptr; child = child->nextSibling()) pending.push_back(child);
    if (art->styledResultGroup != nullptr) pending.push_back(art->styledResultGroup);
    if (art->pluginResultGroup != nullptr) pending.push_back(art->pluginResultGroup);
  }
  for (const Art* art : doomed) arts.erase(art);
}

platform::Result<Art*> Document::makeStyledResult(Art* art) {
  if (!isLiveArt(art)) return badHandle("not live art of this document");
  if (art->styledResultGroup == nullptr) art->styledResultGroup = &createResultGroup(*art);
  return art->styledResultGroup;
}

platform::Result<void> Document::clearStyledResult(Art* art) {
  if (!isLiveArt(art)) return badHandle("not live art of this document");
  if (Art* group = std::exchange(art->styledResultGroup, nullptr); group != nullptr) destroySubtree(*group);
  return {};
}

platform::Result<const CustomColor*> Document::newCustomColor(CustomColor color) {
  if (platform::Result<void> valid = validateCustomColor(color); !valid) return valid.error();
  if (findCustomColor(color.name) != nullptr) {
    return platform::fail("a custom colour named \"" + color.name + "\" exists already", {}, HOST_DUPLICATE_NAME);
  }
  colors.push_back(std::make_unique<CustomColor>(std::move(color)));
  noteModified();
  return colors.back().get();
}

platform::Result<void> Document::setCustomColor(const CustomColor* color, CustomColor definition) {
  auto found = findOwned(colors, color);
  if (found == colors.end()) return badHandle("not a custom colour of this document");
  if (platform::Result<void> valid = validateCustomColor(definition); !valid) return valid;
  const CustomColor* named = findCustomColor(definition.name);
  if (named != nullptr && named != color) {
    return platform::fail("a custom colour named \"" + definition.name + "\" exists already", {},
                          HOST_DUPLICATE_NAME);
  }
  **found = std::move(definition);
  noteModified();
  return {};
}

const CustomColor* Document::findCustomColor(std::string_view name) const {
  auto found = std::find_if(colors.begin(), colors.end(), [name](const auto& color) { return color->name == name; });
  return found == colors.end() ? nullptr : found->get();
}

std::vector<const CustomColor*> Document::customColors() const {
  std::vector<const CustomColor*> list;
  list.reserve(colors.size());
  for (const auto& color : colors) list.push_back(color.get());
  return list;
}

bool Document::isLiveCustomColor(const CustomColor* color) const { return findOwned(colors, color) != colors.end(); }

platform::Result<void> Document::readPageSetup(PageSetupRecord& record) const {
  if (record.recordVersion != kPageSetupRecordVersion ||
      record.recordSize != static_cast<std::int32_t>(sizeof record)) {
    return badParameter("the page-setup record must be passed with version 1 and size 40");
  }
  record.paper = page.paper;
  record.printableArea = page.printableArea;
  return {};
}

platform::Result<void> Document::setPageSetup(const PageSetupRecord& record) {
  if (!isNonEmpty(record.paper) || !isNonEmpty(record.printableArea)) {
    return badParameter("page rectangles need left < right and top < bottom");
  }
  if (!contains(record.paper, record.printableArea)) return badParameter("the printable area lies outside the paper");
  page.paper = record.paper;
  page.printableArea = record.printableArea;
  noteModified();
  return {};
}

platform::Result<void> Document::setPageOrigin(HostRealPoint newOrigin) {
  if (!std::isfinite(newOrigin.h) || !std::isfinite(newOrigin.v)) return badParameter("the page origin must be finite");
  origin = newOrigin;
  noteModified();
  return {};
}

DocumentView* Document::viewAt(std::int32_t index) const {
  if (index < 0 || index >= viewCount()) return nullptr;
  return views[static_cast<std::size_t>(index)].get();
}

DocumentView& Document::newView() {
  views.push_back(std::make_unique<DocumentView>(*views.front()));
  return *views.back();
}

platform::Result<void> Document::disposeView(DocumentView* view) {
  auto found = findOwned(views, view);
  if (found == views.end()) return badHandle("not a live view of this document");
  if (views.size() == 1) return badParameter("a document keeps at least one view");
  views.erase(found);
  return {};
}

bool Document::isLiveView(const DocumentView* view) const { return findOwned(views, view) != views.end(); }

std::vector<Art*> Document::selectedArt() const {
  std::vector<Art*> selection;
  for (const auto& layer : layers) {
    // The visitors here never stop the walk, so its outcome says nothing.
    static_cast<void>(walkLayerArt(*layer, [&](Art& art) {
      if (art.hasAttribute(ArtAttribute::SELECTED)) selection.push_back(&art);
      return WalkStep::CONTINUE;
    }));
  }
  return selection;
}

void Document::deselectAll() {
  for (const auto& layer : layers) {
    static_cast<void>(walkLayerArt(*layer, [](Art& art) {
      art.userAttributes &= ~kSelectionBits;
      return WalkStep::CONTINUE;
    }));
  }
}

}  // namespace host
