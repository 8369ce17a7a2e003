#include "converter/export/DxfLayerNames.h"

#include <unordered_map>

#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

constexpr std::string_view kNumberedLayerBase = "LAYER";

}  // namespace

bool isConfigurationLayer(std::string_view title) { return title.find(kConfigurationLayerMark) != std::string_view::npos; }

std::vector<std::string> layerNames(std::span<const ExportLayer> layers, const plugin::ConverterOptions& options) {
  std::vector<std::string> names;
  names.reserve(layers.size());
  const bool tiipLayer =
      options.ftiipcomp == plugin::TIIP_ASAHI_KASEI_AGMS || options.ftiipcomp == plugin::TIIP_TORAY_CREACOMPO;
  const bool useTitles = options.fuselname != 0;
  // Numbered names count every exported layer so far; titled names count the earlier layers of the same title.
  int exported = 0;
  std::unordered_map<std::string_view, int> titlesSeen;
  for (const ExportLayer& layer : layers) {
    const std::string& title = layer.title;
    if (isConfigurationLayer(title)) {
      names.push_back(title);
    } else if (tiipLayer) {
      names.emplace_back(kTiipLayerName);
    } else if (useTitles) {
      const int earlier = titlesSeen[title]++;
      names.push_back(earlier == 0 ? title : title + "_" + formatInteger(earlier));
    } else {
      names.push_back(std::string(kNumberedLayerBase) + "_" + formatInteger(++exported));
    }
  }
  return names;
}

}  // namespace converter
