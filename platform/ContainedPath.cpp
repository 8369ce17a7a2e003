#include "platform/ContainedPath.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/SystemErrors.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// The folder's path relative to the allowed folder's base, when the entry lies strictly below base / inside.
std::optional<fs::path> relativeBelow(const fs::path& path, const fs::path& base, const fs::path& inside) {
  fs::path relative = path.lexically_relative(base);
  if (relative.empty() || relative == ".") return std::nullopt;
  auto part = relative.begin();
  if (*part == "..") return std::nullopt;
  for (const fs::path& required : inside) {
    if (part == relative.end() || *part != required) return std::nullopt;
    ++part;
  }
  if (part == relative.end()) return std::nullopt;  // the allowed folder itself is not one of its entries
  return relative;
}

Error refusal(const fs::path& path, const std::string& why) {
  return fail("refused: " + why, path.string(), ERROR_ACCESS_DENIED);
}

Error resolutionError(const fs::path& path, const fs::path& allowedFolder, int errorNumber) {
  switch (errorNumber) {
    case ENOENT:
      return fail("a folder on the way does not exist", path.string(), ERROR_FILE_NOT_FOUND);
    case EXDEV:
      return refusal(path, "a link on the way would lead out of " + allowedFolder.string());
    case ELOOP:
    case ENOTDIR:
      return refusal(path, "a link (or something not a folder) on the way is not followed for a change");
    default:
      return fail(std::string("cannot open the folder: ") + std::strerror(errorNumber), path.string(),
                  ERROR_ACCESS_DENIED);
  }
}

// The folder relative (lexically normal, no "..") opened beneath base; -1 with errno set.
int openBeneath(int base, const fs::path& relative) {
  open_how how{};
  how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
  how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
  return static_cast<int>(syscall(SYS_openat2, base, relative.c_str(), &how, sizeof how));
}

// The same one component at a time, following no link at all (for kernels without openat2).
int openByComponents(int base, const fs::path& relative) {
  int current = fcntl(base, F_DUPFD_CLOEXEC, 0);
  for (const fs::path& part : relative) {
    if (current < 0) return -1;
    if (part == "." || part.empty()) continue;
    if (part == "..") {
      close(current);
      errno = EXDEV;
      return -1;
    }
    int next = openat(current, part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    int openError = errno;
    close(current);
    errno = openError;
    current = next;
  }
  return current;
}

}  // namespace

ContainedPath::ContainedPath(int folder, std::string name, fs::path path)
    : folderDescriptor(folder), entryName(std::move(name)), linuxPath(std::move(path)) {}

ContainedPath::ContainedPath(ContainedPath&& other) noexcept
    : folderDescriptor(other.folderDescriptor),
      entryName(std::move(other.entryName)),
      linuxPath(std::move(other.linuxPath)) {
  other.folderDescriptor = -1;
}

ContainedPath& ContainedPath::operator=(ContainedPath&& other) noexcept {
  if (this != &other) {
    if (folderDescriptor >= 0) close(folderDescriptor);
    folderDescriptor = other.folderDescriptor;
    entryName = std::move(other.entryName);
    linuxPath = std::move(other.linuxPath);
    other.folderDescriptor = -1;
  }
  return *this;
}

ContainedPath::~ContainedPath() {
  if (folderDescriptor >= 0) close(folderDescriptor);
}

void WriteScope::allow(const fs::path& base, const fs::path& inside) {
  allowed.push_back(Allowed{fs::absolute(base).lexically_normal(), inside.lexically_normal()});
}

Result<ContainedPath> WriteScope::resolve(const fs::path& linuxPath) const {
  fs::path path = fs::absolute(linuxPath).lexically_normal();
  if (!path.has_filename()) path = path.parent_path();
  for (const Allowed& folder : allowed) {
    fs::path base = folder.base.has_filename() ? folder.base : folder.base.parent_path();
    std::optional<fs::path> relative = relativeBelow(path, base, folder.inside);
    if (!relative) continue;
    int baseDescriptor = open(base.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (baseDescriptor < 0) return resolutionError(path, base, errno);
    fs::path parent = relative->parent_path();
    if (parent.empty()) parent = ".";
    int opened = componentWalk ? -1 : openBeneath(baseDescriptor, parent);
    // ENOSYS: a kernel before 5.6; EPERM: a sandbox that filters the call.
    if (componentWalk || (opened < 0 && (errno == ENOSYS || errno == EPERM))) {
      opened = openByComponents(baseDescriptor, parent);
    }
    int openError = errno;
    close(baseDescriptor);
    if (opened < 0) return resolutionError(path, base / folder.inside, openError);
    return ContainedPath(opened, relative->filename().string(), path);
  }
  return refusal(path, "it lies outside the folders this run may change");
}

}  // namespace platform
