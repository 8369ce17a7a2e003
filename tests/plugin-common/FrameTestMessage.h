#pragma once

#include <cstdint>

#include "host/sdk/PluginMessages.h"

/// The caller under which tests drive the frame test plug-in.
#define CALLER_FRAME_TEST "Frame Test"
/// Selectors: return `code`; acquire and release twice, nested; acquire once and leave it open; report.
#define SELECTOR_RETURN "Return"
#define SELECTOR_NESTED "Nested"
#define SELECTOR_HOLD "Hold"
#define SELECTOR_INSPECT "Inspect"

/// The message of CALLER_FRAME_TEST.
struct FrameTestMessage {
  PluginMessage d;
  /// What "Return" returns.
  int32_t code = 0;
  /// Set by the plug-in: how often its handler ran for this message, the suites it holds, the nesting count,
  /// and how often its timer has fired since start-up.
  int32_t handlerRuns = 0;
  int32_t heldSuites = 0;
  int32_t nestCount = 0;
  int32_t timerFirings = 0;
};
