#pragma once
// Windows file attributes on Linux. READONLY is the write permission: a read-only file has no write bit; a
// writable one has at least the owner's. HIDDEN, SYSTEM, ARCHIVE and TEMPORARY have no Linux counterpart and
// live in the extended attribute "user.platform.attributes" (decimal text), so that every later reader of the
// file sees them. DIRECTORY comes from the file type.
//
// Errors carry the Windows error codes of the original calls: 2 (file not found), 5 (access denied: the file
// system keeps no extended attributes, or the change is not allowed).

#include <cstdint>
#include <filesystem>

#include "platform/ContainedPath.h"
#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// The Windows file attribute bits this layer keeps.
enum FileAttributeBits : uint32_t {
  /// The file may not be written or deleted.
  ATTRIBUTE_READONLY = 0x1,
  /// Left out of ordinary listings.
  ATTRIBUTE_HIDDEN = 0x2,
  /// Belongs to the operating system.
  ATTRIBUTE_SYSTEM = 0x4,
  /// A directory (read only; never set).
  ATTRIBUTE_DIRECTORY = 0x10,
  /// Changed since the last backup.
  ATTRIBUTE_ARCHIVE = 0x20,
  /// No other attribute: valid alone only.
  ATTRIBUTE_NORMAL = 0x80,
  /// Kept only for a while.
  ATTRIBUTE_TEMPORARY = 0x100,
};

/// The attributes of a file or directory: ATTRIBUTE_NORMAL alone for a file with none of the others.
[[nodiscard]] PLATFORM_API Result<uint32_t> fileAttributes(const std::filesystem::path& path);

/// Gives a file exactly the attributes in bits (0 or ATTRIBUTE_NORMAL clears them all; ATTRIBUTE_NORMAL is
/// ignored beside others, as is ATTRIBUTE_DIRECTORY). Clearing READONLY gives the owner the write bit back. A link
/// at the name is refused (5): the attributes of what it points to are not changed.
[[nodiscard]] PLATFORM_API Result<void> setFileAttributes(const ContainedPath& file, uint32_t bits);

/// True when the file exists and is read-only.
[[nodiscard]] PLATFORM_API bool isReadOnly(const std::filesystem::path& path);

}  // namespace platform
