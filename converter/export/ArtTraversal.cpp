#include "converter/export/ArtTraversal.h"

#include <algorithm>
#include <utility>

#include "converter/export/DxfBlocks.h"
#include "converter/export/DxfLayerNames.h"
#include "converter/export/DxfRecordWriter.h"
#include "converter/export/ExportProgress.h"
#include "converter/export/PathConversion.h"
#include "converter/export/TextFrameExport.h"
#include "host/sdk/ArtAppearanceSuites.h"
#include "host/sdk/ArtSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/PluginFrame.h"

namespace converter {
namespace {

const plugin::HostSuites& suites() { return plugin::pluginFrame().suites(); }
const ArtSuite& arts() { return *suites().get<ArtSuite>(); }

int16_t typeOf(ArtHandle art) {
  int16_t type = 0;
  if (arts().getArtType(art, &type) != HOST_NO_ERROR) return 0;  // unreadable art is ignored, as unknown types are
  return type;
}

bool isGroupOrCompound(int16_t type) { return type == ART_TYPE_GROUP || type == ART_TYPE_COMPOUND_PATH; }

/// Calls visit(child) for art's children from the last (back-most) to the first, following prior-sibling
/// links, until a visit returns non-zero.
template <class Visit>
HostResult forEachChildBackwards(ArtHandle art, Visit&& visit) {
  ArtHandle child = nullptr;
  if (HostResult error = arts().getArtFirstChild(art, &child)) return error;
  if (child == nullptr) return HOST_NO_ERROR;
  for (ArtHandle next = nullptr;; child = next) {
    if (HostResult error = arts().getArtSibling(child, &next)) return error;
    if (next == nullptr) break;
  }
  while (child != nullptr) {
    // The prior sibling is taken first: the visit must not change the tree, but this keeps the walk on it.
    ArtHandle prior = nullptr;
    if (HostResult error = arts().getArtPriorSibling(child, &prior)) return error;
    if (HostResult error = visit(child)) return error;
    child = prior;
  }
  return HOST_NO_ERROR;
}

/// The group a plug-in object draws as, or null.
ArtHandle pluginResultOf(ArtHandle art) {
  ArtHandle result = nullptr;
  if (const PluginGroupSuite* plugins = suites().get<PluginGroupSuite>()) (void)plugins->getPluginArtResultArt(art, &result);
  return result;
}

/// A path that clips its group: the last child of a clip group.
bool isClippingPath(ArtHandle path) {
  ArtHandle parent = nullptr;
  ArtHandle next = nullptr;
  if (arts().getArtParent(path, &parent) != HOST_NO_ERROR || parent == nullptr) return false;
  if (arts().getArtSibling(path, &next) != HOST_NO_ERROR || next != nullptr) return false;
  HostBool clipped = 0;
  const GroupSuite* groups = suites().get<GroupSuite>();
  return groups != nullptr && groups->getGroupClipped(parent, &clipped) == HOST_NO_ERROR && clipped != 0;
}

/// Table order: layer number ascending, then depth descending, then sequence ascending.
bool tableOrder(uint32_t first, uint32_t second) {
  if (blockKeyLayer(first) != blockKeyLayer(second)) return blockKeyLayer(first) < blockKeyLayer(second);
  if (blockKeyDepth(first) != blockKeyDepth(second)) return blockKeyDepth(first) > blockKeyDepth(second);
  return blockKeySequence(first) < blockKeySequence(second);
}

bool tiipWholeDrawing(const plugin::ConverterOptions& options) {
  return options.ftiipcomp == plugin::TIIP_ASAHI_KASEI_AGMS || options.ftiipcomp == plugin::TIIP_TORAY_CREACOMPO;
}

}  // namespace

ArtTraversal::ArtTraversal(const ExportDocument& document, std::function<void()> redraw)
    : document(document), redraw(std::move(redraw)) {}

void ArtTraversal::redrawProgress(int16_t) {
  if (redraw) redraw();
}

HostResult ArtTraversal::collectAndRegisterLineTypes(DxfRecordWriter& writer) {
  buildGroupTable(writer);
  return writePass(writer, ExportMode::LINE_TYPES, -1);
}

HostResult ArtTraversal::writeBlocks(DxfRecordWriter& writer, int16_t depth) {
  return writePass(writer, ExportMode::ENTITIES, depth);
}

HostResult ArtTraversal::writeEntities(DxfRecordWriter& writer) { return writePass(writer, ExportMode::ENTITIES, 0); }

void ArtTraversal::buildGroupTable(DxfRecordWriter& writer) {
  ExportContext& context = writer.context();
  const plugin::ConverterOptions& options = writer.options();
  context.curLayer = 0;
  context.curDepth = 0;
  context.groupSequence = 0;
  context.maxDepth = 0;
  context.blockCount = 0;
  keys.clear();
  names = layerNames(document.layers, options);
  layerIndices.clear();
  for (size_t index = 0; index < document.layers.size(); ++index) {
    layerIndices.emplace(document.layers[index].handle, index);
  }
  if (tiipWholeDrawing(options)) {
    // The whole drawing is one entry without art: a block of its own in AGMS, the entities in CREACOMPO.
    const uint8_t depth = options.ftiipcomp == plugin::TIIP_ASAHI_KASEI_AGMS ? 1 : 0;
    context.blocks[0] = BlockEntry{makeBlockKey(0, depth, 1), nullptr};
    context.blockCount = 1;
    return;
  }
  for (size_t index = 0; index < document.layers.size(); ++index) {
    const ExportLayer& layer = document.layers[index];
    if (isConfigurationLayer(layer.title)) continue;
    ArtHandle top = nullptr;
    if (arts().getFirstArtOfLayer(layer.handle, &top) != HOST_NO_ERROR || top == nullptr) continue;
    // Layer numbers are 8 bits: the layers past the 255th share the last number.
    collect(writer, static_cast<uint8_t>(std::min<size_t>(index + 1, 255)), 0, top);
  }
}

void ArtTraversal::collect(DxfRecordWriter& writer, uint8_t layer, int32_t depth, ArtHandle art) {
  ExportContext& context = writer.context();
  const plugin::ConverterOptions& options = writer.options();
  context.maxDepth = static_cast<int16_t>(std::max<int32_t>(context.maxDepth, depth));
  const int16_t type = typeOf(art);
  if (isGroupOrCompound(type)) {
    if (layer != context.curLayer) context.groupSequence = 0;
    context.curLayer = layer;
    context.curDepth = static_cast<uint8_t>(depth);
    ++context.groupSequence;
    // A full table takes no more groups, nor anything inside them; the depth of a key is 8 bits.
    if (static_cast<size_t>(context.blockCount) >= kBlockCapacity || depth > 255) return;
    const uint32_t key = makeBlockKey(layer, static_cast<uint8_t>(depth), static_cast<uint16_t>(context.groupSequence));
    BlockEntry* begin = context.blocks.data();
    BlockEntry* end = begin + context.blockCount;
    BlockEntry* place = std::upper_bound(begin, end, key, [](uint32_t wanted, const BlockEntry& entry) {
      return tableOrder(wanted, entry.key);
    });
    std::move_backward(place, end, end + 1);
    *place = BlockEntry{key, art};
    ++context.blockCount;
    keys[art] = key;
    if (options.ftiipcomp == plugin::TIIP_GENERAL && depth >= 1) return;  // deeper groups are written inline
    (void)forEachChildBackwards(art, [&](ArtHandle child) {
      collect(writer, layer, depth + 1, child);
      return HOST_NO_ERROR;
    });
    return;
  }
  if (options.fcnvApper == 0) return;
  if (type == ART_TYPE_PATH) {
    if (std::optional<ArtHandle> styled = replacingStyledArt(art)) collect(writer, layer, depth, *styled);
  } else if (type == ART_TYPE_PLUGIN) {
    if (ArtHandle result = pluginResultOf(art)) collect(writer, layer, depth, result);
  }
}

std::optional<ArtHandle> ArtTraversal::replacingStyledArt(ArtHandle art) const {
  const ArtStyleSuite* styles = suites().get<ArtStyleSuite>();
  const BlendStyleSuite* blends = suites().get<BlendStyleSuite>();
  if (styles == nullptr || blends == nullptr) return std::nullopt;
  ArtHandle styled = nullptr;
  HostReal opacity = 0;
  if (styles->getArtStyledArt(art, &styled) != HOST_NO_ERROR || styled == nullptr || styled == art) return std::nullopt;
  // Only fully opaque art is replaced by its appearance (compared as a 4-byte real).
  if (blends->getOpacity(art, &opacity) != HOST_NO_ERROR || opacity != 1.0f) return std::nullopt;
  return styled;
}

std::string ArtTraversal::layerNameOf(ArtHandle art) const {
  LayerHandle layer = nullptr;
  if (arts().getLayerOfArt(art, &layer) == HOST_NO_ERROR) {
    if (auto found = layerIndices.find(layer); found != layerIndices.end()) return names[found->second];
  }
  return std::string();  // no layer known: the entities go on layer "0"
}

HostResult ArtTraversal::writePass(DxfRecordWriter& writer, ExportMode mode, int32_t depthFilter) {
  ExportContext& context = writer.context();
  const plugin::ConverterOptions& options = writer.options();
  if (mode == ExportMode::ENTITIES && depthFilter == 0 && options.ftiipcomp == plugin::TIIP_ASAHI_KASEI_AGMS &&
      context.blockCount > 0) {
    writeInsert(writer, context.blocks[0].key, kTiipLayerName);
    return HOST_NO_ERROR;
  }
  for (size_t entry = 0; entry < static_cast<size_t>(context.blockCount); ++entry) {
    if (depthFilter != -1 && blockKeyDepth(context.blocks[entry].key) != depthFilter) continue;
    if (HostResult result = writeEntry(writer, mode, depthFilter, entry)) return result;
  }
  return HOST_NO_ERROR;
}

HostResult ArtTraversal::writeEntry(DxfRecordWriter& writer, ExportMode mode, int32_t depthFilter, size_t entry) {
  ExportContext& context = writer.context();
  const BlockEntry block = context.blocks[entry];
  if (mode == ExportMode::ENTITIES) advanceProgress(context, *this);
  const bool ownBlock = blockKeyDepth(block.key) > 0 && mode == ExportMode::ENTITIES;

  const std::string layer = block.art != nullptr ? layerNameOf(block.art) : std::string(kTiipLayerName);
  if (ownBlock) writeBlockHeader(writer, block.key, kGroupBlockFlags, layer);
  auto writeOne = [&](ArtHandle art) -> HostResult {
    if (HostResult result = writeObject(writer, mode, depthFilter, art, layer)) return result;
    return cancelRequested() ? kExportCancelled : HOST_NO_ERROR;
  };
  HostResult result = HOST_NO_ERROR;
  if (block.art != nullptr) {
    result = forEachChildBackwards(block.art, writeOne);
  } else {
    // The whole drawing: every layer's top art in layer order, the configuration layers left out.
    for (const ExportLayer& hostLayer : document.layers) {
      if (isConfigurationLayer(hostLayer.title)) continue;
      ArtHandle top = nullptr;
      if ((result = arts().getFirstArtOfLayer(hostLayer.handle, &top)) != HOST_NO_ERROR) break;
      if (top != nullptr && (result = writeOne(top)) != HOST_NO_ERROR) break;
    }
  }
  if (result != HOST_NO_ERROR) return result;
  if (ownBlock) writeBlockEnd(writer);
  return HOST_NO_ERROR;
}

HostResult ArtTraversal::writeObject(DxfRecordWriter& writer, ExportMode mode, int32_t depthFilter, ArtHandle art,
                                     std::string_view layer) {
  const plugin::ConverterOptions& options = writer.options();
  switch (typeOf(art)) {
    case ART_TYPE_GROUP:
    case ART_TYPE_COMPOUND_PATH: return writeGroupLike(writer, mode, depthFilter, art, layer);
    case ART_TYPE_PATH:
      if (options.fcnvMask != 1 && isClippingPath(art)) return HOST_NO_ERROR;
      if (options.fcnvApper == 1) {
        if (std::optional<ArtHandle> styled = replacingStyledArt(art)) {
          return writeGroupLike(writer, mode, depthFilter, *styled, layer);
        }
      }
      return writePath(writer, art, mode, layer);
    case ART_TYPE_PLUGIN:
      if (options.fcnvApper != 1) return HOST_NO_ERROR;
      if (ArtHandle result = pluginResultOf(art)) return writeGroupLike(writer, mode, depthFilter, result, layer);
      return HOST_NO_ERROR;
    case ART_TYPE_TEXT_FRAME: return writeTextFrame(writer, art, mode, layer);
    default: return HOST_NO_ERROR;
  }
}

HostResult ArtTraversal::writeGroupLike(DxfRecordWriter& writer, ExportMode mode, int32_t depthFilter, ArtHandle group,
                                        std::string_view layer) {
  const plugin::ConverterOptions& options = writer.options();
  const bool writtenInline = (options.ftiipcomp == plugin::TIIP_GENERAL && depthFilter > 0) || tiipWholeDrawing(options) ||
                       (options.ftiipcomp == plugin::TIIP_GENERAL && mode == ExportMode::LINE_TYPES && !keys.contains(group));
  if (mode == ExportMode::LINE_TYPES) {
    // A group with a block of its own registers its paths when its entry comes; one written inline has no entry,
    // so its dash patterns are registered here, or its entities would name line types the table lacks.
    return writtenInline ? writeGroupContents(writer, mode, group, layer) : HOST_NO_ERROR;
  }
  if (writtenInline) return writeGroupContents(writer, mode, group, layer);
  auto found = keys.find(group);
  if (found != keys.end()) writeInsert(writer, found->second, layer);  // a group left out of a full table: nothing
  return HOST_NO_ERROR;
}

HostResult ArtTraversal::writeGroupContents(DxfRecordWriter& writer, ExportMode mode, ArtHandle art,
                                            std::string_view layer) {
  switch (typeOf(art)) {
    case ART_TYPE_GROUP:
    case ART_TYPE_COMPOUND_PATH:
      return forEachChildBackwards(art, [&](ArtHandle child) { return writeGroupContents(writer, mode, child, layer); });
    case ART_TYPE_PATH:
      // Inline, the appearance replaces the path whatever fcnvApper says, and clipping paths are written.
      if (std::optional<ArtHandle> styled = replacingStyledArt(art)) return writeGroupContents(writer, mode, *styled, layer);
      return writePath(writer, art, mode, layer);
    case ART_TYPE_PLUGIN:
      if (ArtHandle result = pluginResultOf(art)) return writeGroupContents(writer, mode, result, layer);
      return HOST_NO_ERROR;
    case ART_TYPE_TEXT_FRAME: return writeTextFrame(writer, art, mode, layer);
    default: return HOST_NO_ERROR;
  }
}

}  // namespace converter
