#pragma once
// The drafting plug-in's Bezier weight tables: a Bezier segment evaluated at N + 1 evenly spaced parameters
// without computing powers each time. 32 steps draw curves on screen; 64 steps serve measuring and snapping.

#include <array>
#include <span>

#include "plugin-common/PlaneGeometry.h"

namespace plugin {

/// Steps of the table that draws curves on screen.
inline constexpr int kScreenBezierSteps = 32;
/// Steps of the table that measures and snaps.
inline constexpr int kMeasureBezierSteps = 64;

/// For t = i / N: a[i] = (1 - t)³ and b[i] = 3t(1 - t)², with a[0] = 1, b[0] = a[N] = b[N] = 0 exactly.
template <int Steps>
struct BezierWeightTable {
  /// Weights of the segment's first anchor (and, read backwards, of its last).
  std::array<double, Steps + 1> a{};
  /// Weights of the first handle (and, read backwards, of the second).
  std::array<double, Steps + 1> b{};
};

/// Both tables of the drafting plug-in, filled once at start-up by fillBezierWeights.
struct BezierWeights {
  /// For drawing curves on screen.
  BezierWeightTable<kScreenBezierSteps> screen;
  /// For measuring and snapping.
  BezierWeightTable<kMeasureBezierSteps> measure;
};

/// Fills both tables.
void fillBezierWeights(BezierWeights& weights);

/// The point at step (0 to N) of the Bezier p0, p1, p2, p3 from a table of N steps:
/// p0·a[i] + p1·b[i] + p2·b[N - i] + p3·a[N - i]. A step outside 0 to N is taken as the nearer end.
[[nodiscard]] WorkPoint bezierPointAt(std::span<const double> a, std::span<const double> b, int step, WorkPoint p0,
                                      WorkPoint p1, WorkPoint p2, WorkPoint p3);

}  // namespace plugin
