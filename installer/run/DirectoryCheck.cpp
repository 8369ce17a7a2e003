#include "installer/run/DirectoryCheck.h"

#include <filesystem>
#include <system_error>

namespace installer {
namespace {

constexpr std::string_view kForbiddenCharacters = "*?/<>";
constexpr size_t kDriveColonIndex = 1;

}  // namespace

std::optional<std::string> examinedDirectory(std::string_view directory, InstallType type) {
  std::string text(directory);
  if (!text.empty() && text.back() == '\\') text.pop_back();
  // The text is UTF-8: every byte of a multi-byte character is 0x80 or above, so it can hold none of these.
  for (size_t index = 0; index < text.size(); ++index) {
    if (kForbiddenCharacters.find(text[index]) != std::string_view::npos) return std::nullopt;
    if (text[index] == ':' && index > kDriveColonIndex) return std::nullopt;
  }
  if (isInstallType(type)) {
    size_t lastBackslash = text.rfind('\\');
    if (lastBackslash != std::string::npos) text.resize(lastBackslash);
  }
  if (text.size() == 2 && text[1] == ':') text += '\\';
  return text;
}

bool directoryIsValid(std::string_view directory, InstallType type, const platform::DriveMap& drives) {
  std::optional<std::string> examined = examinedDirectory(directory, type);
  if (!examined) return false;
  platform::Result<std::filesystem::path> folder = drives.toLinux(*examined);
  std::error_code error;
  if (!folder || !std::filesystem::is_directory(*folder, error)) return false;
  return freeSpaceOf(*examined, drives) > 0;
}

uint64_t freeSpaceOf(std::string_view directory, const platform::DriveMap& drives) {
  platform::Result<uint64_t> free = drives.freeSpaceKb(directory);
  return free ? *free : 0;
}

}  // namespace installer
