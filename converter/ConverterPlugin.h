#pragma once

#include "host/sdk/PluginMessages.h"

namespace converter {

/// Start-up: defaults, the file format, the timer.
HostResult onStartup(PluginMessage* message);
/// The About box, for the host's About command and the plug-in's own About item.
void showAboutBox(PluginRef plugin);
/// Every call whose caller is neither "SP Access" nor "SP Interface", routed by caller and selector.
HostResult onMessage(const char* caller, const char* selector, void* message);

}  // namespace converter
