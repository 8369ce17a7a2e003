#include "plugin-common/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <system_error>

#include "platform/AsciiText.h"
#include "platform/AtomicFile.h"
#include "platform/SpecialFolders.h"

namespace plugin {
namespace {

// A line keeps at most this many characters; the rest of it is dropped. Longer lines never occurred in files
// written by the plug-ins, whose longest value is a TEXT(64).
constexpr size_t kLineCapacity = 256;

constexpr std::string_view kLineEnd = "\r\n";

struct LanguageWord {
  LanguageId language;
  std::string_view word;
};

constexpr std::array<LanguageWord, 3> kLanguageWords{{
    {LanguageId::JAPANESE, "JAPANESE"},
    {LanguageId::ENGLISH, "ENGLISH"},
    {LanguageId::KOREAN, "KOREAN"},
}};

// The characters of one line as the file format keeps them: CR and TAB dropped anywhere, spaces kept only
// inside quotes, quotes kept so that the field split still sees them.
std::string keptCharacters(std::string_view rawLine) {
  std::string line;
  bool insideQuotes = false;
  for (char character : rawLine) {
    if (line.size() == kLineCapacity) break;
    if (character == '\r' || character == '\t') continue;
    if (character == '"') insideQuotes = !insideQuotes;
    if (character == ' ' && !insideQuotes) continue;
    line.push_back(character);
  }
  return line;
}

std::optional<SettingsLine> tokeniseLine(std::string_view rawLine) {
  const std::string line = keptCharacters(rawLine);
  if (line.empty() || line.front() == '\'') return std::nullopt;

  // Fields end at "=" or "," outside quotes; only the key (field 1) and the value (field 2) matter.
  std::array<std::string, 2> fields;
  std::array<bool, 2> fieldQuoted{false, false};
  size_t field = 0;
  bool insideQuotes = false;
  for (char character : line) {
    if (character == '"') {
      insideQuotes = !insideQuotes;
      if (field < fields.size()) fieldQuoted[field] = true;
    } else if (!insideQuotes && (character == '=' || character == ',')) {
      if (++field == fields.size()) break;
    } else if (field < fields.size()) {
      fields[field].push_back(character);
    }
  }
  if (fields[0].empty()) return std::nullopt;
  if (fields[1].empty() && !fieldQuoted[1]) return std::nullopt;
  return SettingsLine{std::move(fields[0]), std::move(fields[1]), fieldQuoted[1]};
}

std::string_view withoutLeadingSpace(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r'))) {
    text.remove_prefix(1);
  }
  return text;
}

// Optional sign, then digits up to the first other character; no digits gives 0. The value is taken modulo
// 65536 as the 16-bit field stores it (70000 becomes 4464), whatever the number of digits.
int16_t parseInt16(std::string_view text) {
  text = withoutLeadingSpace(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  uint16_t magnitude = 0;
  for (char character : text) {
    if (character < '0' || character > '9') break;
    magnitude = static_cast<uint16_t>(magnitude * 10u + static_cast<unsigned>(character - '0'));
  }
  if (negative) magnitude = static_cast<uint16_t>(0u - magnitude);
  return static_cast<int16_t>(magnitude);
}

// A decimal real (digits, point, exponent) in the C locale; no digits gives 0. Nothing for a value the field
// cannot hold (infinite, not a number, beyond the range of a float field): the field then keeps its value.
std::optional<double> parseReal(std::string_view text, size_t fieldSize) {
  text = withoutLeadingSpace(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::invalid_argument) return 0.0;
  if (error != std::errc{} || !std::isfinite(value)) return std::nullopt;
  if (fieldSize == sizeof(float) && std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
  return value;
}

void storeText(std::byte* field, size_t capacity, std::string_view text) {
  std::memset(field, 0, capacity);
  std::memcpy(field, text.data(), std::min(text.size(), capacity - 1));
}

void storeValue(const SettingsKey& key, size_t row, const SettingsLine& line, std::byte* record) {
  std::byte* field = record + key.offset + row * key.size;
  const bool isText = key.kind == SettingKind::TEXT || key.kind == SettingKind::INDEXED_TEXT;
  // An empty value means "clear this text"; for a number or a language it means nothing, as it always has.
  if (line.value.empty() && !isText) return;
  switch (key.kind) {
    case SettingKind::INT16: {
      const int16_t value = parseInt16(line.value);
      std::memcpy(field, &value, sizeof value);
      break;
    }
    case SettingKind::REAL: {
      const std::optional<double> value = parseReal(line.value, key.size);
      if (!value) break;
      if (key.size == sizeof(float)) {
        const float narrowed = static_cast<float>(*value);
        std::memcpy(field, &narrowed, sizeof narrowed);
      } else {
        std::memcpy(field, &*value, sizeof(double));
      }
      break;
    }
    case SettingKind::TEXT:
    case SettingKind::INDEXED_TEXT:
      storeText(field, key.size, line.value);
      break;
    case SettingKind::LANGUAGE: {
      LanguageId language = LanguageId::JAPANESE;
      for (const LanguageWord& entry : kLanguageWords) {
        if (entry.word == line.value) language = entry.language;
      }
      std::memcpy(field, &language, sizeof language);
      break;
    }
  }
}

// The row an INDEXED_TEXT key names: family name, then exactly two decimal digits, inside the family's rows.
std::optional<size_t> indexedRow(const SettingsKey& key, std::string_view name) {
  if (name.size() != key.name.size() + 2 || !name.starts_with(key.name)) return std::nullopt;
  const char tens = name[name.size() - 2];
  const char units = name[name.size() - 1];
  if (!platform::isAsciiDigit(tens) || !platform::isAsciiDigit(units)) return std::nullopt;
  const size_t row = static_cast<size_t>(tens - '0') * 10 + static_cast<size_t>(units - '0');
  if (row >= key.rows) return std::nullopt;
  return row;
}

std::string formatReal(double value) {
  // "%g": six significant digits, without the locale's decimal separator.
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 6);
  return std::string(buffer.data(), result.ptr);
}

std::string_view languageWord(LanguageId language) {
  for (const LanguageWord& entry : kLanguageWords) {
    if (entry.language == language) return entry.word;
  }
  return "JAPANESE";  // any other value counts as JAPANESE
}

void appendLine(std::string& text, std::string_view key, std::string_view value) {
  text.append(key).append(" = ").append(value).append(kLineEnd);
}

std::string quoted(const std::byte* field, size_t capacity) {
  const char* characters = reinterpret_cast<const char*>(field);
  // A buffer filled to the brim without a terminator is still read only within its capacity.
  const size_t length = strnlen(characters, capacity);
  return "\"" + std::string(characters, length) + "\"";
}

void appendKey(std::string& text, const SettingsKey& key, const std::byte* record) {
  const std::byte* field = record + key.offset;
  switch (key.kind) {
    case SettingKind::INT16: {
      int16_t value = 0;
      std::memcpy(&value, field, sizeof value);
      appendLine(text, key.name, std::to_string(value));
      break;
    }
    case SettingKind::REAL: {
      double value = 0.0;
      if (key.size == sizeof(float)) {
        float narrow = 0.0f;
        std::memcpy(&narrow, field, sizeof narrow);
        value = narrow;
      } else {
        std::memcpy(&value, field, sizeof value);
      }
      appendLine(text, key.name, formatReal(value));
      break;
    }
    case SettingKind::TEXT:
      appendLine(text, key.name, quoted(field, key.size));
      break;
    case SettingKind::INDEXED_TEXT:
      for (size_t row = 0; row < key.rows; ++row) {
        const std::string rowKey = std::string(key.name) + static_cast<char>('0' + row / 10) +
                                   static_cast<char>('0' + row % 10);
        appendLine(text, rowKey, quoted(field + row * key.size, key.size));
      }
      break;
    case SettingKind::LANGUAGE: {
      LanguageId language = LanguageId::JAPANESE;
      std::memcpy(&language, field, sizeof language);
      appendLine(text, key.name, languageWord(language));
      break;
    }
  }
}

}  // namespace

std::vector<SettingsLine> tokeniseSettings(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<SettingsLine> lines;
  while (!text.empty()) {
    const size_t lineEnd = text.find('\n');
    // The last line counts even without a line end.
    const std::string_view rawLine = text.substr(0, lineEnd);
    text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
    if (std::optional<SettingsLine> line = tokeniseLine(rawLine)) lines.push_back(std::move(*line));
  }
  return lines;
}

void applySettings(std::string_view text, std::span<const SettingsKey> keys, void* record) {
  std::byte* bytes = static_cast<std::byte*>(record);
  for (const SettingsLine& line : tokeniseSettings(text)) {
    for (const SettingsKey& key : keys) {
      if (key.kind == SettingKind::INDEXED_TEXT) {
        if (const std::optional<size_t> row = indexedRow(key, line.key)) {
          storeValue(key, *row, line, bytes);
          break;
        }
      } else if (key.name == line.key) {
        storeValue(key, 0, line, bytes);
        break;
      }
    }
  }
}

std::string formatSettings(std::span<const SettingsKey> keys, const void* record) {
  std::string text;
  for (const SettingsKey& key : keys) appendKey(text, key, static_cast<const std::byte*>(record));
  return text;
}

platform::Result<std::filesystem::path> getPrefsFolder() {
  platform::Result<std::filesystem::path> documents = platform::documentsFolder();
  if (!documents) return documents.error();
  std::filesystem::path folder = std::move(documents.value());
  for (const char* part : {"Adobe", "Illustrator"}) {
    folder /= part;
    // A folder that exists already or cannot be made is no error here: writing the file reports what matters.
    std::error_code ignored;
    std::filesystem::create_directory(folder, ignored);
  }
  return folder;
}

platform::Result<std::filesystem::path> settingsFilePath(std::string_view fileName) {
  platform::Result<std::filesystem::path> prefs = getPrefsFolder();
  if (!prefs) return prefs.error();
  std::filesystem::path folder = std::move(prefs.value()) / "Prefs";
  // Other shared files of the plug-ins lie in this folder too; a failure shows when the file is written.
  std::error_code ignored;
  std::filesystem::create_directory(folder, ignored);
  return folder / std::string(fileName);
}

std::optional<std::string> readSettingsText(const std::filesystem::path& path) {
  // Non-blocking, so that a FIFO in the file's place cannot hold start-up; only a regular file is read.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return std::nullopt;
  std::optional<std::string> text;
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kMaxSettingsFileSize) {
    text.emplace();
    char buffer[4096];
    for (;;) {
      const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      // A file that breaks off while being read, or grows past the cap meanwhile, is not applied in part.
      if (got < 0 || text->size() + static_cast<size_t>(got) > static_cast<size_t>(kMaxSettingsFileSize)) {
        text.reset();
        break;
      }
      if (got == 0) break;
      text->append(buffer, static_cast<size_t>(got));
    }
  }
  ::close(descriptor);
  return text;
}

void readSettings(const std::filesystem::path& path, std::span<const SettingsKey> keys, void* record) {
  if (std::optional<std::string> text = readSettingsText(path)) applySettings(*text, keys, record);
}

platform::Result<void> writeSettings(const std::filesystem::path& path, std::span<const SettingsKey> keys,
                                     const void* record) {
  return platform::writeFileAtomically(path, formatSettings(keys, record));
}

}  // namespace plugin
