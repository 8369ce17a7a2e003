#pragma once
// Internal to the platform library: the registry as a tree in memory, and its REGEDIT4 text.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"
#include "platform/Result.h"

namespace platform::internal {

/// One key: its values and subkeys, each in the order they were created.
struct RegistryKey {
  std::string name;
  std::vector<RegistryValue> values;
  std::vector<RegistryKey> subkeys;

  /// The direct subkey of that name (ASCII case ignored), or null.
  [[nodiscard]] RegistryKey* findSubkey(std::string_view subkeyName);
  [[nodiscard]] const RegistryKey* findSubkey(std::string_view subkeyName) const;
  /// The value of that name (ASCII case ignored), or null.
  [[nodiscard]] RegistryValue* findValue(std::string_view valueName);
  [[nodiscard]] const RegistryValue* findValue(std::string_view valueName) const;
  /// The direct subkey of that name, created (with this spelling) when missing.
  RegistryKey& subkey(std::string_view subkeyName);
  /// Sets the value, replacing one of the same name in place or appending a new one.
  void setValue(std::string_view valueName, RegistryData data);
};

/// The whole registry: one key per root, in RegistryRoot order.
struct RegistryTree {
  std::array<RegistryKey, 4> roots;

  RegistryTree();
  [[nodiscard]] RegistryKey& root(RegistryRoot which);
  [[nodiscard]] const RegistryKey& root(RegistryRoot which) const;
};

/// The tree the REGEDIT4 text describes; a malformed line gives ERROR_BADDB at "source:line".
[[nodiscard]] Result<RegistryTree> parseRegistryText(std::string_view text, const std::string& source);

/// The REGEDIT4 text of the tree: a section for every key that holds values or has no subkeys (its parents
/// exist by implication), in tree order, each followed by a blank line; lines end with LF.
[[nodiscard]] std::string formatRegistryText(const RegistryTree& tree);

/// The registry in the file; a missing file is an empty registry.
[[nodiscard]] Result<RegistryTree> readRegistryFile(const std::filesystem::path& path);

/// Replaces the file with the tree's text, atomically.
[[nodiscard]] Result<void> writeRegistryFile(const std::filesystem::path& path, const RegistryTree& tree);

/// A text that a REGEDIT4 line can hold (no line break, no zero byte).
[[nodiscard]] bool storableInRegistryFile(std::string_view text);

}  // namespace platform::internal
