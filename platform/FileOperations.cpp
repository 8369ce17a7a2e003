#include "platform/FileOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "platform/SystemErrors.h"
#include "platform/internal/TemporaryBeside.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAttributeName = "user.platform.attributes";
constexpr size_t kCopyChunk = size_t{1} << 30;
constexpr size_t kBufferSize = size_t{1} << 20;

int32_t windowsCode(int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
      return ERROR_FILE_NOT_FOUND;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
    case EIO:
    case EDQUOT:
      return ERROR_WRITE_FAULT;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

Error systemError(const fs::path& path, const std::string& what, int errorNumber) {
  return fail(what + ": " + std::strerror(errorNumber), path.string(), windowsCode(errorNumber));
}

// A descriptor that closes itself.
class Descriptor {
public:
  explicit Descriptor(int value) : value(value) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (value >= 0) close(value);
  }
  // close() reports late write errors (NFS, quota), so its result counts.
  [[nodiscard]] bool closeNow() {
    int result = close(value);
    value = -1;
    return result == 0;
  }
  int value;
};

bool readWriteCopy(int input, int output) {
  std::vector<char> buffer(kBufferSize);
  while (true) {
    ssize_t got = read(input, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    for (ssize_t done = 0; done < got;) {
      ssize_t written = write(output, buffer.data() + done, static_cast<size_t>(got - done));
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) return false;
      done += written;
    }
  }
}

// All bytes of input to output; errno tells why not. The kernel copies within one file system without
// passing the bytes through this process; other cases fall back to reads and writes.
bool copyBytes(int input, int output) {
  bool copiedAny = false;
  while (true) {
    ssize_t copied = copy_file_range(input, nullptr, output, nullptr, kCopyChunk, 0);
    if (copied > 0) {
      copiedAny = true;
      continue;
    }
    if (copied == 0) return true;
    if (errno == EINTR) continue;
    bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP;
    if (!unsupported || copiedAny) return false;
    return readWriteCopy(input, output);
  }
}

// The bytes, permission bits, times and (for SOURCE) stored attributes of input into output, which has none.
bool copyContent(int input, const struct stat& source, int output, CopiedAttributes attributes) {
  if (!copyBytes(input, output)) return false;
  mode_t mode = source.st_mode & 07777;
  if (attributes == CopiedAttributes::NORMAL) mode |= S_IWUSR;
  // A file created with the source's mode usually has it already (unless the creation mask took bits away);
  // changing an inode costs a journal entry, looking at it does not.
  struct stat created {};
  if ((fstat(output, &created) != 0 || (created.st_mode & 07777) != mode) && fchmod(output, mode) != 0) return false;
  if (attributes == CopiedAttributes::SOURCE) {
    char stored[16];
    ssize_t length = fgetxattr(input, kAttributeName, stored, sizeof stored);
    if (length > 0 && fsetxattr(output, kAttributeName, stored, static_cast<size_t>(length), 0) != 0) return false;
  }
  const struct timespec times[2] = {source.st_atim, source.st_mtim};
  return futimens(output, times) == 0;
}

// copyContent, then closing output; 0, or the errno of the first step that failed.
int copyAndClose(int input, const struct stat& source, Descriptor& output, CopiedAttributes attributes) {
  if (!copyContent(input, source, output.value, attributes)) {
    int copyError = errno;
    (void)output.closeNow();  // the copy is thrown away
    return copyError;
  }
  return output.closeNow() ? 0 : errno;
}

