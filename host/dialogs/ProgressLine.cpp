#include "host/dialogs/ProgressLine.h"

#include <algorithm>
#include <cstdio>

namespace host {

std::string progressLine(std::string_view title, int percent, int width) {
  percent = std::clamp(percent, 0, 100);
  width = std::max(width, 1);
  const int filled = width * percent / 100;
  std::string line(title);
  line += " [";
  line.append(static_cast<size_t>(filled), '#');
  line.append(static_cast<size_t>(width - filled), ' ');
  char figure[8];
  std::snprintf(figure, sizeof figure, "] %3d%%", percent);
  line += figure;
  return line;
}

}  // namespace host
