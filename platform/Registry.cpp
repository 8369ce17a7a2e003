#include "platform/Registry.h"

#include <array>
#include <functional>
#include <utility>

#include "platform/SystemErrors.h"
#include "platform/AsciiText.h"
#include "platform/internal/Environment.h"
#include "platform/internal/RegistryFile.h"

namespace platform {
namespace {

using internal::RegistryKey;
using internal::RegistryTree;
using FilePath = std::filesystem::path;
// A key path split into its names, below the root.
using KeyNames = std::vector<std::string_view>;
// Reads what an operation wants from its key; the file names the registry in errors.
template <class T>
using KeyReader = std::function<Result<T>(const RegistryKey& key, const FilePath& file)>;
// Edits the registry for an operation.
using RegistryChange = std::function<Result<void>(RegistryTree& tree, const KeyNames& names, const FilePath& file)>;

struct RootEntry {
  RegistryRoot root;
  std::string_view name;
};

constexpr std::array<RootEntry, 4> kRoots{{
    {RegistryRoot::HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {RegistryRoot::HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {RegistryRoot::HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {RegistryRoot::HKEY_USERS, "HKEY_USERS"},
}};

// Below $XDG_CONFIG_HOME: the suite's own folder and the file in it.
constexpr std::string_view kConfigFolderName = "drafting-suite";
constexpr std::string_view kRegistryFileName = "registry.reg";

// The file set by setRegistryFile; empty when the environment decides. The suite is single-threaded.
std::filesystem::path& chosenRegistryFile() {
  static std::filesystem::path path;
  return path;
}

// A key path split into its names: "Software\Maker" gives {"Software", "Maker"}, "" gives {} (the root).
// One trailing backslash is tolerated; an empty name anywhere else is not, as Windows refuses it.
Result<KeyNames> splitKeyPath(std::string_view keyPath) {
  KeyNames names;
  if (keyPath.ends_with('\\')) keyPath.remove_suffix(1);
  if (keyPath.empty()) return names;
  size_t start = 0;
  while (true) {
    size_t separator = keyPath.find('\\', start);
    std::string_view name = keyPath.substr(start, separator == std::string_view::npos ? separator : separator - start);
    if (name.empty() || !internal::storableInRegistryFile(name)) {
      return fail("invalid registry key path \"" + std::string(keyPath) + "\"", {}, ERROR_INVALID_PARAMETER);
    }
    names.push_back(name);
    if (separator == std::string_view::npos) return names;
    start = separator + 1;
  }
}

std::string fullKeyName(RegistryRoot root, std::string_view keyPath) {
  std::string name(registryRootName(root));
  if (!keyPath.empty()) name += "\\" + std::string(keyPath);
  return name;
}

const RegistryKey* findKey(const RegistryTree& tree, RegistryRoot root, const KeyNames& names) {
  const RegistryKey* key = &tree.root(root);
  for (std::string_view name : names) {
    key = key->findSubkey(name);
    if (key == nullptr) return nullptr;
  }
  return key;
}

RegistryKey* findKey(RegistryTree& tree, RegistryRoot root, const KeyNames& names) {
  return const_cast<RegistryKey*>(findKey(std::as_const(tree), root, names));
}

Error keyNotFound(RegistryRoot root, std::string_view keyPath, const FilePath& file) {
  return fail("registry key " + fullKeyName(root, keyPath) + " does not exist", file.string(), ERROR_FILE_NOT_FOUND);
}

// Loads the registry and hands the key to read, or reports why it cannot.
template <class T>
Result<T> readKey(RegistryRoot root, std::string_view keyPath, const KeyReader<T>& read) {
  Result<KeyNames> names = splitKeyPath(keyPath);
  if (!names) return names.error();
  Result<FilePath> file = registryFilePath();
  if (!file) return file.error();
  Result<RegistryTree> tree = internal::readRegistryFile(file.value());
  if (!tree) return tree.error();
  const RegistryKey* key = findKey(tree.value(), root, names.value());
  if (key == nullptr) return keyNotFound(root, keyPath, file.value());
  return read(*key, file.value());
}

// Loads the registry, lets change edit it and writes it back when the change succeeds. A file that cannot be
// read or parsed is never overwritten.
Result<void> changeRegistry(std::string_view keyPath, const RegistryChange& change) {
  Result<KeyNames> names = splitKeyPath(keyPath);
  if (!names) return names.error();
  Result<FilePath> file = registryFilePath();
  if (!file) return file.error();
  Result<RegistryTree> tree = internal::readRegistryFile(file.value());
  if (!tree) return tree.error();
  if (Result<void> changed = change(tree.value(), names.value(), file.value()); !changed) return changed;
  return internal::writeRegistryFile(file.value(), tree.value());
}

Result<void> writeValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName, RegistryData data) {
  return changeRegistry(keyPath, [&](RegistryTree& tree, const KeyNames& names,
                                     const FilePath&) -> Result<void> {
    RegistryKey* key = &tree.root(root);
    for (std::string_view name : names) key = &key->subkey(name);
    key->setValue(valueName, std::move(data));
    return {};
  });
}

Result<const RegistryValue*> findValue(const RegistryKey& key, RegistryRoot root, std::string_view keyPath,
                                       std::string_view valueName, const FilePath& file) {
  const RegistryValue* value = key.findValue(valueName);
  if (value == nullptr) {
    return fail("registry value \"" + std::string(valueName) + "\" of " + fullKeyName(root, keyPath) +
                    " does not exist",
                file.string(), ERROR_FILE_NOT_FOUND);
  }
  return value;
}

Error wrongType(RegistryRoot root, std::string_view keyPath, std::string_view valueName, std::string_view wanted,
                const FilePath& file) {
  return fail("registry value \"" + std::string(valueName) + "\" of " + fullKeyName(root, keyPath) + " is not " +
                  std::string(wanted),
              file.string(), ERROR_UNSUPPORTED_TYPE);
}

}  // namespace

std::string_view registryRootName(RegistryRoot root) {
  for (const RootEntry& entry : kRoots) {
    if (entry.root == root) return entry.name;
  }
  return {};
}

std::optional<RegistryRoot> registryRootNamed(std::string_view name) {
  for (const RootEntry& entry : kRoots) {
    if (equalsIgnoringAsciiCase(entry.name, name)) return entry.root;
  }
  return std::nullopt;
}

Result<std::filesystem::path> registryFilePath() {
  if (!chosenRegistryFile().empty()) return chosenRegistryFile();
  // PLATFORM_REGISTRY: the registry file to use instead of the user's (tests, a second registry by hand).
  if (std::optional<std::string> file = internal::environmentValue("PLATFORM_REGISTRY")) {
    return std::filesystem::path(*file);
  }
  // XDG_CONFIG_HOME (through configHome): the user's configuration folder, $HOME/.config when unset.
  if (std::optional<std::filesystem::path> config = internal::configHome()) {
    return *config / kConfigFolderName / kRegistryFileName;
  }
  return fail("no registry file: neither PLATFORM_REGISTRY nor a home folder is known", {}, ERROR_ENVVAR_NOT_FOUND);
}

void setRegistryFile(const FilePath& path) { chosenRegistryFile() = path; }

Result<uint32_t> readRegistryDword(RegistryRoot root, std::string_view keyPath, std::string_view valueName) {
  return readKey<uint32_t>(root, keyPath, [&](const RegistryKey& key, const FilePath& file) -> Result<uint32_t> {
    Result<const RegistryValue*> value = findValue(key, root, keyPath, valueName, file);
    if (!value) return value.error();
    if (const uint32_t* number = std::get_if<uint32_t>(&value.value()->data)) return *number;
    return wrongType(root, keyPath, valueName, "a dword", file);
  });
}

Result<std::string> readRegistryString(RegistryRoot root, std::string_view keyPath, std::string_view valueName) {
  return readKey<std::string>(root, keyPath, [&](const RegistryKey& key, const FilePath& file) -> Result<std::string> {
    Result<const RegistryValue*> value = findValue(key, root, keyPath, valueName, file);
    if (!value) return value.error();
    if (const std::string* text = std::get_if<std::string>(&value.value()->data)) return *text;
    return wrongType(root, keyPath, valueName, "a text", file);
  });
}

Result<void> writeRegistryDword(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                uint32_t number) {
  if (!internal::storableInRegistryFile(valueName)) {
    return fail("a registry value name cannot hold a line break or a zero byte", {}, ERROR_INVALID_PARAMETER);
  }
  return writeValue(root, keyPath, valueName, number);
}

Result<void> writeRegistryString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                                 std::string_view text) {
  // FIXME: REGEDIT4 has no escape for a line break, so multi-line REG_SZ texts are refused rather than stored.
  if (!internal::storableInRegistryFile(valueName) || !internal::storableInRegistryFile(text)) {
    return fail("a registry value name or text cannot hold a line break or a zero byte", {}, ERROR_INVALID_PARAMETER);
  }
  return writeValue(root, keyPath, valueName, std::string(text));
}

Result<void> deleteRegistryValue(RegistryRoot root, std::string_view keyPath, std::string_view valueName) {
  return changeRegistry(keyPath, [&](RegistryTree& tree, const KeyNames& names,
                                     const FilePath& file) -> Result<void> {
    RegistryKey* key = findKey(tree, root, names);
    if (key == nullptr) return keyNotFound(root, keyPath, file);
    Result<const RegistryValue*> value = findValue(*key, root, keyPath, valueName, file);
    if (!value) return value.error();
    std::erase_if(key->values, [&](const RegistryValue& each) { return &each == value.value(); });
    return {};
  });
}

Result<void> createRegistryKey(RegistryRoot root, std::string_view keyPath) {
  return changeRegistry(keyPath, [&](RegistryTree& tree, const KeyNames& names,
                                     const FilePath&) -> Result<void> {
    RegistryKey* key = &tree.root(root);
    for (std::string_view name : names) key = &key->subkey(name);
    return {};
  });
}

Result<void> deleteRegistryKey(RegistryRoot root, std::string_view keyPath) {
  return changeRegistry(keyPath, [&](RegistryTree& tree, const KeyNames& names,
                                     const FilePath& file) -> Result<void> {
    if (names.empty()) {
      return fail("the root key " + std::string(registryRootName(root)) + " cannot be deleted", file.string(),
                  ERROR_INVALID_PARAMETER);
    }
    const KeyNames parentNames(names.begin(), names.end() - 1);
    RegistryKey* parent = findKey(tree, root, parentNames);
    RegistryKey* key = parent == nullptr ? nullptr : parent->findSubkey(names.back());
    if (key == nullptr) return keyNotFound(root, keyPath, file);
    std::erase_if(parent->subkeys, [&](const RegistryKey& each) { return &each == key; });
    return {};
  });
}

Result<bool> registryKeyExists(RegistryRoot root, std::string_view keyPath) {
  Result<KeyNames> names = splitKeyPath(keyPath);
  if (!names) return names.error();
  Result<FilePath> file = registryFilePath();
  if (!file) return file.error();
  Result<RegistryTree> tree = internal::readRegistryFile(file.value());
  if (!tree) return tree.error();
  return findKey(tree.value(), root, names.value()) != nullptr;
}

Result<std::vector<std::string>> listRegistrySubkeys(RegistryRoot root, std::string_view keyPath) {
  return readKey<std::vector<std::string>>(
      root, keyPath, [](const RegistryKey& key, const FilePath&) -> Result<std::vector<std::string>> {
        std::vector<std::string> names;
        for (const RegistryKey& subkey : key.subkeys) names.push_back(subkey.name);
        return names;
      });
}

Result<std::vector<RegistryValue>> listRegistryValues(RegistryRoot root, std::string_view keyPath) {
  return readKey<std::vector<RegistryValue>>(
      root, keyPath,
      [](const RegistryKey& key, const FilePath&) -> Result<std::vector<RegistryValue>> {
        return key.values;
      });
}

}  // namespace platform
