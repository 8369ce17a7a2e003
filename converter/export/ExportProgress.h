#pragma once
// Progress and cancel of an export, for the passes over the art.

#include "converter/export/ExportContext.h"
#include "converter/export/ExportPasses.h"
#include "host/sdk/HostTypes.h"
#include "plugin-common/CancelKeys.h"

namespace converter {

/// The result of an export the user cancelled.
inline constexpr HostResult kExportCancelled = -1;

/// Counts one more group-table entry written (blocks and entities passes): progressPercent becomes
/// blocksDone × 100 / blockCount, and the bar is redrawn when the percentage changed.
void advanceProgress(ExportContext& context, ExportPasses& passes);

/// True while the user asks to stop: Esc, or Ctrl together with the numeric keypad's decimal point.
using plugin::cancelRequested;

}  // namespace converter
