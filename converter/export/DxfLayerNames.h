#pragma once
// DXF layer names of the host's layers.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "converter/export/ExportDocument.h"
#include "plugin-common/ConverterOptions.h"

namespace converter {

/// Layers whose title contains this are the host's working layers: they and their art are not exported.
inline constexpr std::string_view kConfigurationLayerMark = "Configuration Layer";
/// The one layer of every entity in the TIIP modes without layers.
inline constexpr std::string_view kTiipLayerName = "1";

/// True when the title contains "Configuration Layer".
[[nodiscard]] bool isConfigurationLayer(std::string_view title);

/// The DXF layer names of all layers, in their order, in time linear in their number. A configuration layer
/// keeps its title; in the TIIP modes 2 and 3 every layer is "1". Otherwise, with fuselname off, the exported
/// layers are LAYER_1, LAYER_2, ... in order; with fuselname on, a layer keeps its title and a repeated title
/// gets "_1", "_2", ... on its second, third, ... occurrence.
[[nodiscard]] std::vector<std::string> layerNames(std::span<const ExportLayer> layers,
                                                  const plugin::ConverterOptions& options);

}  // namespace converter
