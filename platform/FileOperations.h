#pragma once
// The Windows file services the installer calls, with their Windows rules on Linux: a read-only file (see
// FileAttributes.h) is neither overwritten nor deleted, a move never replaces an existing entry, and a copy never
// leaves a half-written file behind.
//
// Errors carry the Windows error codes of the original calls: 2 (not found), 5 (access denied: read-only, or a
// directory where a file is expected), 80 (the destination of a move exists), 145 (the directory is not empty),
// 29 (the data could not be written: disk full, input error).

#include <cstdint>
#include <filesystem>

#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// What a copy's attributes are.
enum class CopiedAttributes {
  /// The source's attributes and permission bits.
  SOURCE,
  /// No attributes (ATTRIBUTE_NORMAL): the source's permission bits, made writable.
  NORMAL,
};

/// Copies a file's bytes, its modification time, its permission bits and (by default) its attributes over
/// destination (a file, or nothing yet). A read-only destination is not touched. Should the copy fail part-way,
/// an existing destination keeps its old content and a new one is removed.
[[nodiscard]] PLATFORM_API Result<void> copyFile(const std::filesystem::path& source,
                                                 const std::filesystem::path& destination,
                                                 CopiedAttributes attributes = CopiedAttributes::SOURCE);

/// Appends a file's bytes to destination, creating it when it is missing; a read-only destination is not
/// touched. Should the append fail part-way, destination is cut back to its old length.
[[nodiscard]] PLATFORM_API Result<void> appendFile(const std::filesystem::path& source,
                                                   const std::filesystem::path& destination);

/// Deletes a file (not a directory); a read-only file stays.
[[nodiscard]] PLATFORM_API Result<void> deleteFile(const std::filesystem::path& path);

/// Moves a file or directory to destination, which must not exist; keeps its modification time. Across file
/// systems a file is copied and then deleted; a directory cannot move there.
[[nodiscard]] PLATFORM_API Result<void> moveFile(const std::filesystem::path& source,
                                                 const std::filesystem::path& destination);

/// Removes an empty directory.
[[nodiscard]] PLATFORM_API Result<void> removeDirectory(const std::filesystem::path& path);

/// Gives a file or directory a modification time.
[[nodiscard]] PLATFORM_API Result<void> setModificationTime(const std::filesystem::path& path,
                                                            std::filesystem::file_time_type time);

}  // namespace platform
