#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include "platform/SystemErrors.h"

namespace platform {
namespace {

Error writeError(const std::filesystem::path& path, const std::string& what, int errorNumber) {
  return fail(what + ": " + std::strerror(errorNumber), path.string(), ERROR_WRITE_FAULT);
}

// Closes and removes the temporary file unless the rename has taken it over.
class TemporaryFile {
public:
  TemporaryFile(int descriptor, std::string path) : descriptor(descriptor), path(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (descriptor >= 0) close(descriptor);
    if (!renamed) unlink(path.c_str());
  }

  // close() reports late write errors (NFS, quota), so its result counts.
  [[nodiscard]] bool closeDescriptor() {
    int result = close(descriptor);
    descriptor = -1;
    return result == 0;
  }

  int descriptor;
  std::string path;
  bool renamed = false;
};

bool writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

Result<void> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code error;
  std::filesystem::path target = path;
  // Replace what a symbolic link points at, not the link itself (a registry file kept elsewhere stays there).
  // (A missing file reports an error code as well as not_found; only the type counts here.)
  if (std::filesystem::symlink_status(path, error).type() == std::filesystem::file_type::symlink) {
    target = std::filesystem::weakly_canonical(path, error);
    if (error) return writeError(path, "cannot resolve the link", error.value());
  }
  error.clear();

  std::filesystem::path folder = target.parent_path();
  if (!folder.empty()) {
    std::filesystem::create_directories(folder, error);
    if (error) return fail("cannot create the folder " + folder.string() + ": " + error.message(), path.string(),
                           ERROR_WRITE_FAULT);
  }

  // The temporary file must lie in the same folder (same file system), or rename() would not be atomic.
  std::string pattern = target.string() + ".tmp-XXXXXX";
  int descriptor = mkostemp(pattern.data(), O_CLOEXEC);
  if (descriptor < 0) return writeError(path, "cannot create a temporary file", errno);
  TemporaryFile temporary(descriptor, pattern);

  // mkostemp creates the file with mode 0600; keep the mode of the file being replaced, else 0644.
  struct stat existing {};
  mode_t mode = stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
  if (fchmod(descriptor, mode) != 0) return writeError(path, "cannot set the file mode", errno);
  if (!writeAll(descriptor, bytes)) return writeError(path, "cannot write", errno);
  // Without fsync a crash soon after the rename can leave an empty file on some file systems.
  if (fsync(descriptor) != 0) return writeError(path, "cannot flush", errno);
  if (!temporary.closeDescriptor()) return writeError(path, "cannot close", errno);
  if (rename(temporary.path.c_str(), target.c_str()) != 0) return writeError(path, "cannot replace the file", errno);
  temporary.renamed = true;

  // Make the rename itself durable. A failure here changes nothing the caller can act on: the new content
  // is in place for every reader, so it is deliberately not reported.
  int folderDescriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderDescriptor >= 0) {
    fsync(folderDescriptor);
    close(folderDescriptor);
  }
  return {};
}

}  // namespace platform
