#include "host/suites/RegistrationBindings.h"

#include "host/loader/PluginLoader.h"
#include "host/suites/HostServices.h"

namespace host {

PluginModule* moduleOf(PluginRef plugin) { return services().loader->fromRef(plugin); }

bool usableName(const char* name) { return name != nullptr && name[0] != '\0'; }

}  // namespace host
