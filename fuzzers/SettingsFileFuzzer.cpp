// A settings file as the converter reads it at start-up: every line against the converter's key table, then
// the settings written back as the plug-in writes them when it shuts down.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "plugin-common/ConverterSettings.h"
#include "plugin-common/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  plugin::ConverterSettings settings = plugin::defaultConverterSettings();
  plugin::applySettings(text, plugin::converterSettingsKeys(), &settings);
  const std::string written = plugin::formatSettings(plugin::converterSettingsKeys(), &settings);
  // A file the plug-in wrote reads back as the same settings.
  plugin::ConverterSettings reread = plugin::defaultConverterSettings();
  plugin::applySettings(written, plugin::converterSettingsKeys(), &reread);
  if (plugin::formatSettings(plugin::converterSettingsKeys(), &reread) != written) __builtin_trap();
  return 0;
}
