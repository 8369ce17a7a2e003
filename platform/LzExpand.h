#pragma once
// The LZ expansion service: files compressed in the SZDD format (the "SZDD" signature, the expanded length and
// the last character of the expanded name in the header, then LZSS data) are expanded with libmspack; other
// files are copied as they are.
//
// Errors carry the LZ service's codes: -1 the source cannot be read, -2 the destination cannot be written
// (also a read-only one), -3 the compressed data is damaged or ends before the length the header records.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/ContainedPath.h"
#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// The error codes of the LZ service.
enum LzError : int32_t {
  /// The source cannot be opened or read.
  LZ_ERROR_BAD_INPUT = -1,
  /// The destination cannot be written.
  LZ_ERROR_BAD_OUTPUT = -2,
  /// The compressed data is damaged or shorter than its header says.
  LZ_ERROR_READ = -3,
};

/// What the header of a compressed file records.
struct CompressedFileHeader {
  /// The length of the expanded data in bytes.
  uint64_t expandedLength = 0;
  /// The last character of the expanded file's name, or '\0' when none is recorded.
  char lastCharacter = '\0';
};

/// The header of a compressed file; nothing for a file that is not compressed.
[[nodiscard]] PLATFORM_API Result<std::optional<CompressedFileHeader>> readCompressedHeader(
    const std::filesystem::path& path);

/// The name a file expands to: for a compressed file with a recorded character and a name ending in "_", the
/// name with that character in place of the "_" (in lower case when the name has lower-case letters and no
/// upper-case ones); otherwise the file's own name. A recorded character that cannot end a file name (a
/// separator, wildcard, dot, space, control or non-ASCII byte) is not used.
[[nodiscard]] PLATFORM_API Result<std::string> expandedName(const std::filesystem::path& path);

/// Expands source into destination (replacing a destination that is not read-only), or copies it when it is not
/// compressed. The expanded file appears only when all of it could be written and its length is the one the
/// header records; otherwise destination is left as it was.
[[nodiscard]] PLATFORM_API Result<void> expandFile(const std::filesystem::path& source,
                                                   const ContainedPath& destination);

}  // namespace platform
