#include "installer/run/ExistingInstallation.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/AsciiText.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

// The spellings of the support folder that are cut off a found folder.
constexpr std::string_view kSupportFolders[] = {"\\Support Files", "\\SUPPORT FILES", "\\support files"};
// Folders of the Linux root (drive Z:) that hold no files of an installation and never end.
constexpr std::string_view kPseudoFileSystems[] = {"/proc", "/sys", "/dev"};
constexpr int kPercentWrap = 100;

}  // namespace

std::vector<std::string> findExistingInstallation(const platform::DriveMap& drives, char drive,
                                                  const std::vector<std::string>& keys,
                                                  const std::function<void(int)>& progress) {
  std::vector<std::string> folders;
  platform::Result<fs::path> root = drives.driveFolder(drive);
  if (!root || keys.empty()) return folders;

  std::error_code error;
  fs::recursive_directory_iterator walk(*root, fs::directory_options::skip_permission_denied, error);
  size_t examined = 0;
  for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
    const fs::directory_entry& entry = *walk;
    std::error_code entryError;
    if (entry.is_directory(entryError)) {
      std::string path = entry.path().string();
      bool pseudo = std::any_of(std::begin(kPseudoFileSystems), std::end(kPseudoFileSystems),
                                [&](std::string_view skip) { return path == skip; });
      if (pseudo || entry.is_symlink(entryError)) walk.disable_recursion_pending();
      continue;
    }
    if (!entry.is_regular_file(entryError)) continue;
    if (progress && ++examined % kFilesPerPercent == 0)
      progress(static_cast<int>((examined / kFilesPerPercent) % kPercentWrap));
    std::string name = entry.path().filename().string();
    bool matches =
        std::any_of(keys.begin(), keys.end(), [&](const std::string& key) { return platform::equalsIgnoringAsciiCase(name, key); });
    if (!matches) continue;
    std::string folder = drives.toWindows(entry.path().parent_path());
    for (std::string_view support : kSupportFolders) {
      if (folder.size() > support.size() && folder.ends_with(support)) {
        folder.resize(folder.size() - support.size());
        break;
      }
    }
    if (std::find(folders.begin(), folders.end(), folder) != folders.end()) continue;
    folders.push_back(std::move(folder));
    if (folders.size() >= kFoundFolderLimit) break;
  }
  return folders;
}

}  // namespace installer
