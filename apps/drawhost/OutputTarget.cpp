#include "apps/drawhost/OutputTarget.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace drawhost {
namespace {

namespace fs = std::filesystem;

/// What a file of this mode is called when it is refused; empty for a regular file.
std::string notADrawing(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "is a folder";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device";
  if (S_ISFIFO(mode)) return "is a FIFO";
  if (S_ISSOCK(mode)) return "is a socket";
  return "is no regular file";
}

}  // namespace

platform::Result<OutputTarget> vetOutput(const fs::path& output) {
  if (output.empty()) return platform::fail("an empty output name");
  struct stat status {};
  if (::lstat(output.c_str(), &status) != 0) {
    if (errno == ENOENT) return OutputTarget{output, false};
    return platform::fail(std::strerror(errno), output.string());
  }
  if (!S_ISLNK(status.st_mode)) {
    const std::string refusal = notADrawing(status.st_mode);
    if (!refusal.empty()) return platform::fail(refusal + ", not a drawing; not replaced", output.string());
    return OutputTarget{output, true};
  }
  // A link: what it leads to decides, and that file is the one written, so that the link stays a link.
  std::error_code error;
  const fs::path target = fs::weakly_canonical(output, error);
  if (error) return platform::fail("a link that cannot be followed (" + error.message() + ")", output.string());
  if (::stat(target.c_str(), &status) != 0) {
    if (errno == ENOENT) return OutputTarget{target, false};
    return platform::fail(std::string("a link that cannot be followed (") + std::strerror(errno) + ")", output.string());
  }
  const std::string refusal = notADrawing(status.st_mode);
  if (!refusal.empty()) {
    return platform::fail("leads to " + target.string() + ", which " + refusal + ", not a drawing; not replaced",
                          output.string());
  }
  return OutputTarget{target, true};
}

std::string whyNotWritten(const fs::path& file) {
  fs::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return "the folder " + folder.string() + " does not exist";
    return std::strerror(errno);
  }
  if (!S_ISDIR(status.st_mode)) return folder.string() + " is not a folder";
  struct statvfs space {};
  if (::statvfs(folder.c_str(), &space) == 0) {
    if ((space.f_flag & ST_RDONLY) != 0) return "the file system is read-only";
    if (space.f_bavail == 0) return "the disk is full";
  }
  // A new file needs write and search permission on the folder; a replaced file is renamed over, so the same.
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return "permission denied";
  return {};
}

}  // namespace drawhost
