// A module without PluginMain: the loader must refuse it by name.

#include "host/sdk/HostTypes.h"

PLUGIN_EXPORT int NotThePluginEntry(void);
PLUGIN_EXPORT int NotThePluginEntry(void) { return 0; }
