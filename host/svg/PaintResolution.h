#pragma once
// Fill and stroke values reduced to the one colour (or nothing) a host path paints with. Gradients paint
// with the colour of their first stop (found through href chains; gray when there is none); patterns paint
// gray; a reference to nothing takes the fallback written after it, else paints nothing. Each such case is
// reported.

#include "host/svg/PathStyleMapping.h"
#include "host/svg/SvgDiagnostics.h"
#include "host/svg/SvgElementIndex.h"
#include "host/svg/SvgStyle.h"

namespace host::svg {

/// The gray that stands in for paints the host cannot hold (patterns, gradients without stops).
inline constexpr RgbColor kStandInGray{128, 128, 128};

/// What the paint paints for an element with this style (currentColor is style.color).
[[nodiscard]] ResolvedPaint resolvePaint(const Paint& paint, const SvgStyle& style, SvgElementIndex& elements,
                                         SvgDiagnosticList& diagnostics);

}  // namespace host::svg
