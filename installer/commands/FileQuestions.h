#pragma once
// The questions of the file commands: whether to overwrite an existing file (with the date comparison and the
// run's overwrite-all switch), what to do about a missing source file, a directory that cannot be created, and
// whether to abandon the installation.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "installer/commands/CommandContext.h"
#include "installer/script/CommandEntry.h"

namespace installer {

/// How two files' modification times compare, field by field to two seconds in local time.
enum class DateOrder {
  /// The destination is older than the source.
  OLDER,
  /// Both carry the same date and time.
  SAME,
  /// The destination is newer than the source.
  NEWER,
};

/// The order of destination's modification time against source's.
[[nodiscard]] DateOrder compareDates(std::filesystem::file_time_type destination,
                                     std::filesystem::file_time_type source);

/// Asks the abort question: true when the user answers Yes (or the user interface cannot answer).
[[nodiscard]] bool confirmAbort(CommandContext& context);

/// A file as a command names it: its Windows path (UTF-8, shown in the questions) and, when the command has
/// already found it, its Linux path (else the drive map finds it).
struct FileName {
  /// A file known by its Windows path only.
  FileName(std::string windowsPath) : windowsPath(std::move(windowsPath)) {}
  /// A file known by its Windows path only.
  FileName(const char* windowsPath) : windowsPath(windowsPath) {}
  /// A file whose Linux path is known.
  FileName(std::string windowsPath, std::filesystem::path linuxPath)
      : windowsPath(std::move(windowsPath)), linuxPath(std::move(linuxPath)) {}
  /// The Windows path.
  std::string windowsPath;
  /// The Linux path, or empty.
  std::filesystem::path linuxPath;
};

/// The checks before destination is written from source: asks while the source is missing (ABORT, SKIP for
/// Ignore, or on once it is there), then about an existing destination by its date. abortable adds the Abort
/// button to the overwrite question and makes Cancel skip the file instead of abandoning the installation.
/// GO_ON (RETRIED after a Retry) when the file may be written.
[[nodiscard]] StepResult confirmOverwrite(CommandContext& context, const FileName& destination,
                                          const FileName& source, bool abortable);

/// Makes sure the directory (a Windows path, UTF-8) exists, creating its last level and asking while that
/// fails: GO_ON, ABORT, or SKIP when the user goes on without it.
[[nodiscard]] StepResult ensureDirectory(CommandContext& context, std::string_view directory);

}  // namespace installer
