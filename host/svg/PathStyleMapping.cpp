#include "host/svg/PathStyleMapping.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace host::svg {

ThreeColor toThreeColor(RgbColor color) {
  return {static_cast<HostReal>(color.red / 255.0), static_cast<HostReal>(color.green / 255.0),
          static_cast<HostReal>(color.blue / 255.0)};
}

PathStyle toPathStyle(const SvgStyle& style, const ResolvedPaint& fill, const ResolvedPaint& stroke, double scale,
                      SvgDiagnosticList& diagnostics) {
  PathStyle result;
  result.fill.paint = fill.paint && style.fillOpacity > 0;
  result.fill.color = toThreeColor(fill.color);
  result.fill.evenOdd = style.fillEvenOdd;

  StrokeStyle& line = result.stroke;
  line.width = static_cast<HostReal>(style.strokeWidth * scale);
  if (!std::isfinite(line.width)) {
    // Beyond the host's range (a float): the path is kept, its stroke is not.
    diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, "stroke-width",
                       "a stroke width too large for the host; the path is drawn without its stroke");
    line.width = 0;
  }
  // A zero width draws no stroke in SVG.
  line.paint = stroke.paint && style.strokeOpacity > 0 && line.width > 0;
  line.color = toThreeColor(stroke.color);
  line.cap = style.lineCap;
  line.join = style.lineJoin;
  // A limit beyond the host's range is as good as the largest one it holds: every corner is mitred.
  line.miterLimit = static_cast<HostReal>(std::min(style.miterLimit, double{std::numeric_limits<HostReal>::max()}));

  if (!style.dashArray.empty()) {
    std::vector<double> lengths = style.dashArray;
    if (lengths.size() % 2 == 1) lengths.insert(lengths.end(), style.dashArray.begin(), style.dashArray.end());
    if (lengths.size() > kMaxDashLengths) {
      lengths.resize(kMaxDashLengths);
      diagnostics.report(SvgDiagnosticCode::DASHES_REDUCED, "stroke-dasharray",
                         "a dash pattern has more than six lengths; the first six are kept");
    }
    std::vector<HostReal> scaled;
    scaled.reserve(lengths.size());
    for (double length : lengths) scaled.push_back(static_cast<HostReal>(length * scale));
    platform::Result<DashPattern> pattern = DashPattern::make(static_cast<HostReal>(style.dashOffset * scale), scaled);
    if (pattern) {
      line.dash = *pattern;
    } else {
      diagnostics.report(SvgDiagnosticCode::INVALID_VALUE, "stroke-dasharray",
                         "a dash pattern the host cannot hold; the stroke is drawn solid");
    }
  }
  return result;
}

double pathOpacity(const SvgStyle& style, const PathStyle& pathStyle) {
  double opacity = style.opacity;
  if (pathStyle.fill.paint) {
    opacity *= style.fillOpacity;
  } else if (pathStyle.stroke.paint) {
    opacity *= style.strokeOpacity;
  }
  return std::clamp(opacity, 0.0, 1.0);
}

}  // namespace host::svg
