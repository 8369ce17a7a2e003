#pragma once
// What the file commands share: their arguments as UTF-8 Windows paths, those paths on Linux through the drive
// map, the directory search with the name patterns, the resolution that keeps changes inside the folders of the
// run, the message boxes they ask, and what they write to the log and the summary.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "installer/commands/CommandContext.h"
#include "installer/ui/MessageBoxes.h"
#include "platform/ContainedPath.h"
#include "platform/Result.h"

namespace installer {

/// The messages of the file commands, by their numbers in the Japanese block.
enum class FileMessage : int {
  /// "'%s' to '%s' copying..."
  COPYING = 1004,
  /// "Create '%s' Directory."
  CREATE_DIRECTORY = 1005,
  /// "Create '%s' File."
  CREATE_FILE = 1006,
  /// "Create '%s' Directory is Failed.\nAccess is denied or directory name is invalid."
  CREATE_DIRECTORY_FAILED = 1007,
  /// "The file already exists. (New Date)\nDo you want the '%s' file to overwrite?"
  EXISTS_NEWER = 1009,
  /// "The file already exists. (Old Date)\n..."
  EXISTS_OLDER = 1010,
  /// "The file already exists. (Same Date)\n..."
  EXISTS_SAME_DATE = 1011,
  /// "Cannot find '%s' file.\nPlease check disk and Press Enter."
  CANNOT_FIND = 1012,
  /// "'%s' file set attributes."
  SET_ATTRIBUTES = 1016,
  /// "Remove '%s' directory."
  REMOVE_DIRECTORY = 1022,
  /// "Remove '%s' file."
  REMOVE_FILE = 1023,
  /// "'%s' to '%s' moveing..."
  MOVING = 1039,
};

/// The message's text in the run's language, formatted with texts (UTF-8).
[[nodiscard]] std::string fileMessage(const CommandContext& context, FileMessage number,
                                      std::initializer_list<std::string_view> texts);

/// Sets the status line to a message formatted with texts.
void setFileStatus(CommandContext& context, FileMessage number, std::initializer_list<std::string_view> texts);

/// Shows a box with a message of the table; nothing when the user interface cannot answer (then the run has
/// to stop: the caller ends the installation). title is the number of the title's label (306 or 307).
[[nodiscard]] std::optional<ButtonCode> askUser(CommandContext& context, int number, std::string text, int title,
                                                uint32_t style);

/// The next argument of a command line (escapes and macros applied), as UTF-8.
[[nodiscard]] std::string nextArgument(const CommandContext& context, std::string_view arguments,
                                       size_t& position);

/// The Linux path of a Windows path (UTF-8); relative paths start at the current disk group's folder.
[[nodiscard]] platform::Result<std::filesystem::path> linuxPathOf(const CommandContext& context,
                                                                  std::string_view windowsPath);

/// True when the Windows path names an existing file or directory.
[[nodiscard]] bool windowsPathExists(const CommandContext& context, std::string_view windowsPath);

/// True when the Windows path names an existing directory.
[[nodiscard]] bool isWindowsDirectory(const CommandContext& context, std::string_view windowsPath);

/// The entry at path resolved for a change beneath the run's drives, setup directory and disk folder (links on
/// the way are not followed out of them); the error says why not.
[[nodiscard]] platform::Result<platform::ContainedPath> resolveForChange(CommandContext& context,
                                                                        const std::filesystem::path& path);

/// resolveForChange; when that fails, the failure box (">%s is Failed. \nERRCODE = %d") names the command and
/// windowsPath with the system's error code, the problem is recorded, and nothing is returned.
[[nodiscard]] std::optional<platform::ContainedPath> changeable(CommandContext& context,
                                                                const std::filesystem::path& path,
                                                                std::string_view windowsPath);

/// One entry a directory search found.
struct FoundEntry {
  /// Its Windows path: the pattern's directory part and the entry's name.
  std::string windowsPath;
  /// Its Linux path.
  std::filesystem::path path;
  /// A directory (not a link to one).
  bool directory = false;
  /// A symbolic link (never followed into).
  bool link = false;
};

/// The entries of the pattern's directory whose names match the pattern's name part, in name order; "." and
/// ".." never. Nothing when the directory does not exist.
[[nodiscard]] std::vector<FoundEntry> findEntries(const CommandContext& context, std::string_view pattern);

/// The entries of one folder, looked up by name without regard to ASCII case (an exact spelling first), as the
/// drive map would find them. The folder is read once, so that a command working through many files does not
/// search it again for each one.
class FolderEntries {
public:
  /// Reads the names in folder (none when it does not exist yet).
  explicit FolderEntries(std::filesystem::path folder);
  /// The Linux path of name in the folder: the entry that matches it, else the folder and name as given.
  [[nodiscard]] std::filesystem::path pathOf(std::string_view name) const;
  /// Records an entry the command has created.
  void add(const std::string& name);

private:
  std::filesystem::path folder;
  std::unordered_set<std::string> names;
  std::unordered_map<std::string, std::string> namesByLowerCase;
};

/// Writes a failed file operation to the log only (an attempt that a later one may make good).
void noteFailure(CommandContext& context, const platform::Error& error);

/// Writes a failed file operation to the log and records it for the summary; the run goes on.
void reportFailure(CommandContext& context, const platform::Error& error);

/// Writes a change to the log: what happened ("wrote", "removed", ...) and the entry's Linux path.
void noteChange(CommandContext& context, std::string_view what, const std::filesystem::path& path);

}  // namespace installer
