#pragma once
// What reading or writing SVG did not carry over exactly: each kind of problem once, with a stable code, the
// thing it concerns (an element or property name) and how often it occurred.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

/// The kinds of problems reported while reading or writing SVG.
enum class SvgDiagnosticCode {
  /// An element this reader does not draw (image, foreignObject, nested svg, unknown elements...); skipped.
  UNSUPPORTED_ELEMENT,
  /// A filter, mask or marker on an element; the element is drawn without it.
  UNSUPPORTED_EFFECT,
  /// A gradient paint; painted with its first stop's colour (gray without stops).
  GRADIENT_PAINT,
  /// A pattern paint; painted gray.
  PATTERN_PAINT,
  /// A reference (url(#id), href) to an element that is missing or of the wrong kind; painted or drawn
  /// as if the reference were not there.
  MISSING_REFERENCE,
  /// A dash array of more than six lengths; only the first six are kept.
  DASHES_REDUCED,
  /// An attribute or property value that could not be understood; ignored.
  INVALID_VALUE,
  /// A clip path this reader cannot apply (objectBoundingBox units); the content is drawn unclipped.
  UNSUPPORTED_CLIP,
  /// A <use> that refers to itself or one of its ancestors, or expands beyond the limit; skipped.
  USE_SKIPPED,
  /// Elements nested more deeply than the reader follows; skipped.
  NESTING_TOO_DEEP,
  /// A subpath with more anchors than a host path holds; skipped.
  PATH_TOO_LONG,
  /// A layer title that the host cannot hold (too long, not UTF-8); replaced.
  LAYER_TITLE_REPLACED,
  /// A colour the SVG cannot hold as it is (custom, gradient or pattern paint); written as RGB or gray.
  COLOR_APPROXIMATED,
  /// Guide paths; not written.
  GUIDE_SKIPPED,
  /// Paths without anything to draw (no segments, or one open anchor); not written.
  EMPTY_PATH,
  /// Plug-in art; written as the art it draws as.
  PLUGIN_ART_EXPANDED,
  /// A clip group whose last child is not a path or compound path; written as an ordinary group.
  CLIP_GROUP_WITHOUT_PATH,
  /// Text that SVG 1.1 cannot hold as it is (area text, character scaling, per-glyph positions, text on a
  /// path, control characters); written or read in the nearest form.
  TEXT_APPROXIMATED,
};

/// One kind of problem and how often it occurred.
struct SvgDiagnostic {
  /// The kind.
  SvgDiagnosticCode code = SvgDiagnosticCode::UNSUPPORTED_ELEMENT;
  /// What it concerns: an element or property name, or empty.
  std::string subject;
  /// A sentence for a person, about one occurrence.
  std::string message;
  /// Number of occurrences, 1 or more.
  std::int32_t count = 0;
};

/// The stable name of a code, e.g. "UNSUPPORTED_ELEMENT".
[[nodiscard]] std::string_view diagnosticCodeName(SvgDiagnosticCode code);

/// "CODE (subject) x count: message", for logs and the command line.
[[nodiscard]] std::string describeDiagnostic(const SvgDiagnostic& diagnostic);

/// Collects diagnostics, one entry per code and subject, in the order first seen.
class SvgDiagnosticList {
public:
  /// Counts one occurrence; the first occurrence's message is kept.
  void report(SvgDiagnosticCode code, std::string_view subject, std::string_view message);
  /// The entries so far.
  [[nodiscard]] const std::vector<SvgDiagnostic>& entries() const { return list; }
  /// Hands the entries over, leaving the list empty.
  [[nodiscard]] std::vector<SvgDiagnostic> take();

private:
  std::vector<SvgDiagnostic> list;
};

}  // namespace host::svg
