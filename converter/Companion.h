#pragma once

#include "host/sdk/HostTypes.h"

namespace converter {

/// Whether the companion product's monitor program ("Pelmorix.exe") is running.
[[nodiscard]] bool companionRunning();
/// The companion's "DXF_CNV_OUTL" value: whether text is turned into outlines for it (missing: yes).
[[nodiscard]] bool companionWantsOutlines();

/// Prepares the document for the companion: every filled path gets its fill as a thin stroke (when it has no
/// stroke) and loses the fill. It changes the document itself.
void strokeFills();
/// Turns every text frame into outlines and removes the frame. Stops at the first host error.
void outlineText();

}  // namespace converter