// The entry itself, never what a link at its name points to; false (errno set) when it is not there.
bool entryStatus(const ContainedPath& entry, struct stat& status) {
  return fstatat(entry.folder(), entry.name().c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

bool readOnly(const struct stat& status) {
  return !S_ISLNK(status.st_mode) && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// The open input's bytes and attributes into destination (see copyFile).
Result<void> copyOpenFile(int input, const struct stat& status, const std::string& sourceName,
                          const ContainedPath& destination, CopiedAttributes attributes) {
  const fs::path& target = destination.path();
  struct stat existing {};
  if (entryStatus(destination, existing)) {
    if (S_ISDIR(existing.st_mode)) return fail("a directory is in the way", target.string(), ERROR_ACCESS_DENIED);
    if (readOnly(existing)) return fail("the file is read-only", target.string(), ERROR_ACCESS_DENIED);
    if (existing.st_dev == status.st_dev && existing.st_ino == status.st_ino) return {};
    // The old file stays whole until the new one is complete: copy beside it, then rename over it.
    internal::TemporaryBeside temporary(destination, 0600);
    if (temporary.descriptor() < 0) return systemError(target, "cannot create a file beside", errno);
    Descriptor output(dup(temporary.descriptor()));
    int copyError = output.value < 0 ? errno : copyAndClose(input, status, output, attributes);
    if (copyError == 0 && temporary.replaceEntry()) return {};
    if (copyError == 0) copyError = errno;
    return systemError(target, "cannot copy " + sourceName, copyError);
  }

  mode_t creationMode = (status.st_mode & 0777) | (attributes == CopiedAttributes::NORMAL ? S_IWUSR : 0);
  Descriptor output(openat(destination.folder(), destination.name().c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, creationMode));
  if (output.value < 0) return systemError(target, "cannot create the copy", errno);
  int copyError = copyAndClose(input, status, output, attributes);
  if (copyError == 0) return {};
  unlinkat(destination.folder(), destination.name().c_str(), 0);
  return systemError(target, "cannot copy " + sourceName, copyError);
}

}  // namespace

Result<void> copyFile(const fs::path& source, const ContainedPath& destination, CopiedAttributes attributes) {
  Descriptor input(open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (input.value < 0) return systemError(source, "cannot open the file to copy", errno);
  struct stat status {};
  if (fstat(input.value, &status) != 0) return systemError(source, "cannot read the file to copy", errno);
  if (!S_ISREG(status.st_mode)) return fail("not a file", source.string(), ERROR_ACCESS_DENIED);
  (void)posix_fadvise(input.value, 0, 0, POSIX_FADV_SEQUENTIAL);  // a hint only: reading ahead further
  return copyOpenFile(input.value, status, source.string(), destination, attributes);
}

Result<void> appendFile(const fs::path& source, const ContainedPath& destination) {
  Descriptor input(open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (input.value < 0) return systemError(source, "cannot open the file to append", errno);
  struct stat status {};
  if (fstat(input.value, &status) != 0) return systemError(source, "cannot read the file to append", errno);
  if (!S_ISREG(status.st_mode)) return fail("not a file", source.string(), ERROR_ACCESS_DENIED);
  const fs::path& target = destination.path();
  struct stat existing {};
  if (entryStatus(destination, existing) && readOnly(existing)) {
    return fail("the file is read-only", target.string(), ERROR_ACCESS_DENIED);
  }
  // O_NOFOLLOW: a link at the name is not appended to (ELOOP, access denied).
  Descriptor output(
      openat(destination.folder(), destination.name().c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
  if (output.value < 0) return systemError(target, "cannot open the file to append to", errno);
  off_t oldLength = lseek(output.value, 0, SEEK_END);
  if (oldLength < 0) return systemError(target, "cannot append to the file", errno);
  bool appended = copyBytes(input.value, output.value);
  int appendError = errno;
  if (!appended) {
    (void)!ftruncate(output.value, oldLength);  // best effort: the error below is what the caller hears
    return systemError(target, "cannot append " + source.string(), appendError);
  }
  if (!output.closeNow()) return systemError(target, "cannot append " + source.string(), errno);
  return {};
}

Result<void> deleteFile(const ContainedPath& path) {
  struct stat status {};
  if (!entryStatus(path, status)) return systemError(path.path(), "cannot delete the file", errno);
  if (S_ISDIR(status.st_mode)) return fail("a directory, not a file", path.path().string(), ERROR_ACCESS_DENIED);
  if (readOnly(status)) return fail("the file is read-only", path.path().string(), ERROR_ACCESS_DENIED);
  if (unlinkat(path.folder(), path.name().c_str(), 0) != 0) {
    return systemError(path.path(), "cannot delete the file", errno);
  }
  return {};
}

Result<void> moveFile(const ContainedPath& source, const ContainedPath& destination) {
  const char* from = source.name().c_str();
  const char* to = destination.name().c_str();
  if (renameat2(source.folder(), from, destination.folder(), to, RENAME_NOREPLACE) == 0) return {};
  int moveError = errno;
  if (moveError == EINVAL || moveError == ENOSYS) {
    // A file system without the no-replace flag: look first, then rename.
    struct stat existing {};
    if (entryStatus(destination, existing)) return systemError(destination.path(), "cannot move there", EEXIST);
    if (renameat(source.folder(), from, destination.folder(), to) == 0) return {};
    moveError = errno;
  }
  if (moveError != EXDEV) return systemError(destination.path(), "cannot move " + source.path().string(), moveError);

  struct stat status {};
  if (!entryStatus(source, status)) return systemError(source.path(), "cannot move the file", errno);
  if (!S_ISREG(status.st_mode)) {
    return fail("only a file can move to another drive", source.path().string(), ERROR_ACCESS_DENIED);
  }
  if (readOnly(status)) return fail("the file is read-only", source.path().string(), ERROR_ACCESS_DENIED);
  struct stat existing {};
  if (entryStatus(destination, existing)) return systemError(destination.path(), "cannot move there", EEXIST);
  Descriptor input(openat(source.folder(), from, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  if (input.value < 0) return systemError(source.path(), "cannot open the file to move", errno);
  if (Result<void> copied =
          copyOpenFile(input.value, status, source.path().string(), destination, CopiedAttributes::SOURCE);
      !copied) {
    return copied;
  }
  if (unlinkat(source.folder(), from, 0) != 0) {
    int deleteError = errno;
    unlinkat(destination.folder(), to, 0);
    return systemError(source.path(), "cannot remove the file after copying it", deleteError);
  }
  return {};
}

Result<void> makeDirectory(const ContainedPath& path) {
  if (mkdirat(path.folder(), path.name().c_str(), 0777) != 0) {
    return systemError(path.path(), "cannot create the directory", errno);
  }
  return {};
}

Result<void> removeDirectory(const ContainedPath& path) {
  if (unlinkat(path.folder(), path.name().c_str(), AT_REMOVEDIR) != 0) {
    return systemError(path.path(), "cannot remove the directory", errno);
  }
  return {};
}

Result<void> setModificationTime(const ContainedPath& path, fs::file_time_type time) {
  auto sinceEpoch = std::chrono::duration_cast<std::chrono::nanoseconds>(
      std::chrono::file_clock::to_sys(time).time_since_epoch());
  struct timespec times[2] = {};
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(sinceEpoch.count() / 1'000'000'000);
  times[1].tv_nsec = static_cast<long>(sinceEpoch.count() % 1'000'000'000);
  if (times[1].tv_nsec < 0) {
    times[1].tv_nsec += 1'000'000'000;
    times[1].tv_sec -= 1;
  }
  if (utimensat(path.folder(), path.name().c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
    return systemError(path.path(), "cannot set the modification time", errno);
  }
  return {};
}

}  // namespace platform
