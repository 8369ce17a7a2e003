#include "platform/FileAttributes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>

#include "platform/SystemErrors.h"

namespace platform {
namespace {

constexpr const char* kAttributeName = "user.platform.attributes";
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
// The attributes that live in the extended attribute.
constexpr uint32_t kStoredBits = ATTRIBUTE_HIDDEN | ATTRIBUTE_SYSTEM | ATTRIBUTE_ARCHIVE | ATTRIBUTE_TEMPORARY;

Error systemError(const std::filesystem::path& path, const std::string& what, int errorNumber) {
  return fail(what + ": " + std::strerror(errorNumber), path.string(),
              errorNumber == ENOENT || errorNumber == ENOTDIR ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED);
}

// The stored bits; 0 when the file has none or the file system keeps no extended attributes.
uint32_t storedBits(const std::filesystem::path& path) {
  char text[16] = {};
  ssize_t length = getxattr(path.c_str(), kAttributeName, text, sizeof text - 1);
  if (length <= 0) return 0;
  uint32_t bits = 0;
  std::from_chars(text, text + length, bits);
  return bits & kStoredBits;
}

}  // namespace

Result<uint32_t> fileAttributes(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return systemError(path, "cannot read the attributes", errno);
  uint32_t bits = storedBits(path);
  if ((status.st_mode & kWriteBits) == 0) bits |= ATTRIBUTE_READONLY;
  if (S_ISDIR(status.st_mode)) bits |= ATTRIBUTE_DIRECTORY;
  return bits == 0 ? static_cast<uint32_t>(ATTRIBUTE_NORMAL) : bits;
}

Result<void> setFileAttributes(const ContainedPath& file, uint32_t bits) {
  const std::filesystem::path& path = file.path();
  // The entry itself, opened without following a link at its name; the changes go through /proc to exactly
  // that inode (chmod and the xattr calls have no descriptor-relative forms that refuse links).
  int descriptor = openat(file.folder(), file.name().c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return systemError(path, "cannot set the attributes", errno);
  struct Closer {
    int descriptor;
    ~Closer() { close(descriptor); }
  } closer{descriptor};
  struct stat status {};
  if (fstat(descriptor, &status) != 0) return systemError(path, "cannot set the attributes", errno);
  if (S_ISLNK(status.st_mode)) {
    return fail("a link: its target's attributes are not changed", path.string(), ERROR_ACCESS_DENIED);
  }
  std::string inode = "/proc/self/fd/" + std::to_string(descriptor);

  mode_t mode = status.st_mode & 07777;
  mode_t wanted = (bits & ATTRIBUTE_READONLY) != 0 ? (mode & ~kWriteBits)
                                                   : ((mode & kWriteBits) == 0 ? (mode | S_IWUSR) : mode);
  auto changeMode = [&]() -> Result<void> {
    if (wanted != mode && chmod(inode.c_str(), wanted) != 0) {
      return systemError(path, "cannot change the write permission", errno);
    }
    return {};
  };
  // The extended attribute can only be written while the file is writable: a file that becomes writable gets
  // its write bit first, one that becomes read-only loses it last.
  bool becomesWritable = (mode & kWriteBits) == 0 && (wanted & kWriteBits) != 0;
  if (becomesWritable) {
    if (Result<void> changed = changeMode(); !changed) return changed;
  }
  uint32_t stored = bits & kStoredBits;
  if (stored != storedBits(inode)) {
    if (stored == 0) {
      if (removexattr(inode.c_str(), kAttributeName) != 0 && errno != ENODATA) {
        return systemError(path, "cannot clear the attributes", errno);
      }
    } else {
      std::string text = std::to_string(stored);
      if (setxattr(inode.c_str(), kAttributeName, text.data(), text.size(), 0) != 0) {
        return systemError(path, "cannot store the attributes (the file system keeps no extended attributes?)",
                           errno);
      }
    }
  }
  return becomesWritable ? Result<void>{} : changeMode();
}

bool isReadOnly(const std::filesystem::path& path) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && (status.st_mode & kWriteBits) == 0;
}

}  // namespace platform
