#include "plugin-common/ConverterSettings.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace plugin {
namespace {

// The field's name is its key, so the table cannot drift from the record.
#define CONVERTER_OPTION_KEY(field, kind)                                                                     \
  SettingsKey {                                                                                               \
    #field, SettingKind::kind, offsetof(ConverterSettings, options) + offsetof(ConverterOptions, field),     \
        sizeof(ConverterOptions::field)                                                                       \
  }

constexpr std::array<SettingsKey, 2> kCommonKeys = commonSettingsKeys(offsetof(ConverterSettings, common));

constexpr std::array<SettingsKey, 33> kConverterKeys{
    CONVERTER_OPTION_KEY(fuselname, INT16),
    CONVERTER_OPTION_KEY(fusesmoth, INT16),
    CONVERTER_OPTION_KEY(fuselnfix, INT16),
    CONVERTER_OPTION_KEY(fusebzknj, INT16),
    CONVERTER_OPTION_KEY(fuseatext, INT16),
    CONVERTER_OPTION_KEY(fuseschar, INT16),
    CONVERTER_OPTION_KEY(fuseWidth, INT16),
    CONVERTER_OPTION_KEY(fuseCircle, INT16),
    CONVERTER_OPTION_KEY(fjoinPoly, INT16),
    CONVERTER_OPTION_KEY(fcnvApper, INT16),
    CONVERTER_OPTION_KEY(fcnvMask, INT16),
    CONVERTER_OPTION_KEY(fcnvFill, INT16),
    CONVERTER_OPTION_KEY(fuseImgfr, INT16),
    CONVERTER_OPTION_KEY(fAdjObjPos, INT16),
    CONVERTER_OPTION_KEY(ftiipcomp, INT16),
    CONVERTER_OPTION_KEY(ffixScalTx, INT16),
    CONVERTER_OPTION_KEY(fuseplnfix, INT16),
    CONVERTER_OPTION_KEY(fusepsmoth, INT16),
    CONVERTER_OPTION_KEY(plxVertex, INT16),
    CONVERTER_OPTION_KEY(plxAngle, REAL),
    CONVERTER_OPTION_KEY(plxAber, REAL),
    CONVERTER_OPTION_KEY(cnvfont, TEXT),
    CONVERTER_OPTION_KEY(cnvtTani, INT16),
    CONVERTER_OPTION_KEY(orgnMode, INT16),
    CONVERTER_OPTION_KEY(polyMode, INT16),
    CONVERTER_OPTION_KEY(cnvtScal, REAL),
    CONVERTER_OPTION_KEY(cnvtAber, REAL),
    CONVERTER_OPTION_KEY(cnvtJoin, REAL),
    CONVERTER_OPTION_KEY(schrType, INT16),
    CONVERTER_OPTION_KEY(vertexLimit, INT16),
    CONVERTER_OPTION_KEY(kelmot, INT16),
    kCommonKeys[0],
    kCommonKeys[1],
};

#undef CONVERTER_OPTION_KEY

static_assert(isValidKeyTable(kConverterKeys, sizeof(ConverterSettings)));

constexpr std::string_view kProductName = "KELMO-Pro";

}  // namespace

ConverterSettings defaultConverterSettings() {
  ConverterSettings settings{};
  settings.options = defaultConverterOptions();
  settings.common.language = LanguageId::JAPANESE;
  std::memcpy(settings.common.product, kProductName.data(), kProductName.size());
  return settings;
}

std::span<const SettingsKey> converterSettingsKeys() { return kConverterKeys; }

void readConverterSettings(ConverterSettings& settings) {
  const platform::Result<std::filesystem::path> path = settingsFilePath(kConverterSettingsFileName);
  // Without a documents folder there is no file to read: the settings keep their values, as for a missing file.
  if (!path) return;
  readSettings(*path, kConverterKeys, &settings);
}

platform::Result<void> writeConverterSettings(const ConverterSettings& settings) {
  const platform::Result<std::filesystem::path> path = settingsFilePath(kConverterSettingsFileName);
  if (!path) return path.error();
  return writeSettings(*path, kConverterKeys, &settings);
}

}  // namespace plugin
