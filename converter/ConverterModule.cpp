// KELMO-Pro.so exports this one function.

#include "host/sdk/PluginMessages.h"
#include "plugin-common/PluginFrame.h"

PLUGIN_EXPORT HostResult PluginMain(const char* caller, const char* selector, void* message) {
  return plugin::pluginFrame().main(caller, selector, message);
}
