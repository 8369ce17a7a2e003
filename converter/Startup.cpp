// Start-up of the converter: defaults, the file format and the page-setup timer.

#include <cstdio>

#include "converter/ConverterPlugin.h"
#include "converter/FileFormatHandlers.h"
#include "converter/PageSetupSnapshot.h"
#include "converter/PluginGlobals.h"
#include "host/sdk/ErrorCodes.h"

namespace converter {

HostResult onStartup(PluginMessage* message) {
  PluginGlobals& state = globals();
  state.options = plugin::defaultConverterOptions();
  state.language = plugin::LanguageId::JAPANESE;
  state.arcSegmentDetection = 1;
  state.useOwnReader = 0;
  state.snapshotValid = 0;
  state.operationBusy = 0;
  state.exportContext = nullptr;
  std::snprintf(state.productName, sizeof state.productName, "%s", "KELMO-Pro");
  // FIXME: the settings file (which may set the TIIP variant, and so the format's title) and the About menu
  // arrive with the settings and common dialogs.
  if (HostResult error = registerFileFormat(message)) return error;
  return registerSnapshotTimer(message);
}

}  // namespace converter
