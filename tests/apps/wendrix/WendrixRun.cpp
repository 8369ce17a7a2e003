#include "tests/apps/wendrix/WendrixRun.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <system_error>

namespace wendrix::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSetpriv = "/usr/bin/setpriv";
constexpr uid_t kNobody = 65534;

}  // namespace

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

ProgramRun runProgram(const fs::path& program, const std::string& arguments, const std::string& prefix) {
  return platform::test::runCommand(prefix + quoted(program) + " " + arguments + " 2>&1");
}

bool runsUnprivileged() { return geteuid() != 0 || access(kSetpriv, X_OK) == 0; }

std::string unprivilegedPrefix(const fs::path& folder) {
  if (geteuid() != 0 || access(kSetpriv, X_OK) != 0) return {};
  if (lchown(folder.c_str(), kNobody, kNobody) != 0) return {};
  std::error_code error;
  for (fs::recursive_directory_iterator next(folder, error), end; !error && next != end; next.increment(error)) {
    if (lchown(next->path().c_str(), kNobody, kNobody) != 0) return {};
  }
  return std::string(kSetpriv) + " --reuid=" + std::to_string(kNobody) + " --regid=" + std::to_string(kNobody) +
         " --clear-groups ";
}

std::map<std::string, std::string> folderSnapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  std::error_code error;
  for (fs::recursive_directory_iterator next(folder, error), end; !error && next != end; next.increment(error)) {
    const fs::path& path = next->path();
    fs::file_status status = fs::symlink_status(path, error);
    std::string description = std::to_string(static_cast<int>(status.permissions()));
    if (fs::is_symlink(status)) {
      description += " link " + fs::read_symlink(path, error).string();
    } else if (fs::is_directory(status)) {
      description += " directory";
    } else {
      description += " file " + platform::test::readText(path);
      char stored[32] = {};
      ssize_t length = getxattr(path.c_str(), "user.platform.attributes", stored, sizeof stored - 1);
      if (length > 0) description += " attributes " + std::string(stored, static_cast<size_t>(length));
    }
    entries[path.lexically_relative(folder).string()] = description;
  }
  return entries;
}

}  // namespace wendrix::test
