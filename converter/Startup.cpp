// Start-up of the converter: defaults, the file format and the page-setup timer.

#include <cstdio>

#include "converter/ConverterPlugin.h"
#include "converter/FileFormatHandlers.h"
#include "converter/PageSetupSnapshot.h"
#include "converter/PluginGlobals.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/AboutBox.h"
#include "plugin-common/ConverterSettings.h"

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
  state.aboutMenuItem = nullptr;

  // The settings file may choose the TIIP variant, and with it the format's title, so it is read first.
  plugin::ConverterSettings settings{state.options, plugin::defaultConverterSettings().common};
  plugin::readConverterSettings(settings);
  state.options = settings.options;
  state.language = settings.common.language;
  std::snprintf(state.productName, sizeof state.productName, "%s", settings.common.product);

  if (HostResult error = registerFileFormat(message)) return error;
  if (HostResult error = registerSnapshotTimer(message)) return error;
  return plugin::addAboutMenu(message->self, state.language, state.productName, &state.aboutMenuItem);
}

}  // namespace converter
