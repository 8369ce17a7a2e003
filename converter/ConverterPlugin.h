#pragma once

#include "host/sdk/PluginMessages.h"

namespace converter {

/// Start-up: defaults, the file format, the timer.
HostResult onStartup(PluginMessage* message);
/// Every call whose caller is neither "SP Access" nor "SP Interface", routed by caller and selector.
HostResult onMessage(const char* caller, const char* selector, void* message);

}  // namespace converter
