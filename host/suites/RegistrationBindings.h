#pragma once

#include <string>

#include "host/sdk/HostTypes.h"

namespace host {

class PluginModule;

/// The loaded module behind a plug-in reference, or null.
[[nodiscard]] PluginModule* moduleOf(PluginRef plugin);
/// Whether name can name a registration (not null, not empty).
[[nodiscard]] bool usableName(const char* name);

}  // namespace host
