#pragma once
// Bezier weight tables: a cubic Bezier segment evaluated at N + 1 evenly spaced parameters without computing
// powers each time. The converter flattens curves with one table of 64 or 128 steps; the drafting plug-in
// draws curves on screen with 32 steps and measures and snaps with 64.

#include <algorithm>
#include <array>
#include <cstddef>

#include "plugin-common/PlaneGeometry.h"

namespace plugin {

/// The most steps a table holds.
inline constexpr int kMostBezierSteps = 128;
/// Steps of the table that draws curves on screen.
inline constexpr int kScreenBezierSteps = 32;
/// Steps of the table that measures and snaps.
inline constexpr int kMeasureBezierSteps = 64;

/// The weights of N steps: for t = i / N, bernsteinA[i] = (1 - t)³ and bernsteinB[i] = 3t(1 - t)², with
/// A[0] = 1, B[0] = A[N] = B[N] = 0 exactly; entries beyond N are unused.
struct BezierWeightTable {
  /// N, 1 to kMostBezierSteps once filled (0 before).
  int steps = 0;
  /// Weights of the segment's first anchor (and, read backwards, of its last).
  std::array<double, kMostBezierSteps + 1> bernsteinA{};
  /// Weights of the first handle (and, read backwards, of the second).
  std::array<double, kMostBezierSteps + 1> bernsteinB{};

  /// The point at step (0 to N) of the Bezier p0, p1, p2, p3:
  /// p0·A[i] + p1·B[i] + p2·B[N - i] + p3·A[N - i]. A step outside 0 to N is taken as the nearer end; an
  /// unfilled table gives p0. Inline: path conversion evaluates every flattened point with it.
  [[nodiscard]] WorkPoint pointAt(int step, WorkPoint p0, WorkPoint p1, WorkPoint p2, WorkPoint p3) const {
    if (steps < 1) return p0;
    auto i = static_cast<size_t>(std::clamp(step, 0, steps));
    auto j = static_cast<size_t>(steps) - i;
    return {p0.x * bernsteinA[i] + p1.x * bernsteinB[i] + p2.x * bernsteinB[j] + p3.x * bernsteinA[j],
            p0.y * bernsteinA[i] + p1.y * bernsteinB[i] + p2.y * bernsteinB[j] + p3.y * bernsteinA[j]};
  }
};

/// Fills table for steps N, taken within 1 to kMostBezierSteps.
void fillBezierWeights(BezierWeightTable& table, int steps);

/// Both tables of the drafting plug-in, filled once at start-up by fillBezierWeights.
struct BezierWeights {
  /// For drawing curves on screen (kScreenBezierSteps).
  BezierWeightTable screen;
  /// For measuring and snapping (kMeasureBezierSteps).
  BezierWeightTable measure;
};

/// Fills both tables of the drafting plug-in.
void fillBezierWeights(BezierWeights& weights);

}  // namespace plugin
