#include "converter/export/DxfLayerNames.h"

#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

constexpr std::string_view kNumberedLayerBase = "LAYER";

}  // namespace

bool isConfigurationLayer(std::string_view title) { return title.find(kConfigurationLayerMark) != std::string_view::npos; }

std::string layerName(std::span<const ExportLayer> layers, size_t index, const plugin::ConverterOptions& options) {
  const std::string& title = layers[index].title;
  if (isConfigurationLayer(title)) return title;
  if (options.ftiipcomp == plugin::TIIP_ASAHI_KASEI_AGMS || options.ftiipcomp == plugin::TIIP_TORAY_CREACOMPO) {
    return std::string(kTiipLayerName);
  }
  bool useTitles = options.fuselname != 0;
  // Numbered names count every exported layer so far; titled names count the earlier layers of the same title.
  int number = useTitles ? 0 : 1;
  for (size_t earlier = 0; earlier < index; ++earlier) {
    const std::string& earlierTitle = layers[earlier].title;
    if (isConfigurationLayer(earlierTitle)) continue;
    if (!useTitles || earlierTitle == title) ++number;
  }
  std::string base = useTitles ? title : std::string(kNumberedLayerBase);
  return number == 0 ? base : base + "_" + formatInteger(number);
}

}  // namespace converter
