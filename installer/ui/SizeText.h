#pragma once
// Sizes as the pages and the questions show them, from KB.

#include <cstdint>
#include <string>

namespace installer {

/// A size as shown after a label: "\t%5d KB" up to 1024 KB, else "\t%5.1f MB".
[[nodiscard]] std::string sizeColumn(uint32_t sizeKb);

/// A size in a disk-space question: "%ldK" up to 1024 KB, "%.1fM" (KB / 1024) above.
[[nodiscard]] std::string spaceText(uint64_t sizeKb);

/// A size in MB as the pages show it ("%7.1f").
[[nodiscard]] std::string megabytesText(uint64_t sizeKb);

}  // namespace installer
