#include "plugin-common/BezierWeightTables.h"

#include <algorithm>

namespace plugin {
namespace {

template <int Steps>
void fillTable(BezierWeightTable<Steps>& table) {
  for (int step = 1; step < Steps; ++step) {
    double t = static_cast<double>(step) / Steps;
    table.a[step] = powSmall(1 - t, 3);
    table.b[step] = 3 * t * powSmall(1 - t, 2);
  }
  // The ends are exact, so that a flattened segment starts and ends on its anchors.
  table.a[0] = 1;
  table.b[0] = 0;
  table.a[Steps] = 0;
  table.b[Steps] = 0;
}

}  // namespace

void fillBezierWeights(BezierWeights& weights) {
  fillTable(weights.screen);
  fillTable(weights.measure);
}

WorkPoint bezierPointAt(std::span<const double> a, std::span<const double> b, int step, WorkPoint p0, WorkPoint p1,
                        WorkPoint p2, WorkPoint p3) {
  int steps = static_cast<int>(std::min(a.size(), b.size())) - 1;
  if (steps < 1) return p0;
  int i = std::clamp(step, 0, steps);
  auto weigh = [&](double v0, double v1, double v2, double v3) {
    return v0 * a[static_cast<size_t>(i)] + v1 * b[static_cast<size_t>(i)] + v2 * b[static_cast<size_t>(steps - i)] +
           v3 * a[static_cast<size_t>(steps - i)];
  };
  return {weigh(p0.x, p1.x, p2.x, p3.x), weigh(p0.y, p1.y, p2.y, p3.y)};
}

}  // namespace plugin
