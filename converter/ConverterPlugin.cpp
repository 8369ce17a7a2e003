// The converter module's entry: the shared entry frame with the converter's suite table, global record and
// handlers.

#include "converter/ConverterPlugin.h"

#include "converter/PluginGlobals.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/PluginFrame.h"

namespace converter {
namespace {

void onShutdown(PluginMessage*) {}
HostResult onReload(PluginMessage*) { return HOST_NO_ERROR; }
void onUnload(PluginMessage*) {}
// FIXME: the About box arrives with the common dialogs.
void onAbout(PluginMessage*) {}

}  // namespace

PluginGlobals& globals() { return *static_cast<PluginGlobals*>(plugin::pluginFrame().globals()); }

}  // namespace converter

plugin::PluginFrame& plugin::pluginFrame() {
  static PluginFrame frame{FrameConfig{
      converterSuiteTable(), sizeof(converter::PluginGlobals),
      PluginHandlers{converter::onStartup, converter::onShutdown, converter::onReload, converter::onUnload,
                     converter::onAbout, converter::onMessage}}};
  return frame;
}
