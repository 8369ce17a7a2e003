#include "converter/export/ExportProgress.h"

#include <algorithm>

#include "platform/KeyState.h"

namespace converter {

void advanceProgress(ExportContext& context, ExportPasses& passes) {
  ++context.blocksDone;
  if (context.blockCount <= 0) return;  // no table, no fraction
  int32_t percent = static_cast<int32_t>(context.blocksDone) * 100 / context.blockCount;
  auto bounded = static_cast<int16_t>(std::clamp(percent, 0, 100));
  if (bounded == context.progressPercent) return;
  context.progressPercent = bounded;
  passes.redrawProgress(bounded);
}

bool cancelRequested() {
  return platform::isKeyDown(platform::KEY_ESCAPE) ||
         (platform::isKeyDown(platform::KEY_CONTROL) && platform::isKeyDown(platform::KEY_DECIMAL));
}

}  // namespace converter
