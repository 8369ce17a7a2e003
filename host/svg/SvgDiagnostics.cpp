#include "host/svg/SvgDiagnostics.h"

#include <algorithm>
#include <utility>

namespace host::svg {

std::string_view diagnosticCodeName(SvgDiagnosticCode code) {
  switch (code) {
    case SvgDiagnosticCode::UNSUPPORTED_ELEMENT: return "UNSUPPORTED_ELEMENT";
    case SvgDiagnosticCode::UNSUPPORTED_EFFECT: return "UNSUPPORTED_EFFECT";
    case SvgDiagnosticCode::GRADIENT_PAINT: return "GRADIENT_PAINT";
    case SvgDiagnosticCode::PATTERN_PAINT: return "PATTERN_PAINT";
    case SvgDiagnosticCode::MISSING_REFERENCE: return "MISSING_REFERENCE";
    case SvgDiagnosticCode::DASHES_REDUCED: return "DASHES_REDUCED";
    case SvgDiagnosticCode::INVALID_VALUE: return "INVALID_VALUE";
    case SvgDiagnosticCode::UNSUPPORTED_CLIP: return "UNSUPPORTED_CLIP";
    case SvgDiagnosticCode::USE_SKIPPED: return "USE_SKIPPED";
    case SvgDiagnosticCode::NESTING_TOO_DEEP: return "NESTING_TOO_DEEP";
    case SvgDiagnosticCode::PATH_TOO_LONG: return "PATH_TOO_LONG";
    case SvgDiagnosticCode::LAYER_TITLE_REPLACED: return "LAYER_TITLE_REPLACED";
    case SvgDiagnosticCode::COLOR_APPROXIMATED: return "COLOR_APPROXIMATED";
    case SvgDiagnosticCode::GUIDE_SKIPPED: return "GUIDE_SKIPPED";
    case SvgDiagnosticCode::EMPTY_PATH: return "EMPTY_PATH";
    case SvgDiagnosticCode::PLUGIN_ART_EXPANDED: return "PLUGIN_ART_EXPANDED";
    case SvgDiagnosticCode::CLIP_GROUP_WITHOUT_PATH: return "CLIP_GROUP_WITHOUT_PATH";
    case SvgDiagnosticCode::TEXT_APPROXIMATED: return "TEXT_APPROXIMATED";
  }
  return "UNKNOWN";
}

std::string describeDiagnostic(const SvgDiagnostic& diagnostic) {
  std::string text(diagnosticCodeName(diagnostic.code));
  if (!diagnostic.subject.empty()) text += " (" + diagnostic.subject + ")";
  if (diagnostic.count > 1) text += " x" + std::to_string(diagnostic.count);
  return text + ": " + diagnostic.message;
}

void SvgDiagnosticList::report(SvgDiagnosticCode code, std::string_view subject, std::string_view message) {
  auto found = std::find_if(list.begin(), list.end(),
                            [&](const SvgDiagnostic& entry) { return entry.code == code && entry.subject == subject; });
  if (found != list.end()) {
    ++found->count;
    return;
  }
  list.push_back(SvgDiagnostic{code, std::string(subject), std::string(message), 1});
}

std::vector<SvgDiagnostic> SvgDiagnosticList::take() { return std::exchange(list, {}); }

}  // namespace host::svg
