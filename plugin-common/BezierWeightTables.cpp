#include "plugin-common/BezierWeightTables.h"

namespace plugin {

void fillBezierWeights(BezierWeightTable& table, int steps) {
  table.steps = std::clamp(steps, 1, kMostBezierSteps);
  for (int step = 1; step < table.steps; ++step) {
    double t = static_cast<double>(step) / table.steps;
    auto i = static_cast<size_t>(step);
    table.bernsteinA[i] = powSmall(1 - t, 3);
    table.bernsteinB[i] = 3 * t * powSmall(1 - t, 2);
  }
  // The ends are exact, so that a flattened segment starts and ends on its anchors.
  table.bernsteinA[0] = 1;
  table.bernsteinB[0] = 0;
  table.bernsteinA[static_cast<size_t>(table.steps)] = 0;
  table.bernsteinB[static_cast<size_t>(table.steps)] = 0;
}

void fillBezierWeights(BezierWeights& weights) {
  fillBezierWeights(weights.screen, kScreenBezierSteps);
  fillBezierWeights(weights.measure, kMeasureBezierSteps);
}

}  // namespace plugin
