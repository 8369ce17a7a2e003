#pragma once
// Internal to the platform library: replacing a whole file so that readers see the old or the new content,
// never a part of either.

#include <filesystem>
#include <string_view>

#include "platform/Result.h"

namespace platform::internal {

/// Writes bytes to a temporary file beside path, flushes it to disk and renames it over path, creating the
/// folder first. A failure leaves path as it was and no temporary file behind; the error names the file and
/// carries ERROR_WRITE_FAULT.
[[nodiscard]] Result<void> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform::internal
