#include "converter/ExportDriver.h"

#include <memory>
#include <new>

#include "converter/Companion.h"
#include "converter/export/ArtTraversal.h"
#include "converter/export/DxfWriter.h"
#include "host/sdk/DocumentSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/LayerSuite.h"
#include "host/sdk/LegacyTextSuite.h"
#include "plugin-common/LengthPrefixed.h"
#include "plugin-common/PluginFrame.h"
#include "plugin-common/ProgressDialog.h"

namespace converter {
namespace {

/// The page and the layers, as the host's document and layer suites give them.
ExportDocument readExportDocument() {
  const plugin::HostSuites& suites = plugin::pluginFrame().suites();
  ExportDocument document;
  HostPageSetup pageSetup{};
  pageSetup.recordVersion = PAGE_SETUP_RECORD_VERSION;
  pageSetup.recordSize = PAGE_SETUP_RECORD_SIZE;
  // A failing suite leaves the zero page, as the host's values would be read unchecked.
  (void)suites.get<DocumentSuite>()->getDocumentPageSetup(&pageSetup);
  (void)suites.get<DocumentSuite>()->getDocumentPageOrigin(&document.page.pageOrigin);
  document.page.paper = pageSetup.paper;
  document.page.printableArea = pageSetup.printableArea;

  const LayerSuite* layers = suites.get<LayerSuite>();
  int32_t count = 0;
  if (layers->countLayers(&count) != HOST_NO_ERROR) return document;
  for (int32_t index = 0; index < count; ++index) {
    LayerHandle layer = nullptr;
    if (layers->getNthLayer(index, &layer) != HOST_NO_ERROR) continue;
    unsigned char title[257] = {};
    HostBool visible = 0;
    HostBool printed = 0;
    (void)layers->getLayerTitle(layer, title);
    (void)layers->getLayerVisible(layer, &visible);
    (void)layers->getLayerPrinted(layer, &printed);
    document.layers.push_back(ExportLayer{plugin::toZeroTerminated(title), visible != 0, printed != 0, layer});
  }
  return document;
}

}  // namespace

SavedExportOptions applyTiipOverrides(PluginGlobals& state) {
  plugin::ConverterOptions& options = state.options;
  SavedExportOptions saved{options.polyMode, options.fusesmoth, options.fuseCircle, state.arcSegmentDetection};
  if (options.ftiipcomp == plugin::TIIP_TORAY_CREACOMPO) options.polyMode = plugin::POLY_MODE_LINE_AND_ARC;
  if (options.ftiipcomp == plugin::TIIP_ASAHI_KASEI_AGMS) {
    options.fusesmoth = 0;
    options.fuseCircle = 0;
    state.arcSegmentDetection = 0;
    options.polyMode = plugin::POLY_MODE_POLYLINE_AND_ARC;
  }
  return saved;
}

void restoreExportOptions(PluginGlobals& state, const SavedExportOptions& saved) {
  state.options.polyMode = saved.polyMode;
  state.options.fusesmoth = saved.fusesmoth;
  state.options.fuseCircle = saved.fuseCircle;
  state.arcSegmentDetection = saved.arcSegmentDetection;
}

void exportDxf(PluginRef plugin, const std::string& path) {
  PluginGlobals& state = globals();
  std::unique_ptr<ExportContext> context(new (std::nothrow) ExportContext{});
  if (!context) return;  // no work area: the export ends before anything is written
  state.exportContext = context.get();
  context->progressPercent = 0;
  // Closed when the export ends, finished or cancelled.
  plugin::ProgressDialog progress(plugin, state.language, state.options.kelmot != 0, &context->progressPercent);
  context->progressDialog = progress.dialog();
  context->progressBar = progress.bar();

  int32_t converted = 0;
  (void)plugin::pluginFrame().suites().get<LegacyTextConversionSuite>()->convertAllLegacyText(&converted);  // result unused
  SavedExportOptions saved = applyTiipOverrides(state);
  if (companionRunning()) {
    bool outlines = companionWantsOutlines();  // read first, as the companion set it for this export
    strokeFills();
    if (outlines) outlineText();
  }

  context->language = state.language;
  context->arcSegmentDetection = state.arcSegmentDetection;  // after the TIIP overrides
  ExportDocument document = readExportDocument();
  ArtTraversal passes(document, [&progress] { progress.redraw(); });
  // The writer replaces the file only with a whole one; what went wrong, the host finds by the file itself.
  (void)writeDxf(*context, state.options, document, passes, path);

  restoreExportOptions(state, saved);
  state.exportContext = nullptr;
}

}  // namespace converter
