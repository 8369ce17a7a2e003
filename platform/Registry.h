#pragma once
// The Windows registry, kept in one text file in REGEDIT4 format:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Maker\Product]
//   "Name"="text with \\ and \" escaped"
//   "Count"=dword:0000001f
//   @="the key's default value"
//
// Key paths are the subkey below a root, components separated by '\' ("Software\QUILLMERE\Pelmgate"); the
// empty path is the root itself. Key and value names match without regard to ASCII case and keep the case
// they were created with; the empty value name is the key's default value ("@"). Every operation reads the
// file afresh, and every change rewrites it atomically, so several programs see one registry.
//
// Errors carry the Windows error code of the original call (SystemErrors.h): ERROR_FILE_NOT_FOUND for a
// missing key or value, ERROR_UNSUPPORTED_TYPE for a value of the other type, ERROR_INVALID_PARAMETER for a
// bad key path or a text the file cannot hold, ERROR_BADDB with "file:line" for a malformed line,
// ERROR_CANTREAD and ERROR_CANTWRITE when the file cannot be read or replaced.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// The four predefined keys, named as Windows names them.
enum class RegistryRoot { HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS };

/// A value's data: REG_SZ text (bytes as given, usually UTF-8) or a REG_DWORD number.
using RegistryData = std::variant<std::string, uint32_t>;

/// One named value of a key; the empty name is the key's default value.
struct RegistryValue {
  /// The name as it was created.
  std::string name;
  /// Its text or number.
  RegistryData data;

  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

/// The root's name, e.g. "HKEY_CURRENT_USER".
[[nodiscard]] PLATFORM_API std::string_view registryRootName(RegistryRoot root);
/// The root of that name, compared without ASCII case ("hkey_users" too); nothing for any other name.
[[nodiscard]] PLATFORM_API std::optional<RegistryRoot> registryRootNamed(std::string_view name);

/// The registry file in use: the one set by setRegistryFile, else $PLATFORM_REGISTRY, else
/// $XDG_CONFIG_HOME/drafting-suite/registry.reg (ERROR_ENVVAR_NOT_FOUND when no home folder is known).
[[nodiscard]] PLATFORM_API Result<std::filesystem::path> registryFilePath();
/// Makes every later operation use this file (the installer's install root); the empty path returns to the
/// environment's choice.
PLATFORM_API void setRegistryFile(const std::filesystem::path& path);

/// The REG_DWORD value name of the key.
[[nodiscard]] PLATFORM_API Result<uint32_t> readRegistryDword(RegistryRoot root, std::string_view keyPath,
                                                              std::string_view valueName);
/// The REG_SZ value name of the key.
[[nodiscard]] PLATFORM_API Result<std::string> readRegistryString(RegistryRoot root, std::string_view keyPath,
                                                                  std::string_view valueName);
/// Sets value name of the key to a REG_DWORD, creating the key (and its parents) when missing.
[[nodiscard]] PLATFORM_API Result<void> writeRegistryDword(RegistryRoot root, std::string_view keyPath,
                                                           std::string_view valueName, uint32_t number);
/// Sets value name of the key to a REG_SZ, creating the key (and its parents) when missing. Texts and names
/// holding a line break or a zero byte cannot be stored (ERROR_INVALID_PARAMETER).
[[nodiscard]] PLATFORM_API Result<void> writeRegistryString(RegistryRoot root, std::string_view keyPath,
                                                            std::string_view valueName, std::string_view text);
/// Removes one value of the key (ERROR_FILE_NOT_FOUND when the key or the value is missing).
[[nodiscard]] PLATFORM_API Result<void> deleteRegistryValue(RegistryRoot root, std::string_view keyPath,
                                                            std::string_view valueName);
/// Creates the key and its missing parents; an existing key is left as it is.
[[nodiscard]] PLATFORM_API Result<void> createRegistryKey(RegistryRoot root, std::string_view keyPath);
/// Removes the key with all its subkeys and values (ERROR_FILE_NOT_FOUND when missing; a root cannot be removed).
[[nodiscard]] PLATFORM_API Result<void> deleteRegistryKey(RegistryRoot root, std::string_view keyPath);
/// True when the key exists.
[[nodiscard]] PLATFORM_API Result<bool> registryKeyExists(RegistryRoot root, std::string_view keyPath);
/// The names of the key's direct subkeys, in the order they were created.
[[nodiscard]] PLATFORM_API Result<std::vector<std::string>> listRegistrySubkeys(RegistryRoot root,
                                                                              std::string_view keyPath);
/// The key's values, in the order they were created.
[[nodiscard]] PLATFORM_API Result<std::vector<RegistryValue>> listRegistryValues(RegistryRoot root,
                                                                               std::string_view keyPath);

}  // namespace platform
