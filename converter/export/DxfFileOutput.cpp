#include "converter/export/DxfFileOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include "converter/export/BackgroundFileWriter.h"
#include "platform/SystemErrors.h"

namespace converter {
namespace {

/// Bytes of records collected before they are handed to the writing thread.
constexpr size_t kBufferSize = 256 * 1024;
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
  try {
    output->writer = std::make_unique<BackgroundFileWriter>(descriptor);
  } catch (const std::system_error& failure) {
    return fileError(path, "cannot start writing", failure.code().value());
  }
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

platform::Result<void> DxfFileOutput::appendRecords(std::string_view records) {
  // Formatting and writing happen on the writer's thread; a failure shows here at a later call, or in the
  // commit.
  if (int error = writer->write(records); error != 0) return systemFailure("cannot write", error);
  return {};
}

platform::Result<void> DxfFileOutput::commit() {
  flushBuffer();
  if (int error = writer->finish(); error != 0) recordFailure(systemFailure("cannot write", error));
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
  writer.reset();  // its thread is stopped before the descriptor it writes to is closed
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
