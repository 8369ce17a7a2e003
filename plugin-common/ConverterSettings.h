#pragma once
// The converter's settings file: its options, then the common keys, bound to their keys.

#include <span>
#include <string_view>

#include "platform/Result.h"
#include "plugin-common/ConverterOptions.h"
#include "plugin-common/SettingsFile.h"

namespace plugin {

/// The converter's settings file name in the "Prefs" folder.
inline constexpr std::string_view kConverterSettingsFileName = "KELMO-Pro.ini";

/// Everything the converter keeps in its settings file, in the order of the file.
struct ConverterSettings {
  /// The conversion options.
  ConverterOptions options;
  /// language and product.
  CommonSettings common;
};

/// Options at their defaults, language JAPANESE, product "KELMO-Pro".
[[nodiscard]] ConverterSettings defaultConverterSettings();

/// The converter's key table: every option in file order, then language and product.
[[nodiscard]] std::span<const SettingsKey> converterSettingsKeys();

/// Reads "KELMO-Pro.ini" from the "Prefs" folder over settings; a missing or unreadable file (or no documents
/// folder) leaves settings as they are.
void readConverterSettings(ConverterSettings& settings);

/// Replaces "KELMO-Pro.ini" in the "Prefs" folder with settings; on failure the previous file stays.
[[nodiscard]] platform::Result<void> writeConverterSettings(const ConverterSettings& settings);

}  // namespace plugin
