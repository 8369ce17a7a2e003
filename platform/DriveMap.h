#pragma once
// The Windows world of the installer on Linux, in the manner of Wine: one root folder holds the drives (ROOT/c is
// C:, ROOT/d is D:, ...), Z: is the Linux root "/", so that every Linux path has a Windows name. C:\WINDOWS is
// the Windows directory and C:\WINDOWS\SYSTEM the system directory. Path components match existing entries
// without regard to letter case, as Windows file names do.
//
// Windows paths here are UTF-8 text; callers that hold code-page text convert it first.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ContainedPath.h"
#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// Drive letters to folders, and Windows paths to Linux paths and back.
class PLATFORM_API DriveMap {
public:
  /// The code of a path or drive that does not exist (the Windows system error ERROR_PATH_NOT_FOUND).
  static constexpr int32_t PATH_NOT_FOUND = 3;

  /// The drives live in root (made absolute); root need not exist yet (see prepare).
  explicit DriveMap(std::filesystem::path root);

  /// The folder that holds the drives.
  [[nodiscard]] const std::filesystem::path& root() const { return rootFolder; }

  /// Creates the root, drive C: and the Windows and system directories when they are missing.
  [[nodiscard]] Result<void> prepare() const;

  /// The drive letters that exist, upper case, in order: every single-letter folder of the root, and Z:.
  [[nodiscard]] std::vector<char> drives() const;

  /// The Linux folder of a drive letter (either case); PATH_NOT_FOUND when the drive does not exist.
  [[nodiscard]] Result<std::filesystem::path> driveFolder(char letter) const;

  /// The Linux path of a Windows path. An absolute path ("C:\DIR\NAME", "C:", "C:/x") maps through its drive;
  /// a relative one ("NAME", "DIR\NAME") is resolved against currentFolder (a Linux folder), and is an error
  /// without one. "." and ".." are resolved by name and never climb above the drive's root. Each component
  /// takes the spelling of an existing entry that matches it without regard to case; new names stay as given.
  [[nodiscard]] Result<std::filesystem::path> toLinux(std::string_view windowsPath,
                                                      const std::filesystem::path& currentFolder = {}) const;

  /// The Windows name of a Linux path: through its drive folder when it lies in one, else through Z:.
  [[nodiscard]] std::string toWindows(const std::filesystem::path& linuxPath) const;

  /// The Windows directory, "C:\WINDOWS".
  [[nodiscard]] static std::string windowsDirectory();
  /// The Windows system directory, "C:\WINDOWS\SYSTEM".
  [[nodiscard]] static std::string systemDirectory();

  /// The Windows path of the shell's special folder of that number (the shell's CSIDL numbering: 5 the
  /// documents folder, 26 the application data, 38 the program files, ...), inside the root's drive C:. An
  /// empty text for a number the shell does not know.
  [[nodiscard]] static std::string specialFolder(int number);

  /// The free space in KB of the drive the Windows path names (statvfs of its nearest existing folder).
  /// $PLATFORM_FREE_SPACE ("C=500,D=1200", KB per drive letter) replaces the measured value for the drives it
  /// names. PATH_NOT_FOUND when the drive does not exist.
  [[nodiscard]] Result<uint64_t> freeSpaceKb(std::string_view windowsPath) const;

  /// Allows changes below each drive folder of the root (not Z:, not the root itself, not a drive folder itself)
  /// in scope.
  void allowDrives(WriteScope& scope) const;

private:
  std::filesystem::path rootFolder;
};

}  // namespace platform
