#include "converter/export/ExportProgress.h"

#include <algorithm>

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

}  // namespace converter
