#pragma once
// The bytes of an SVG file: read whole, and inflated when they are gzip data (an .svgz file), which is
// recognised by its magic bytes, not by the file name.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Result.h"

namespace host::svg {

/// The most bytes an SVG document may hold, read as it is or inflated; more is refused as damaged or hostile,
/// before that much memory is taken. (The largest real drawings are tens of megabytes.)
inline constexpr std::size_t kMaxSvgBytes = std::size_t{512} << 20;

/// Whether bytes begin with the gzip magic number 1f 8b.
[[nodiscard]] bool isGzipData(std::string_view bytes);

/// The inflated content of gzip data (several members are joined), at most kMaxSvgBytes. Errors carry
/// kSvgReadFailed and name sourceName.
[[nodiscard]] platform::Result<std::string> inflateGzip(std::string_view compressed, std::string_view sourceName);

/// The file's content, inflated when it is gzip data. A missing file fails with kSvgFileNotFound, an
/// unreadable one or one larger than kMaxSvgBytes with kSvgReadFailed; both name the file.
[[nodiscard]] platform::Result<std::string> loadSvgSource(const std::filesystem::path& file);

}  // namespace host::svg
