#pragma once
// The passes over the document's art that the DXF writer calls: the group table, the line types, the blocks
// and the entities.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "converter/export/ExportDocument.h"
#include "converter/export/ExportMode.h"
#include "converter/export/ExportPasses.h"

namespace converter {

/// Walks the host's layers and art tree. Every group and compound path becomes one block of the group table
/// (sorted by layer number, depth descending, sequence), written once per depth and inserted where it stands;
/// paths and text frames go to their writers. The TIIP modes write groups inline instead.
class ArtTraversal : public ExportPasses {
public:
  /// Walks document's layers; redraw shows the progress bar again (it reads the context's percentage).
  ArtTraversal(const ExportDocument& document, std::function<void()> redraw);

  HostResult collectAndRegisterLineTypes(DxfRecordWriter& writer) override;
  HostResult writeBlocks(DxfRecordWriter& writer, int16_t depth) override;
  HostResult writeEntities(DxfRecordWriter& writer) override;
  void redrawProgress(int16_t percent) override;

private:
  /// The group table of the context, from the document's layers.
  void buildGroupTable(DxfRecordWriter& writer);
  void collect(DxfRecordWriter& writer, uint8_t layer, int32_t depth, ArtHandle art);
  /// Every table entry of depthFilter (-1: all), in table order.
  HostResult writePass(DxfRecordWriter& writer, ExportMode mode, int32_t depthFilter);
  HostResult writeEntry(DxfRecordWriter& writer, ExportMode mode, int32_t depthFilter, size_t entry);
  HostResult writeObject(DxfRecordWriter& writer, ExportMode mode, int32_t depthFilter, ArtHandle art,
                         std::string_view layer);
  /// A group, compound path, styled art or plug-in result where it stands: inline, or an INSERT of its block.
  HostResult writeGroupLike(DxfRecordWriter& writer, ExportMode mode, int32_t depthFilter, ArtHandle group,
                            std::string_view layer);
  /// The contents of a group written in place of a block.
  HostResult writeGroupContents(DxfRecordWriter& writer, ExportMode mode, ArtHandle art, std::string_view layer);
  /// The art the appearance draws in place of art, when it replaces it: the styled art exists, differs from
  /// art, and art is fully opaque.
  [[nodiscard]] std::optional<ArtHandle> replacingStyledArt(ArtHandle art) const;
  /// The DXF layer name of the layer art belongs to.
  [[nodiscard]] std::string layerNameOf(ArtHandle art) const;

  const ExportDocument& document;
  std::function<void()> redraw;
  /// The block key of each group in the table.
  std::unordered_map<ArtHandle, uint32_t> keys;
  /// The DXF layer names of the document's layers, and each layer's index, made with the group table.
  std::vector<std::string> names;
  std::unordered_map<LayerHandle, size_t> layerIndices;
};

}  // namespace converter
