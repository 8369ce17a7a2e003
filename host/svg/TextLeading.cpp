#include "host/svg/TextLeading.h"

#include <algorithm>

namespace host::svg {

double paragraphLeading(const Paragraph& paragraph) {
  if (paragraph.leading) return *paragraph.leading;
  double largest = paragraph.runs.empty() ? kDefaultFontSize : 0.0;
  for (const TextRun& run : paragraph.runs) largest = std::max(largest, static_cast<double>(run.features.size));
  return kAutoLeadingFactor * largest;
}

}  // namespace host::svg
