#include "converter/export/DxfFileOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include "platform/SystemErrors.h"

namespace converter {
namespace {

/// Bytes collected before one write to the file.
constexpr size_t kBufferSize = 64 * 1024;
/// Bytes after which the system is asked to start writing them to the disk, so that the final flush waits
/// only for the last of them.
constexpr off_t kWritebackChunk = 8 * 1024 * 1024;
/// Mode of a new file (an existing file keeps its own).
constexpr mode_t kNewFileMode = 0644;

platform::Error fileError(const std::filesystem::path& path, std::string_view what, int errorNumber) {
  return platform::fail(std::string(what) + ": " + std::strerror(errorNumber), path.string(),
                        platform::ERROR_WRITE_FAULT);
}

}  // namespace

platform::Result<std::unique_ptr<DxfFileOutput>> DxfFileOutput::create(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path target = path;
  // Replace what a symbolic link points at, not the link itself.
  if (std::filesystem::symlink_status(path, error).type() == std::filesystem::file_type::symlink) {
    target = std::filesystem::weakly_canonical(path, error);
    if (error) return fileError(path, "cannot resolve the link", error.value());
  }
  // The temporary file lies in the target's folder, so that the rename stays on one file system.
  std::string pattern = target.string() + ".tmp-XXXXXX";
  int descriptor = mkostemp(pattern.data(), O_CLOEXEC);
  if (descriptor < 0) return fileError(path, "cannot create the file", errno);
  std::unique_ptr<DxfFileOutput> output(new DxfFileOutput(path, target, pattern, descriptor));
  // mkostemp creates the file with mode 0600; a drawing is as readable as the file it replaces.
  struct stat existing {};
  mode_t mode = stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : kNewFileMode;
  if (fchmod(descriptor, mode) != 0) return fileError(path, "cannot set the file mode", errno);
  return output;
}

DxfFileOutput::DxfFileOutput(std::filesystem::path path, std::filesystem::path target, std::string temporaryPath,
                             int descriptor)
    : DxfOutput(kBufferSize), path(std::move(path)), target(std::move(target)),
      temporaryPath(std::move(temporaryPath)), descriptor(descriptor) {}

DxfFileOutput::~DxfFileOutput() { discard(); }

platform::Result<void> DxfFileOutput::append(std::string_view bytes) {
  std::string_view rest = bytes;
  while (!rest.empty()) {
    ssize_t written = ::write(descriptor, rest.data(), rest.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return systemFailure("cannot write", errno);
    }
    rest.remove_prefix(static_cast<size_t>(written));
    writtenBytes += written;
  }
  if (writtenBytes - writebackStart >= kWritebackChunk) {
    // Only a request: a failure to start early shows up in the final flush, which waits for everything.
    (void)sync_file_range(descriptor, writebackStart, writtenBytes - writebackStart, SYNC_FILE_RANGE_WRITE);
    writebackStart = writtenBytes;
  }
  return {};
}

platform::Result<void> DxfFileOutput::commit() {
  flushBuffer();
  // Without fsync a crash soon after the rename could leave an empty drawing in place of the old one.
  if (!failed() && fsync(descriptor) != 0) recordFailure(systemFailure("cannot flush", errno));
  if (!failed()) {
    // close() reports late write errors (NFS, quota), so its result counts.
    int closed = close(descriptor);
    descriptor = -1;
    if (closed != 0) recordFailure(systemFailure("cannot close", errno));
  }
  if (!failed() && rename(temporaryPath.c_str(), target.c_str()) != 0) {
    recordFailure(systemFailure("cannot replace the file", errno));
  }
  if (failed()) {
    discard();
    return failure();
  }
  committed = true;
  return {};
}

platform::Error DxfFileOutput::systemFailure(std::string_view what, int errorNumber) const {
  return fileError(path, what, errorNumber);
}

void DxfFileOutput::discard() {
  if (descriptor >= 0) {
    close(descriptor);  // the file is thrown away, so a late error changes nothing
    descriptor = -1;
  }
  if (!committed && !temporaryPath.empty()) {
    unlink(temporaryPath.c_str());
    temporaryPath.clear();
  }
}

}  // namespace converter
