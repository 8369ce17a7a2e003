#pragma once

#include "converter/export/ExportContext.h"

namespace converter {

/// Fills the context's Bezier weight tables for its bezierSteps N (1 to 128): for t = i / N,
/// bernsteinA[i] = (1 - t)^3 and bernsteinB[i] = 3t(1 - t)^2, with the end entries set exactly (A[0] = 1,
/// B[0] = A[N] = B[N] = 0). A flattened segment's point i is A[i]·P0 + B[i]·P1 + B[N-i]·P2 + A[N-i]·P3.
void fillBezierWeights(ExportContext& context);

}  // namespace converter
