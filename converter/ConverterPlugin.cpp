// The converter module's entry: the shared entry frame with the converter's suite table, global record and
// handlers.

#include "converter/ConverterPlugin.h"

#include "converter/PluginGlobals.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/AboutBox.h"
#include "plugin-common/PluginFrame.h"

namespace converter {
namespace {

void onShutdown(PluginMessage*) {}
HostResult onReload(PluginMessage*) { return HOST_NO_ERROR; }
void onUnload(PluginMessage*) {}
void onAbout(PluginMessage* message) { showAboutBox(message->self); }

}  // namespace

PluginGlobals& globals() { return *static_cast<PluginGlobals*>(plugin::pluginFrame().globals()); }

void showAboutBox(PluginRef plugin) {
  const PluginGlobals& state = globals();
  plugin::showAbout(plugin, plugin::AboutIdentity{state.language, state.options.kelmot != 0});
}

}  // namespace converter

plugin::PluginFrame& plugin::pluginFrame() {
  static PluginFrame frame{FrameConfig{
      converterSuiteTable(), sizeof(converter::PluginGlobals),
      PluginHandlers{converter::onStartup, converter::onShutdown, converter::onReload, converter::onUnload,
                     converter::onAbout, converter::onMessage}}};
  return frame;
}
