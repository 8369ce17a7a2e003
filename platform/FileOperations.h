#pragma once
// The Windows file services the installer calls, with their Windows rules on Linux: a read-only file (see
// FileAttributes.h) is neither overwritten nor deleted, a move never replaces an existing entry, and a copy never
// leaves a half-written file behind.
//
// Every entry they create, change or delete is a ContainedPath: it is reached through its open folder and never
// through a link, neither on the way nor at its name (a link there is replaced, moved or deleted itself). Files
// that are only read are named by path and may be links.
//
// Errors carry the Windows error codes of the original calls: 2 (not found), 5 (access denied: read-only, or a
// directory where a file is expected), 80 (the destination of a move exists), 145 (the directory is not empty),
// 29 (the data could not be written: disk full, input error).

#include <cstdint>
#include <filesystem>

#include "platform/ContainedPath.h"
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
/// destination (a file, a link, or nothing yet). A read-only destination is not touched. Should the copy fail
/// part-way, an existing destination keeps its old content and a new one is removed.
[[nodiscard]] PLATFORM_API Result<void> copyFile(const std::filesystem::path& source,
                                                 const ContainedPath& destination,
                                                 CopiedAttributes attributes = CopiedAttributes::SOURCE);

/// Appends a file's bytes to destination, creating it when it is missing; a read-only destination is not
/// touched. Should the append fail part-way, destination is cut back to its old length.
[[nodiscard]] PLATFORM_API Result<void> appendFile(const std::filesystem::path& source,
                                                   const ContainedPath& destination);

/// Deletes a file or a link (not a directory); a read-only file stays.
[[nodiscard]] PLATFORM_API Result<void> deleteFile(const ContainedPath& path);

/// Moves a file or directory to destination, which must not exist; keeps its modification time. Across file
/// systems a file is copied and then deleted; a directory cannot move there.
[[nodiscard]] PLATFORM_API Result<void> moveFile(const ContainedPath& source, const ContainedPath& destination);

/// Creates a directory (one level); 80 when something of that name is there.
[[nodiscard]] PLATFORM_API Result<void> makeDirectory(const ContainedPath& path);

/// Removes an empty directory.
[[nodiscard]] PLATFORM_API Result<void> removeDirectory(const ContainedPath& path);

/// Gives a file or directory a modification time (a link's own, should the entry be one).
[[nodiscard]] PLATFORM_API Result<void> setModificationTime(const ContainedPath& path,
                                                            std::filesystem::file_time_type time);

}  // namespace platform
