#include "plugin-common/ConverterOptions.h"

#include <array>

#include "platform/Registry.h"

namespace plugin {
namespace {

constexpr std::array<std::string_view, 3> kJapaneseCharacterSets{"漢字", "Apple ASCII", "Microsoft ASCII"};
constexpr std::array<std::string_view, 3> kKoreanCharacterSets{"한글", "Apple ASCII", "Microsoft ASCII"};
constexpr std::array<std::string_view, 2> kEnglishCharacterSets{"Apple ASCII", "Microsoft ASCII"};

}  // namespace

ConverterOptions defaultConverterOptions() {
  ConverterOptions options{};
  options.fuselname = 0;
  options.fusesmoth = 1;
  options.fuselnfix = 1;
  options.fusebzknj = 1;
  options.fuseatext = 1;
  options.fuseschar = 1;
  options.fuseWidth = 1;
  options.fuseCircle = 1;
  options.fjoinPoly = 1;
  options.fcnvApper = 1;
  options.fcnvMask = 1;
  options.fcnvFill = 1;
  options.fuseImgfr = 1;
  options.fAdjObjPos = 1;
  options.ftiipcomp = TIIP_NONE;
  options.ffixScalTx = 0;
  options.fuseplnfix = 1;
  options.fusepsmoth = 1;
  options.plxVertex = 4;
  // 15 degrees, with the circle constant taken as 3.141592.
  options.plxAngle = 0.2617993333333334f;
  options.plxAber = 0.025f;
  options.cnvfont[0] = '\0';
  options.cnvtTani = UNITS_MILLIMETERS;
  options.orgnMode = ORIGIN_RULER;
  options.polyMode = POLY_MODE_POLYLINE;
  options.cnvtScal = 1.0f;
  options.cnvtAber = 0.02f;
  options.cnvtJoin = 0.01f;
  options.schrType = 0;
  options.vertexLimit = 512;
  options.kelmot = 0;
  return options;
}

std::span<const std::string_view> characterSetNames(LanguageId language) {
  switch (language) {
    case LanguageId::ENGLISH: return kEnglishCharacterSets;
    case LanguageId::KOREAN: return kKoreanCharacterSets;
    case LanguageId::JAPANESE: break;
  }
  return kJapaneseCharacterSets;
}

uint32_t readCompanionDialogFlag() {
  platform::Result<uint32_t> flag = platform::readRegistryDword(platform::RegistryRoot::HKEY_CURRENT_USER,
                                                                kCompanionRegistryKey, kCompanionDialogFlagName);
  // Without the companion product (or with a registry that cannot be read) the dialogs are shown.
  return flag ? flag.value() : 0;
}

}  // namespace plugin
