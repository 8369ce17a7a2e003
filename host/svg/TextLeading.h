#pragma once
// The baseline-to-baseline distance of a paragraph as the SVG reader and writer both count it, so that a
// leading read from line positions and written back as line positions stays the same.

#include "host/document/TextFrameData.h"

namespace host::svg {

/// The paragraph's leading, or auto leading (kAutoLeadingFactor times its runs' largest size; for a paragraph
/// without runs, times kDefaultFontSize).
[[nodiscard]] double paragraphLeading(const Paragraph& paragraph);

}  // namespace host::svg
