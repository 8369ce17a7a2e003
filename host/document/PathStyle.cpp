#include "host/document/PathStyle.h"

#include <cmath>
#include <string>

#include "host/document/DocumentError.h"

namespace host {

platform::Result<DashPattern> DashPattern::make(HostReal offset, std::span<const HostReal> lengths) {
  if (lengths.size() > kMaxDashLengths) {
    return badParameter("a dash pattern holds at most " + std::to_string(kMaxDashLengths) + " lengths, not " +
                        std::to_string(lengths.size()));
  }
  if (!std::isfinite(offset)) return badParameter("the dash offset must be finite");
  DashPattern pattern;
  pattern.dashOffset = offset;
  for (HostReal length : lengths) {
    if (!std::isfinite(length) || length < 0) return badParameter("dash lengths must be finite and 0 or more");
    pattern.dashLengths[pattern.dashCount++] = length;
  }
  return pattern;
}

platform::Result<void> validatePathStyle(const PathStyle& style) {
  if (platform::Result<void> fillCheck = validateColor(style.fill.color); !fillCheck) return fillCheck;
  if (platform::Result<void> strokeCheck = validateColor(style.stroke.color); !strokeCheck) return strokeCheck;
  const StrokeStyle& stroke = style.stroke;
  if (!std::isfinite(stroke.width) || stroke.width < 0) return badParameter("the stroke width must be 0 or more");
  if (!std::isfinite(stroke.miterLimit) || stroke.miterLimit < 1) {
    return badParameter("the miter limit must be 1 or more");
  }
  // Cap and join may arrive cast from a plug-in's integer.
  switch (stroke.cap) {
    case LineCap::BUTT:
    case LineCap::ROUND:
    case LineCap::PROJECTING:
      break;
    default:
      return badParameter("unknown line cap");
  }
  switch (stroke.join) {
    case LineJoin::MITER:
    case LineJoin::ROUND:
    case LineJoin::BEVEL:
      break;
    default:
      return badParameter("unknown line join");
  }
  return {};
}

}  // namespace host
