#include "platform/DriveMap.h"

#include <sys/statvfs.h>

#include <charconv>
#include <optional>
#include <system_error>

#include "platform/AsciiText.h"
#include "platform/internal/Environment.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr char kLinuxRootDrive = 'Z';
constexpr uint64_t kBytesPerKb = 1024;

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The components of a Windows path after its drive, without empty ones.
std::vector<std::string> componentsOf(std::string_view text) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : text) {
    if (isSeparator(c)) {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

// The entry of folder whose name matches name without regard to ASCII case; an exact match wins; the name as
// given when nothing matches (a file or folder about to be created).
std::string matchingEntry(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (fs::exists(folder / name, error)) return name;
  fs::directory_iterator entries(folder, error);
  if (error) return name;
  for (const fs::directory_entry& entry : entries) {
    std::string candidate = entry.path().filename().string();
    if (equalsIgnoringAsciiCase(candidate, name)) return candidate;
  }
  return name;
}

// Walks the components from base, never above floor: ".." stops at the floor.
fs::path walk(const fs::path& floor, fs::path current, const std::vector<std::string>& components) {
  for (const std::string& component : components) {
    if (component == ".") continue;
    if (component == "..") {
      if (current != floor) current = current.parent_path();
      continue;
    }
    current /= matchingEntry(current, component);
  }
  return current;
}

// The free space the environment sets for a drive, in KB.
std::optional<uint64_t> freeSpaceOverride(char letter) {
  std::optional<std::string> value = internal::environmentValue("PLATFORM_FREE_SPACE");
  if (!value) return std::nullopt;
  std::string_view rest = *value;
  while (!rest.empty()) {
    size_t comma = rest.find(',');
    std::string_view item = trimBlanks(rest.substr(0, comma));
    rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    if (item.size() < 3 || item[1] != '=' || upperAscii(item[0]) != upperAscii(letter)) continue;
    uint64_t kb = 0;
    std::string_view number = item.substr(2);
    auto [end, status] = std::from_chars(number.data(), number.data() + number.size(), kb);
    if (status == std::errc{} && end == number.data() + number.size()) return kb;
  }
  return std::nullopt;
}

bool lexicallyInside(const fs::path& path, const fs::path& folder) {
  if (folder.empty()) return false;
  fs::path relative = path.lexically_normal().lexically_relative(folder.lexically_normal());
  if (relative.empty()) return false;
  auto first = relative.begin();
  return first == relative.end() || *first != "..";
}

struct SpecialFolderName {
  int number;
  const char* path;
};

// The shell's folders as a fresh profile of user "user" lays them out on drive C:.
constexpr SpecialFolderName kSpecialFolders[] = {
    {0, "C:\\users\\user\\Desktop"},
    {2, "C:\\users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"},
    {5, "C:\\users\\user\\Documents"},
    {6, "C:\\users\\user\\Favorites"},
    {7, "C:\\users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
    {8, "C:\\users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Recent"},
    {9, "C:\\users\\user\\AppData\\Roaming\\Microsoft\\Windows\\SendTo"},
    {11, "C:\\users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu"},
    {13, "C:\\users\\user\\Music"},
    {14, "C:\\users\\user\\Videos"},
    {16, "C:\\users\\user\\Desktop"},
    {20, "C:\\WINDOWS\\Fonts"},
    {21, "C:\\users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Templates"},
    {22, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu"},
    {23, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"},
    {24, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
    {25, "C:\\users\\Public\\Desktop"},
    {26, "C:\\users\\user\\AppData\\Roaming"},
    {28, "C:\\users\\user\\AppData\\Local"},
    {35, "C:\\ProgramData"},
    {36, "C:\\WINDOWS"},
    {37, "C:\\WINDOWS\\SYSTEM"},
    {38, "C:\\Program Files"},
    {39, "C:\\users\\user\\Pictures"},
    {40, "C:\\users\\user"},
    {43, "C:\\Program Files\\Common Files"},
    {46, "C:\\users\\Public\\Documents"},
};

}  // namespace

DriveMap::DriveMap(std::filesystem::path root) : rootFolder(fs::absolute(root).lexically_normal()) {
  rootFolder = internal::withoutTrailingSlash(rootFolder);
}

Result<void> DriveMap::prepare() const {
  std::error_code error;
  fs::create_directories(rootFolder / "c", error);
  if (error) return fail("cannot create drive C: (" + error.message() + ")", rootFolder.string(), 29);
  Result<fs::path> system = toLinux(systemDirectory());
  if (!system) return system.error();
  fs::create_directories(*system, error);
  if (error) return fail("cannot create the system directory (" + error.message() + ")", system->string(), 29);
  return {};
}

std::vector<char> DriveMap::drives() const {
  std::vector<char> letters;
  for (char letter = 'A'; letter < kLinuxRootDrive; ++letter) {
    std::error_code error;
    if (fs::is_directory(rootFolder / std::string(1, lowerAscii(letter)), error) ||
        fs::is_directory(rootFolder / std::string(1, letter), error)) {
      letters.push_back(letter);
    }
  }
  letters.push_back(kLinuxRootDrive);
  return letters;
}

Result<fs::path> DriveMap::driveFolder(char letter) const {
  letter = upperAscii(letter);
  if (letter == kLinuxRootDrive) return fs::path("/");
  if (isLetter(letter)) {
    std::error_code error;
    for (char spelling : {lowerAscii(letter), letter}) {
      fs::path folder = rootFolder / std::string(1, spelling);
      if (fs::is_directory(folder, error)) return folder;
    }
  }
  return fail(std::string("drive ") + letter + ": does not exist", rootFolder.string(), PATH_NOT_FOUND);
}

Result<fs::path> DriveMap::toLinux(std::string_view windowsPath, const fs::path& currentFolder) const {
  if (windowsPath.size() >= 2 && isLetter(windowsPath[0]) && windowsPath[1] == ':') {
    Result<fs::path> drive = driveFolder(windowsPath[0]);
    if (!drive) return drive.error();
    return walk(*drive, *drive, componentsOf(windowsPath.substr(2)));
  }
  if (currentFolder.empty() || (!windowsPath.empty() && isSeparator(windowsPath[0]))) {
    return fail("not an absolute Windows path: " + std::string(windowsPath), {}, PATH_NOT_FOUND);
  }
  // A relative path never climbs out of the folder it starts from.
  return walk(currentFolder, currentFolder, componentsOf(windowsPath));
}

std::string DriveMap::toWindows(const fs::path& linuxPath) const {
  fs::path path = fs::absolute(linuxPath).lexically_normal();
  std::string windows;
  fs::path relative;
  for (char letter : drives()) {
    if (letter == kLinuxRootDrive) break;
    Result<fs::path> drive = driveFolder(letter);
    if (drive && (path == *drive || lexicallyInside(path, *drive))) {
      windows = std::string(1, letter) + ":";
      relative = path.lexically_relative(*drive);
      break;
    }
  }
  if (windows.empty()) {
    windows = "Z:";
    relative = path.relative_path();
  }
  std::string tail;
  for (const fs::path& part : relative) {
    if (part == "." || part.empty()) continue;
    tail += "\\" + part.string();
  }
  return windows + (tail.empty() ? "\\" : tail);
}

std::string DriveMap::windowsDirectory() { return "C:\\WINDOWS"; }

std::string DriveMap::systemDirectory() { return "C:\\WINDOWS\\SYSTEM"; }

std::string DriveMap::specialFolder(int number) {
  for (const SpecialFolderName& folder : kSpecialFolders) {
    if (folder.number == number) return folder.path;
  }
  return {};
}

Result<uint64_t> DriveMap::freeSpaceKb(std::string_view windowsPath) const {
  if (windowsPath.size() < 2 || !isLetter(windowsPath[0]) || windowsPath[1] != ':') {
    return fail("no drive in " + std::string(windowsPath), {}, PATH_NOT_FOUND);
  }
  Result<fs::path> drive = driveFolder(windowsPath[0]);
  if (!drive) return drive.error();
  if (std::optional<uint64_t> fixed = freeSpaceOverride(windowsPath[0])) return *fixed;
  Result<fs::path> target = toLinux(windowsPath);
  fs::path folder = target ? *target : *drive;
  std::error_code error;
  while (!fs::is_directory(folder, error) && folder != *drive && folder.has_parent_path())
    folder = folder.parent_path();
  struct statvfs status {};
  if (statvfs(folder.c_str(), &status) != 0) {
    return fail("cannot read the free space", folder.string(), PATH_NOT_FOUND);
  }
  return static_cast<uint64_t>(status.f_bavail) * status.f_frsize / kBytesPerKb;
}

void DriveMap::allowDrives(WriteScope& scope) const {
  for (char letter : drives()) {
    if (letter == kLinuxRootDrive) continue;
    // A drive folder may itself be a link (as a prefix's drives often are): it is the user's own layout, and no
    // change can create or replace it, since a drive folder is no entry of any allowed folder.
    Result<fs::path> folder = driveFolder(letter);
    if (folder) scope.allow(*folder);
  }
}

}  // namespace platform
