#include "platform/SpecialFolders.h"

#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SystemErrors.h"
#include "platform/AsciiText.h"
#include "platform/internal/Environment.h"

namespace platform {
namespace {

constexpr std::string_view kUserDirsFileName = "user-dirs.dirs";
constexpr std::string_view kDocumentsKey = "XDG_DOCUMENTS_DIR";
constexpr std::string_view kHomeVariable = "$HOME";
constexpr std::string_view kFallbackFolderName = "Documents";

// The folder of one line XDG_DOCUMENTS_DIR="$HOME/Documents" or XDG_DOCUMENTS_DIR="/absolute/path", read as
// xdg-user-dirs and GLib read it: a double-quoted value with backslash escapes, relative to the home folder
// when it starts with $HOME, otherwise absolute. Anything else is not a documents line.
std::optional<std::filesystem::path> documentsFolderOfLine(std::string_view line, const std::filesystem::path& home) {
  line = trimBlanks(line);
  if (!line.starts_with(kDocumentsKey)) return std::nullopt;
  line = trimBlanks(line.substr(kDocumentsKey.size()));
  if (!line.starts_with('=')) return std::nullopt;
  line = trimBlanks(line.substr(1));
  if (!line.starts_with('"')) return std::nullopt;
  line.remove_prefix(1);

  bool relativeToHome = false;
  if (line.starts_with(kHomeVariable)) {
    std::string_view after = line.substr(kHomeVariable.size());
    if (!after.starts_with('/') && !after.starts_with('"')) return std::nullopt;  // $HOMER is not $HOME
    relativeToHome = true;
    line = after;
  } else if (!line.starts_with('/')) {
    return std::nullopt;
  }

  std::string folder;
  bool closed = false;
  for (size_t position = 0; position < line.size(); ++position) {
    char c = line[position];
    if (c == '"') {
      closed = true;
      break;
    }
    if (c == '\\' && position + 1 < line.size()) c = line[++position];
    folder += c;
  }
  if (!closed) return std::nullopt;

  if (relativeToHome) {
    while (folder.starts_with('/')) folder.erase(0, 1);
    // "$HOME/" is how user-dirs.dirs switches a folder off; the documents folder then falls back.
    if (folder.empty()) return std::nullopt;
    return home / folder;
  }
  return std::filesystem::path(folder);
}

// The last valid documents line of user-dirs.dirs wins, as in GLib.
std::optional<std::filesystem::path> xdgDocumentsFolder(const std::filesystem::path& home) {
  std::optional<std::filesystem::path> config = internal::configHome();
  if (!config) return std::nullopt;
  std::ifstream file(*config / kUserDirsFileName);
  std::optional<std::filesystem::path> found;
  std::string line;
  while (std::getline(file, line)) {
    if (std::optional<std::filesystem::path> folder = documentsFolderOfLine(line, home)) found = folder;
  }
  return found;
}

}  // namespace

Result<std::filesystem::path> documentsFolder() {
  // PLATFORM_DOCUMENTS: the documents folder to use instead of the user's (tests, a scratch folder).
  if (std::optional<std::string> chosen = internal::environmentValue("PLATFORM_DOCUMENTS")) {
    return internal::withoutTrailingSlash(*chosen);
  }
  // HOME (through homeFolder) and XDG_CONFIG_HOME (through configHome, for user-dirs.dirs).
  std::optional<std::filesystem::path> home = internal::homeFolder();
  if (!home) return fail("no documents folder: no home folder is known", {}, ERROR_ENVVAR_NOT_FOUND);
  if (std::optional<std::filesystem::path> folder = xdgDocumentsFolder(*home)) {
    return internal::withoutTrailingSlash(*folder);
  }
  return internal::withoutTrailingSlash(*home / kFallbackFolderName);
}

}  // namespace platform
