#pragma once
// Metrics of a face at unit size: every length is a fraction of the em (font units / units per em), so a
// length in points is the value times the character size.

namespace host {

/// The vertical metrics of a face's horizontal header, in ems.
struct VerticalMetrics {
  /// Height of the ascender above the baseline, 0 or more.
  double ascender = 0;
  /// Depth of the descender below the baseline as a positive value.
  double descender = 0;
  /// Extra space the font asks for between lines, 0 or more.
  double lineGap = 0;
};

}  // namespace host
