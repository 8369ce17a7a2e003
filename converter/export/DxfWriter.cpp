#include "converter/export/DxfWriter.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "converter/export/DxfCoordinates.h"
#include "converter/export/DxfFileOutput.h"
#include "converter/export/DxfLayerNames.h"
#include "converter/export/DxfNumberFormat.h"
#include "converter/export/DxfRecordWriter.h"
#include "converter/export/DxfSections.h"
#include "converter/export/DxfTableEntries.h"
#include "converter/export/ExportProgress.h"

namespace converter {
namespace {

constexpr std::string_view kTablesSection = "TABLES";
constexpr std::string_view kBlocksSection = "BLOCKS";
constexpr std::string_view kEntitiesSection = "ENTITIES";
constexpr std::string_view kLineTypeTable = "LTYPE";
constexpr std::string_view kLayerTable = "LAYER";

void prepareContext(ExportContext& context, plugin::ConverterOptions& options) {
  context.originX = 0;
  context.originY = 0;
  context.curLayer = 0;
  context.curDepth = 0;
  context.groupSequence = 0;
  context.maxDepth = 0;
  context.blockCount = 0;
  context.lineTypeCount = 0;
  context.blocksDone = 0;
  context.progressPercent = 0;

  // The dialogs never store a scale of 0 or less, but the settings file is not range-checked; the repaired
  // value stays in the option (not-positive covers NaN too).
  if (!(options.cnvtScal > 0)) options.cnvtScal = 1.0f;
  context.unitFactor = unitFactorFor(options.cnvtTani, options.cnvtScal);
  plugin::fillBezierWeights(context.bezierWeights, options.fusesmoth != 0 ? kSmoothingBezierSteps : kPlainBezierSteps);
}

bool writesLayerTable(const plugin::ConverterOptions& options) {
  return options.ftiipcomp != plugin::TIIP_ASAHI_KASEI_AGMS && options.ftiipcomp != plugin::TIIP_TORAY_CREACOMPO;
}

void writeLayerTable(DxfRecordWriter& writer, std::span<const ExportLayer> layers) {
  // The maximum count counts every host layer, the configuration layers that are left out included.
  beginTable(writer, kLayerTable, static_cast<int32_t>(layers.size()));
  const std::vector<std::string> names = layerNames(layers, writer.options());
  for (size_t index = 0; index < layers.size(); ++index) {
    const ExportLayer& layer = layers[index];
    if (isConfigurationLayer(layer.title)) continue;
    writeLayerEntry(writer, names[index], layer.visible, layer.printable);
  }
  endTable(writer);
}

/// What a pass that stopped the file returned, as the export's error.
platform::Error passStopped(HostResult result) {
  if (result == kExportCancelled) return platform::fail("the export was cancelled", {}, kExportCancelled);
  return platform::fail("the export stopped on host error " + formatInteger(result), {}, result);
}

/// Everything after the HEADER; a pass's non-zero result, or a failed write, ends the file where it stands.
platform::Result<void> writeSections(DxfRecordWriter& writer, const ExportDocument& document, ExportPasses& passes) {
  const plugin::ConverterOptions& options = writer.options();
  // A pass runs only while the file is sound: there is no use walking the art for a file that failed.
  auto runPass = [&writer](const std::function<HostResult()>& pass) -> std::optional<platform::Error> {
    if (writer.failed()) return writer.output().failure();
    if (HostResult result = pass(); result != 0) return passStopped(result);
    return std::nullopt;
  };

  writeHeaderSection(writer, document.page);
  beginSection(writer, kTablesSection);
  beginTable(writer, kLineTypeTable, static_cast<int32_t>(kLineTypeCapacity));
  if (auto error = runPass([&] { return passes.collectAndRegisterLineTypes(writer); })) return *error;
  endTable(writer);
  if (writesLayerTable(options)) writeLayerTable(writer, document.layers);
  writeStyleTable(writer);
  endSection(writer);

  beginSection(writer, kBlocksSection);
  // In ASAHI KASEI AGMS mode the whole drawing is one block of depth 1, beyond the depths collected.
  int deepest = writer.context().maxDepth + (options.ftiipcomp == plugin::TIIP_ASAHI_KASEI_AGMS ? 1 : 0);
  for (int depth = deepest; depth >= 1; --depth) {
    if (auto error = runPass([&] { return passes.writeBlocks(writer, static_cast<int16_t>(depth)); })) {
      return *error;
    }
  }
  endSection(writer);

  beginSection(writer, kEntitiesSection);
  if (auto error = runPass([&] { return passes.writeEntities(writer); })) return *error;
  endSection(writer);
  writeEof(writer);
  if (writer.failed()) return writer.output().failure();
  return {};
}

}  // namespace

platform::Result<void> writeDxf(ExportContext& context, plugin::ConverterOptions& options,
                                const ExportDocument& document, ExportPasses& passes, DxfOutput& output) {
  prepareContext(context, options);
  DxfRecordWriter writer(output, context, options);
  return writeSections(writer, document, passes);
}

platform::Result<void> writeDxf(ExportContext& context, plugin::ConverterOptions& options,
                                const ExportDocument& document, ExportPasses& passes,
                                const std::filesystem::path& path) {
  platform::Result<std::unique_ptr<DxfFileOutput>> file = DxfFileOutput::create(path);
  if (!file) return file.error();
  if (platform::Result<void> written = writeDxf(context, options, document, passes, *file.value()); !written) {
    return written;  // the output's destructor removes the unfinished file
  }
  return file.value()->commit();
}

}  // namespace converter
