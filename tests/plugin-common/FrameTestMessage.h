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
/// Writes two paragraphs of text through the text suites, reads the lines back into `report` and converts the
/// frame to outlines.
#define SELECTOR_TEXT "Text"

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
  /// What "Text" read back, one line per laid-out line and one for the outlines.
  char report[1024] = {};
};
