#pragma once
// The plug-ins' settings files: lines of key = value in the "Prefs" folder under the preferences folder. Each
// plug-in describes its record with a key table; this file reads and writes any record through its table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"
#include "plugin-common/LanguageId.h"

namespace plugin {

/// How a key's value is held in the record and written in the file.
enum class SettingKind : uint8_t {
  /// int16_t, written with "%d"; read values wrap modulo 65536.
  INT16,
  /// float or double (by the field's size), written with "%g" (six significant digits).
  REAL,
  /// Zero-terminated char buffer, written inside double quotes; longer values are cut to fit.
  TEXT,
  /// LanguageId, written as the bare word JAPANESE, ENGLISH or KOREAN.
  LANGUAGE,
  /// A family of TEXT keys named family + two-digit row number ("00" to "99"), one buffer per row.
  INDEXED_TEXT,
};

/// One row of a key table: the key as written in the file (case-sensitive), its kind, and where its field lies.
struct SettingsKey {
  /// The key, or for INDEXED_TEXT the family name without the row number.
  std::string_view name;
  /// How the value is held and written.
  SettingKind kind;
  /// Byte offset of the field (for INDEXED_TEXT: of row 0) in the record.
  size_t offset;
  /// Bytes of the field (for TEXT and INDEXED_TEXT: of one row's buffer, terminator included).
  size_t size;
  /// INDEXED_TEXT: number of rows, laid out one after another; 1 for every other kind.
  size_t rows = 1;
};

/// Capacity of the common TEXT(63) key product, terminator included.
inline constexpr size_t kProductNameCapacity = 64;

/// The keys both settings files end with, in their order: language, then product.
struct CommonSettings {
  /// Language of dialogs and messages.
  LanguageId language;
  /// Product name that labels the plug-in's About menu item.
  char product[kProductNameCapacity];
};

/// The rows of the common keys, for a record that holds CommonSettings at commonOffset; they end every table.
[[nodiscard]] constexpr std::array<SettingsKey, 2> commonSettingsKeys(size_t commonOffset) {
  return {SettingsKey{"language", SettingKind::LANGUAGE, commonOffset + offsetof(CommonSettings, language),
                      sizeof(LanguageId)},
          SettingsKey{"product", SettingKind::TEXT, commonOffset + offsetof(CommonSettings, product),
                      kProductNameCapacity}};
}

/// True when every row's size suits its kind and its field lies inside a record of recordSize bytes.
[[nodiscard]] constexpr bool isValidKeyTable(std::span<const SettingsKey> keys, size_t recordSize) {
  for (const SettingsKey& key : keys) {
    bool sizeFits = false;
    switch (key.kind) {
      case SettingKind::INT16: sizeFits = key.size == sizeof(int16_t) && key.rows == 1; break;
      case SettingKind::REAL: sizeFits = (key.size == sizeof(float) || key.size == sizeof(double)) && key.rows == 1; break;
      case SettingKind::TEXT: sizeFits = key.size >= 1 && key.rows == 1; break;
      case SettingKind::LANGUAGE: sizeFits = key.size == sizeof(LanguageId) && key.rows == 1; break;
      // Two decimal digits name the row, so a family has at most 100 rows.
      case SettingKind::INDEXED_TEXT: sizeFits = key.size >= 1 && key.rows >= 1 && key.rows <= 100; break;
    }
    if (!sizeFits || key.name.empty() || key.offset > recordSize || key.size * key.rows > recordSize - key.offset) {
      return false;
    }
  }
  return true;
}

/// One key and its value as the tokeniser cut them from a line, quotes removed.
struct SettingsLine {
  /// The key (field 1).
  std::string key;
  /// The value (field 2).
  std::string value;
  /// The value stood in double quotes, so an empty value is a deliberately empty text.
  bool valueQuoted = false;
};

/// Cuts a settings text into key and value pairs, skipping comment lines, lines without a key, lines whose
/// value is empty and unquoted, and everything after the first zero byte.
[[nodiscard]] std::vector<SettingsLine> tokeniseSettings(std::string_view text);

/// Stores every recognised pair of text into record through keys; unknown keys and rows are ignored, a key
/// given twice keeps its last value, and an empty value ("") is taken by TEXT keys only.
void applySettings(std::string_view text, std::span<const SettingsKey> keys, void* record);

/// The whole file text for record: one line per key (every row for INDEXED_TEXT) in table order, CR LF ends.
[[nodiscard]] std::string formatSettings(std::span<const SettingsKey> keys, const void* record);

/// The preferences folder: the documents folder + "/Adobe/Illustrator", created on the way when missing.
[[nodiscard]] platform::Result<std::filesystem::path> getPrefsFolder();

/// Where a settings file named fileName lives: getPrefsFolder() + "/Prefs/" + fileName.
[[nodiscard]] platform::Result<std::filesystem::path> settingsFilePath(std::string_view fileName);

/// Settings files hold a few hundred bytes; a file larger than this is not one.
inline constexpr std::int64_t kMaxSettingsFileSize = 1 << 20;

/// The whole text of the settings file at path; nothing when it is missing or unreadable, when it is no
/// regular file (a folder, a FIFO, a device) or larger than kMaxSettingsFileSize. Never waits for a writer.
[[nodiscard]] std::optional<std::string> readSettingsText(const std::filesystem::path& path);

/// Reads the settings file at path into record through keys. A file readSettingsText does not give leaves
/// the record as it is (the defaults stay in force); that is the intended start-up behaviour, so nothing is
/// reported.
void readSettings(const std::filesystem::path& path, std::span<const SettingsKey> keys, void* record);

/// Replaces the settings file at path with the text of formatSettings; on failure the previous file stays.
[[nodiscard]] platform::Result<void> writeSettings(const std::filesystem::path& path,
                                                   std::span<const SettingsKey> keys, const void* record);

}  // namespace plugin
