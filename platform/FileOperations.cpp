#include "platform/FileOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "platform/FileAttributes.h"
#include "platform/SystemErrors.h"

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

}  // namespace

Result<void> copyFile(const fs::path& source, const fs::path& destination, CopiedAttributes attributes) {
  Descriptor input(open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (input.value < 0) return systemError(source, "cannot open the file to copy", errno);
  struct stat status {};
  if (fstat(input.value, &status) != 0) return systemError(source, "cannot read the file to copy", errno);
  if (!S_ISREG(status.st_mode)) return fail("not a file", source.string(), ERROR_ACCESS_DENIED);
  (void)posix_fadvise(input.value, 0, 0, POSIX_FADV_SEQUENTIAL);  // a hint only: reading ahead further

  struct stat existing {};
  if (stat(destination.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) return fail("a directory is in the way", destination.string(), ERROR_ACCESS_DENIED);
    if (isReadOnly(destination)) return fail("the file is read-only", destination.string(), ERROR_ACCESS_DENIED);
    if (existing.st_dev == status.st_dev && existing.st_ino == status.st_ino) return {};
    // The old file stays whole until the new one is complete: copy beside it, then rename over it.
    std::string temporary = destination.string() + ".tmp-XXXXXX";
    Descriptor output(mkostemp(temporary.data(), O_CLOEXEC));
    if (output.value < 0) return systemError(destination, "cannot create a file beside", errno);
    int copyError = copyAndClose(input.value, status, output, attributes);
    if (copyError == 0 && std::rename(temporary.c_str(), destination.c_str()) == 0) return {};
    if (copyError == 0) copyError = errno;
    unlink(temporary.c_str());
    return systemError(destination, "cannot copy " + source.string(), copyError);
  }

  mode_t creationMode = (status.st_mode & 0777) | (attributes == CopiedAttributes::NORMAL ? S_IWUSR : 0);
  Descriptor output(open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, creationMode));
  if (output.value < 0) return systemError(destination, "cannot create the copy", errno);
  int copyError = copyAndClose(input.value, status, output, attributes);
  if (copyError == 0) return {};
  unlink(destination.c_str());
  return systemError(destination, "cannot copy " + source.string(), copyError);
}

Result<void> appendFile(const fs::path& source, const fs::path& destination) {
  Descriptor input(open(source.c_str(), O_RDONLY | O_CLOEXEC));
  if (input.value < 0) return systemError(source, "cannot open the file to append", errno);
  struct stat status {};
  if (fstat(input.value, &status) != 0) return systemError(source, "cannot read the file to append", errno);
  if (!S_ISREG(status.st_mode)) return fail("not a file", source.string(), ERROR_ACCESS_DENIED);
  if (isReadOnly(destination)) return fail("the file is read-only", destination.string(), ERROR_ACCESS_DENIED);
  Descriptor output(open(destination.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
  if (output.value < 0) return systemError(destination, "cannot open the file to append to", errno);
  off_t oldLength = lseek(output.value, 0, SEEK_END);
  if (oldLength < 0) return systemError(destination, "cannot append to the file", errno);
  bool appended = copyBytes(input.value, output.value);
  int appendError = errno;
  if (!appended) {
    (void)!ftruncate(output.value, oldLength);  // best effort: the error below is what the caller hears
    return systemError(destination, "cannot append " + source.string(), appendError);
  }
  if (!output.closeNow()) return systemError(destination, "cannot append " + source.string(), errno);
  return {};
}

Result<void> deleteFile(const fs::path& path) {
  struct stat status {};
  if (lstat(path.c_str(), &status) != 0) return systemError(path, "cannot delete the file", errno);
  if (S_ISDIR(status.st_mode)) return fail("a directory, not a file", path.string(), ERROR_ACCESS_DENIED);
  if (!S_ISLNK(status.st_mode) && isReadOnly(path)) return fail("the file is read-only", path.string(), ERROR_ACCESS_DENIED);
  if (unlink(path.c_str()) != 0) return systemError(path, "cannot delete the file", errno);
  return {};
}

Result<void> moveFile(const fs::path& source, const fs::path& destination) {
  if (renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, destination.c_str(), RENAME_NOREPLACE) == 0) return {};
  int moveError = errno;
  if (moveError == EINVAL || moveError == ENOSYS) {
    // A file system without the no-replace flag: look first, then rename.
    struct stat existing {};
    if (lstat(destination.c_str(), &existing) == 0) return systemError(destination, "cannot move there", EEXIST);
    if (std::rename(source.c_str(), destination.c_str()) == 0) return {};
    moveError = errno;
  }
  if (moveError != EXDEV) return systemError(destination, "cannot move " + source.string(), moveError);

  struct stat status {};
  if (lstat(source.c_str(), &status) != 0) return systemError(source, "cannot move the file", errno);
  if (!S_ISREG(status.st_mode)) return fail("a directory cannot move to another drive", source.string(), ERROR_ACCESS_DENIED);
  if (isReadOnly(source)) return fail("the file is read-only", source.string(), ERROR_ACCESS_DENIED);
  if (lstat(destination.c_str(), &status) == 0) return systemError(destination, "cannot move there", EEXIST);
  if (Result<void> copied = copyFile(source, destination); !copied) return copied;
  if (unlink(source.c_str()) != 0) {
    int deleteError = errno;
    unlink(destination.c_str());
    return systemError(source, "cannot remove the file after copying it", deleteError);
  }
  return {};
}

Result<void> removeDirectory(const fs::path& path) {
  if (rmdir(path.c_str()) != 0) return systemError(path, "cannot remove the directory", errno);
  return {};
}

Result<void> setModificationTime(const fs::path& path, fs::file_time_type time) {
  std::error_code error;
  fs::last_write_time(path, time, error);
  if (error) return systemError(path, "cannot set the modification time", error.value());
  return {};
}

}  // namespace platform
