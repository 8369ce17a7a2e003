#include "platform/internal/RegistryFile.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/SystemErrors.h"
#include "platform/AsciiText.h"
#include "platform/AtomicFile.h"

namespace platform::internal {
namespace {

// The exact texts of the REGEDIT4 format, in one place.
constexpr std::string_view kFileHeader = "REGEDIT4";
constexpr std::string_view kDwordPrefix = "dword:";
constexpr std::string_view kDefaultValueName = "@";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kDwordDigits = 8;

// Reads a quoted text at the start of rest, undoing the \\ and \" escapes; rest moves past the closing quote.
// The error holds only the message; the caller adds the file and line.
Result<std::string> takeQuoted(std::string_view& rest) {
  std::string text;
  size_t position = 1;  // past the opening quote
  while (position < rest.size()) {
    char c = rest[position];
    if (c == '"') {
      rest.remove_prefix(position + 1);
      return text;
    }
    if (c == '\\') {
      if (position + 1 >= rest.size()) break;
      char escaped = rest[position + 1];
      if (escaped != '\\' && escaped != '"') {
        return fail(std::string("unknown escape \\") + escaped + " (only \\\\ and \\\" are allowed)");
      }
      text += escaped;
      position += 2;
      continue;
    }
    text += c;
    ++position;
  }
  return fail("a quoted text is not closed");
}

Result<RegistryData> parseData(std::string_view rest) {
  if (rest.starts_with('"')) {
    Result<std::string> text = takeQuoted(rest);
    if (!text) return text.error();
    if (!trimBlanks(rest).empty()) return fail("unexpected text after the closing quote");
    return RegistryData(std::move(text.value()));
  }
  if (startsWithIgnoringAsciiCase(rest, kDwordPrefix)) {
    std::string_view digits = rest.substr(kDwordPrefix.size());
    uint32_t number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
    if (digits.empty() || digits.size() > kDwordDigits || error != std::errc() ||
        end != digits.data() + digits.size()) {
      return fail("a dword needs 1 to 8 hexadecimal digits, as in dword:0000001f");
    }
    return RegistryData(number);
  }
  if (rest == "-") return fail("value deletions (=-) cannot stand in the registry file");
  if (startsWithIgnoringAsciiCase(rest, "hex")) return fail("only text and dword values are supported");
  return fail("expected a quoted text or dword:xxxxxxxx after '='");
}

Result<RegistryValue> parseValueLine(std::string_view line) {
  std::string name;
  std::string_view rest = line;
  if (rest.starts_with(kDefaultValueName)) {
    rest.remove_prefix(kDefaultValueName.size());
  } else {
    Result<std::string> quoted = takeQuoted(rest);
    if (!quoted) return quoted.error();
    name = std::move(quoted.value());
  }
  rest = trimBlanks(rest);
  if (!rest.starts_with('=')) return fail("expected '=' after the value name");
  rest = trimBlanks(rest.substr(1));
  Result<RegistryData> data = parseData(rest);
  if (!data) return data.error();
  return RegistryValue{std::move(name), std::move(data.value())};
}

// The key a section line "[ROOT\a\b]" names, created in the tree; the error holds only the message.
Result<RegistryKey*> parseSectionLine(std::string_view line, RegistryTree& tree) {
  if (!line.ends_with(']')) return fail("a key line must end with ']'");
  std::string_view path = line.substr(1, line.size() - 2);
  if (path.starts_with('-')) return fail("key deletions ([-...]) cannot stand in the registry file");
  size_t separator = path.find('\\');
  std::string_view rootName = path.substr(0, separator);
  std::optional<RegistryRoot> root = registryRootNamed(rootName);
  if (!root) return fail("unknown root key \"" + std::string(rootName) + "\"");
  RegistryKey* key = &tree.root(*root);
  while (separator != std::string_view::npos) {
    path.remove_prefix(separator + 1);
    separator = path.find('\\');
    std::string_view component = path.substr(0, separator);
    if (component.empty()) return fail("a key path has an empty name between backslashes");
    key = &key->subkey(component);
  }
  return key;
}

void appendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

void appendDword(std::string& out, uint32_t number) {
  char digits[kDwordDigits];
  auto [end, error] = std::to_chars(digits, digits + kDwordDigits, number, 16);
  (void)error;  // eight hexadecimal digits always hold a 32-bit number
  out += kDwordPrefix;
  out.append(kDwordDigits - static_cast<size_t>(end - digits), '0');
  out.append(digits, end);
}

void appendKey(std::string& out, const std::string& path, const RegistryKey& key, bool isRoot) {
  // Parents of a written key exist by implication, so only keys with values and leaf keys need a section;
  // roots always exist and need one only for their own values.
  if (!key.values.empty() || (!isRoot && key.subkeys.empty())) {
    out += '[';
    out += path;
    out += "]\n";
    for (const RegistryValue& value : key.values) {
      if (value.name.empty()) {
        out += kDefaultValueName;
      } else {
        appendQuoted(out, value.name);
      }
      out += '=';
      if (const std::string* text = std::get_if<std::string>(&value.data)) {
        appendQuoted(out, *text);
      } else {
        appendDword(out, std::get<uint32_t>(value.data));
      }
      out += '\n';
    }
    out += '\n';
  }
  for (const RegistryKey& subkey : key.subkeys) appendKey(out, path + "\\" + subkey.name, subkey, false);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

RegistryKey* RegistryKey::findSubkey(std::string_view subkeyName) {
  for (RegistryKey& key : subkeys) {
    if (equalsIgnoringAsciiCase(key.name, subkeyName)) return &key;
  }
  return nullptr;
}

const RegistryKey* RegistryKey::findSubkey(std::string_view subkeyName) const {
  return const_cast<RegistryKey*>(this)->findSubkey(subkeyName);
}

RegistryValue* RegistryKey::findValue(std::string_view valueName) {
  for (RegistryValue& value : values) {
    if (equalsIgnoringAsciiCase(value.name, valueName)) return &value;
  }
  return nullptr;
}

const RegistryValue* RegistryKey::findValue(std::string_view valueName) const {
  return const_cast<RegistryKey*>(this)->findValue(valueName);
}

RegistryKey& RegistryKey::subkey(std::string_view subkeyName) {
  if (RegistryKey* existing = findSubkey(subkeyName)) return *existing;
  return subkeys.emplace_back(RegistryKey{std::string(subkeyName), {}, {}});
}

void RegistryKey::setValue(std::string_view valueName, RegistryData data) {
  // Windows keeps the name's first spelling when a value is overwritten.
  if (RegistryValue* existing = findValue(valueName)) {
    existing->data = std::move(data);
  } else {
    values.push_back(RegistryValue{std::string(valueName), std::move(data)});
  }
}

RegistryTree::RegistryTree() {
  for (size_t index = 0; index < roots.size(); ++index) {
    roots[index].name = std::string(registryRootName(static_cast<RegistryRoot>(index)));
  }
}

RegistryKey& RegistryTree::root(RegistryRoot which) { return roots.at(static_cast<size_t>(which)); }
const RegistryKey& RegistryTree::root(RegistryRoot which) const { return roots.at(static_cast<size_t>(which)); }

Result<RegistryTree> parseRegistryText(std::string_view text, const std::string& source) {
  RegistryTree tree;
  RegistryKey* current = nullptr;
  bool headerSeen = false;
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());

  size_t lineNumber = 0;
  while (!text.empty()) {
    size_t lineEnd = text.find('\n');
    std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
    ++lineNumber;
    if (line.ends_with('\r')) line.remove_suffix(1);  // files written on Windows end lines with CR LF
    line = trimBlanks(line);
    if (line.empty() || line.starts_with(';')) continue;  // regedit allows ';' comments; they are not kept

    const auto malformed = [&](const std::string& message) {
      return fail(message, source + ":" + std::to_string(lineNumber), ERROR_BADDB);
    };
    if (!headerSeen) {
      if (line != kFileHeader) return malformed("expected REGEDIT4 as the first line");
      headerSeen = true;
    } else if (line.starts_with('[')) {
      Result<RegistryKey*> key = parseSectionLine(line, tree);
      if (!key) return malformed(key.error().message);
      current = key.value();
    } else if (line.starts_with('"') || line.starts_with(kDefaultValueName)) {
      if (current == nullptr) return malformed("a value line before the first [key] line");
      Result<RegistryValue> value = parseValueLine(line);
      if (!value) return malformed(value.error().message);
      current->setValue(value.value().name, std::move(value.value().data));
    } else {
      return malformed("expected a [key] line or a \"name\"=value line");
    }
  }
  return tree;
}

std::string formatRegistryText(const RegistryTree& tree) {
  std::string out(kFileHeader);
  out += "\n\n";
  for (const RegistryKey& root : tree.roots) appendKey(out, root.name, root, true);
  return out;
}

Result<RegistryTree> readRegistryFile(const std::filesystem::path& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    if (errno == ENOENT) return RegistryTree();  // no file yet: an empty registry
    return fail(std::string("cannot open the registry file: ") + std::strerror(errno), path.string(), ERROR_CANTREAD);
  }
  std::string text;
  char buffer[8192];
  size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, count);
  if (std::ferror(file.get())) {
    return fail(std::string("cannot read the registry file: ") + std::strerror(errno), path.string(), ERROR_CANTREAD);
  }
  return parseRegistryText(text, path.string());
}

Result<void> writeRegistryFile(const std::filesystem::path& path, const RegistryTree& tree) {
  Result<void> written = writeFileAtomically(path, formatRegistryText(tree));
  if (!written) return fail(written.error().message, written.error().where, ERROR_CANTWRITE);
  return {};
}

bool storableInRegistryFile(std::string_view text) {
  return text.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
}

}  // namespace platform::internal
