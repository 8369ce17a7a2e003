#include "installer/ui/SizeText.h"

#include <cstdio>

namespace installer {
namespace {

constexpr uint32_t kKbPerMb = 1024;

double megabytes(uint64_t sizeKb) { return static_cast<double>(sizeKb) / kKbPerMb; }

}  // namespace

std::string sizeColumn(uint32_t sizeKb) {
  char text[32];
  if (sizeKb <= kKbPerMb) {
    std::snprintf(text, sizeof text, "\t%5d KB", static_cast<int>(sizeKb));
  } else {
    std::snprintf(text, sizeof text, "\t%5.1f MB", megabytes(sizeKb));
  }
  return text;
}

std::string spaceText(uint64_t sizeKb) {
  char text[48];
  if (sizeKb <= kKbPerMb) {
    std::snprintf(text, sizeof text, "%ldK", static_cast<long>(sizeKb));
  } else {
    std::snprintf(text, sizeof text, "%.1fM", megabytes(sizeKb));
  }
  return text;
}

std::string megabytesText(uint64_t sizeKb) {
  char text[48];
  std::snprintf(text, sizeof text, "%7.1f", megabytes(sizeKb));
  return text;
}

}  // namespace installer
