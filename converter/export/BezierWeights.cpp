#include "converter/export/BezierWeights.h"

#include <algorithm>

namespace converter {

void fillBezierWeights(ExportContext& context) {
  // The tables hold at most 128 steps; a context without steps yet gets one.
  auto steps = static_cast<size_t>(std::clamp<int>(context.bezierSteps, 1, static_cast<int>(kBezierTableSize) - 1));
  for (size_t step = 1; step < steps; ++step) {
    double t = static_cast<double>(step) / static_cast<double>(steps);
    double u = 1 - t;
    context.bernsteinA[step] = u * u * u;
    context.bernsteinB[step] = 3 * t * u * u;
  }
  context.bernsteinA[0] = 1;
  context.bernsteinB[0] = 0;
  context.bernsteinA[steps] = 0;
  context.bernsteinB[steps] = 0;
}

}  // namespace converter
