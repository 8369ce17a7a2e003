#pragma once
// Replacing a whole file so that readers see the old or the new content, never a part of either.

#include <filesystem>
#include <string_view>

#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// Writes bytes to a temporary file beside path, flushes it to disk and renames it over path, creating the
/// folder first. A failure leaves path as it was and no temporary file behind; the error names the file and
/// carries ERROR_WRITE_FAULT.
[[nodiscard]] PLATFORM_API Result<void> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform
