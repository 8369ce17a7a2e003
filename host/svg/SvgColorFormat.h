#pragma once
// Host colours as SVG writes them: "#rrggbb". Gray and three-colour values convert exactly; process
// colours, custom colours (their names are lost), gradients and patterns (painted mid gray) are
// approximations and reported once per kind.

#include <string>

#include "host/document/Color.h"
#include "host/svg/SvgDiagnostics.h"

namespace host::svg {

/// Formats colours, reporting approximations to a diagnostic list.
class SvgColorWriter {
public:
  /// A writer that reports to diagnostics, which must outlive it.
  explicit SvgColorWriter(SvgDiagnosticList& diagnostics) : diagnostics(diagnostics) {}
  /// "#rrggbb" of a colour.
  [[nodiscard]] std::string colorText(const Color& color);

private:
  SvgDiagnosticList& diagnostics;
};

}  // namespace host::svg
