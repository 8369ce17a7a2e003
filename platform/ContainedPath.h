#pragma once
// The places a program may change, and the entries in them resolved so that no link leads out: the folder that
// holds an entry is opened beneath the allowed folder with openat2(RESOLVE_BENEATH) (or, where the kernel lacks
// it, one component at a time without following any link), and every change is made relative to that open
// folder, never through the entry's name again. Reading may follow links; changing may not.
//
// Errors carry the Windows error codes: 5 (access denied: outside every allowed folder, or a link or ".." on the
// way leads out of it), 2 (a folder on the way does not exist).

#include <filesystem>
#include <string>
#include <vector>

#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// An entry to create, change or delete: the folder that holds it, open, and its name in that folder.
class PLATFORM_API ContainedPath {
public:
  /// Takes over folder (an open descriptor of the folder that holds the entry).
  ContainedPath(int folder, std::string name, std::filesystem::path path);
  ContainedPath(ContainedPath&& other) noexcept;
  ContainedPath& operator=(ContainedPath&& other) noexcept;
  ContainedPath(const ContainedPath&) = delete;
  ContainedPath& operator=(const ContainedPath&) = delete;
  ~ContainedPath();

  /// The descriptor of the folder that holds the entry.
  [[nodiscard]] int folder() const { return folderDescriptor; }
  /// The entry's name in that folder (one component).
  [[nodiscard]] const std::string& name() const { return entryName; }
  /// The entry's Linux path, for messages and the log.
  [[nodiscard]] const std::filesystem::path& path() const { return linuxPath; }

private:
  int folderDescriptor;
  std::string entryName;
  std::filesystem::path linuxPath;
};

/// The folders beneath which changes are allowed.
class PLATFORM_API WriteScope {
public:
  /// Allows changes strictly below base / inside. base itself is taken as it is (the caller trusts the links of
  /// its own path); inside (relative, may be empty) and everything below it are resolved beneath base.
  void allow(const std::filesystem::path& base, const std::filesystem::path& inside = {});

  /// The entry at linuxPath resolved for a change: its folder opened beneath the allowed folder it lies in.
  [[nodiscard]] Result<ContainedPath> resolve(const std::filesystem::path& linuxPath) const;

  /// Resolves one component at a time with O_NOFOLLOW even where openat2 exists (for tests of that way).
  void resolveByComponents(bool byComponents) { componentWalk = byComponents; }

private:
  struct Allowed {
    std::filesystem::path base;
    std::filesystem::path inside;
  };
  std::vector<Allowed> allowed;
  bool componentWalk = false;
};

}  // namespace platform
