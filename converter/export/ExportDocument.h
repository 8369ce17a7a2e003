#pragma once

#include <string>
#include <vector>

#include "host/sdk/HostTypes.h"

namespace converter {

/// A host layer as the export sees it.
struct ExportLayer {
  /// The layer's title.
  std::string title;
  /// Shown and printed: both make the DXF layer visible (colour 7), else it is written hidden (colour -7).
  bool visible = true;
  bool printable = true;
  /// The host layer, for the passes over its art; the writer itself never uses it.
  LayerHandle handle = nullptr;
};

/// The page values the HEADER is computed from, as the host's document suite gives them.
struct ExportPage {
  /// The page-setup record's paper rectangle: whole points, y growing downwards from the paper's top-left.
  HostRect paper{};
  /// The page-setup record's printable-area rectangle, measured like paper.
  HostRect printableArea{};
  /// The page origin (ruler origin), artwork points.
  HostRealPoint pageOrigin{};
};

/// What the writer needs to know about the document besides its art: read from the host by the export
/// driver before writeDxf.
struct ExportDocument {
  /// The page setup and the ruler origin.
  ExportPage page;
  /// Every host layer, in the host's order (index 0 first), "Configuration Layer" ones included.
  std::vector<ExportLayer> layers;
};

}  // namespace converter
