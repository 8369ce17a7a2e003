#pragma once

#include "host/sdk/TimerSuite.h"
#include "host/sdk/PluginMessages.h"

namespace converter {

/// Registers the timer "KELMO-Pro_timer" (10 ticks) that keeps the page-setup snapshot.
HostResult registerSnapshotTimer(PluginMessage* message);
/// "AI Timer"/"AI Go": keeps a copy of the document's page setup and page origin for placing DXF files.
HostResult onTimer(TimerMessage* message);

}  // namespace converter
