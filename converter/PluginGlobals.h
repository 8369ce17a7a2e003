#pragma once

#include <cstdint>

#include "host/sdk/DocumentSuite.h"
#include "host/sdk/HostTypes.h"
#include "plugin-common/ConverterOptions.h"
#include "plugin-common/LanguageId.h"

namespace converter {

struct ExportContext;

/// The converter's one global record, in host memory from start-up to shutdown (the entry frame allocates it
/// zero-filled and keeps it across unload and reload).
struct PluginGlobals {
  /// The option set, from the defaults and the settings file.
  plugin::ConverterOptions options;
  /// 1 while an "AI Go" file-format operation or a timer snapshot runs.
  int16_t operationBusy;
  /// The timer "KELMO-Pro_timer".
  TimerHandle timerHandle;
  /// 1 once the timer has stored a page-setup snapshot.
  int16_t snapshotValid;
  /// The document's page origin and page setup at the last snapshot.
  HostRealPoint snapshotPageOrigin;
  HostPageSetup snapshotPageSetup;
  /// The "Select Filter" answer: 1 reads the file with this plug-in.
  int16_t useOwnReader;
  /// The running export's work area, or null.
  ExportContext* exportContext;
  /// 1: Bezier segments that form circular arcs are written as arcs.
  int16_t arcSegmentDetection;
  /// The product name shown in dialogs.
  char productName[64];
  /// The language of dialogs and strings.
  plugin::LanguageId language;
  /// This plug-in's item in the shared About group.
  MenuItemHandle aboutMenuItem;
};

/// The record of this module's frame.
[[nodiscard]] PluginGlobals& globals();

}  // namespace converter
