#include "platform/internal/Environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace platform::internal {

std::optional<std::string> environmentValue(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

std::optional<std::filesystem::path> homeFolder() {
  // HOME: the user's home folder, as every Unix program takes it.
  if (std::optional<std::string> home = environmentValue("HOME")) return std::filesystem::path(*home);
  // Without HOME (a service, a stripped environment) the password database still knows it.
  long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(bufferSize > 0 ? static_cast<size_t>(bufferSize) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr && *found->pw_dir != '\0') {
    return std::filesystem::path(found->pw_dir);
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> configHome() {
  // XDG_CONFIG_HOME: the user's configuration folder. The XDG rules say to ignore a relative value.
  if (std::optional<std::string> configured = environmentValue("XDG_CONFIG_HOME")) {
    if (std::filesystem::path(*configured).is_absolute()) return std::filesystem::path(*configured);
  }
  if (std::optional<std::filesystem::path> home = homeFolder()) return *home / ".config";
  return std::nullopt;
}

std::filesystem::path withoutTrailingSlash(const std::filesystem::path& path) {
  std::string text = path.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace platform::internal
