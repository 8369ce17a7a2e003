#include "converter/PageSetupSnapshot.h"

#include "converter/PluginGlobals.h"
#include "host/sdk/DocumentSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/PluginFrame.h"

namespace converter {

HostResult registerSnapshotTimer(PluginMessage* message) {
  constexpr int32_t kSnapshotPeriod = 10;
  return plugin::pluginFrame().suites().get<TimerSuite>()->addTimer(message->self, "KELMO-Pro_timer", kSnapshotPeriod,
                                                                    &globals().timerHandle);
}

HostResult onTimer(TimerMessage* message) {
  PluginGlobals& state = globals();
  // A snapshot never runs inside a file operation: the host may fire timers while its progress dialog shows.
  if (state.operationBusy == 1 || message->timer != state.timerHandle) return HOST_NO_ERROR;
  state.operationBusy = 1;
  const DocumentSuite* documents = plugin::pluginFrame().suites().get<DocumentSuite>();
  HostPageSetup pageSetup{};
  pageSetup.recordVersion = PAGE_SETUP_RECORD_VERSION;
  pageSetup.recordSize = PAGE_SETUP_RECORD_SIZE;
  HostRealPoint origin{};
  if (documents->getDocumentPageSetup(&pageSetup) == HOST_NO_ERROR && documents->getDocumentPageOrigin(&origin) == HOST_NO_ERROR) {
    state.snapshotPageOrigin = origin;
    state.snapshotPageSetup = pageSetup;
    state.snapshotValid = 1;
  }
  state.operationBusy = 0;
  return HOST_NO_ERROR;
}

}  // namespace converter
