#pragma once
// The process snapshot (Toolhelp's CreateToolhelp32Snapshot and Process32First/Next), taken from /proc.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// One running process.
struct ProcessEntry {
  /// The process id; 0 for the entries of the PLATFORM_PROCESSES stand-in list.
  int32_t processId = 0;
  /// The executable's file name without its folder, e.g. "drawhost" or "Pelmorix.exe" (case as given).
  std::string executableName;

  friend bool operator==(const ProcessEntry&, const ProcessEntry&) = default;
};

/// Where a snapshot comes from instead of /proc (unit tests).
using ProcessSnapshotSource = std::function<Result<std::vector<ProcessEntry>>()>;

/// The running processes: from the source set by setProcessSnapshotSource, else the names in
/// $PLATFORM_PROCESSES, else /proc. ERROR_READ_FAULT when /proc cannot be listed.
[[nodiscard]] PLATFORM_API Result<std::vector<ProcessEntry>> processSnapshot();

/// Makes processSnapshot return what source returns; a null source restores the normal behaviour.
PLATFORM_API void setProcessSnapshotSource(ProcessSnapshotSource source);

/// The executable name in a program path: the part after the last '/' or '\' ("C:\Q\Pelmorix.exe" under an
/// emulator gives "Pelmorix.exe").
[[nodiscard]] PLATFORM_API std::string_view executableBaseName(std::string_view programPath);

}  // namespace platform
