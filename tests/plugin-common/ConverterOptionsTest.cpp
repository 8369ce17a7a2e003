#include "plugin-common/ConverterOptions.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace plugin {
namespace {

TEST(ConverterOptions, DefaultsOfAFreshStart) {
  ConverterOptions options = defaultConverterOptions();
  // A fresh start exports in millimetres at scale 1.0 with tolerance 0.02 and line conversion "Polyline".
  EXPECT_EQ(options.cnvtTani, UNITS_MILLIMETERS);
  EXPECT_EQ(options.cnvtScal, 1.0f);
  EXPECT_EQ(options.cnvtAber, 0.02f);
  EXPECT_EQ(options.polyMode, POLY_MODE_POLYLINE);

  const std::vector<std::pair<const char*, int16_t>> switches{
      {"fuselname", options.fuselname}, {"fusesmoth", options.fusesmoth},   {"fuselnfix", options.fuselnfix},
      {"fusebzknj", options.fusebzknj}, {"fuseatext", options.fuseatext},   {"fuseschar", options.fuseschar},
      {"fuseWidth", options.fuseWidth}, {"fuseCircle", options.fuseCircle}, {"fjoinPoly", options.fjoinPoly},
      {"fcnvApper", options.fcnvApper}, {"fcnvMask", options.fcnvMask},     {"fcnvFill", options.fcnvFill},
      {"fuseImgfr", options.fuseImgfr}, {"fAdjObjPos", options.fAdjObjPos}, {"ftiipcomp", options.ftiipcomp},
      {"ffixScalTx", options.ffixScalTx}, {"fuseplnfix", options.fuseplnfix}, {"fusepsmoth", options.fusepsmoth},
      {"plxVertex", options.plxVertex}, {"orgnMode", options.orgnMode},     {"schrType", options.schrType},
      {"vertexLimit", options.vertexLimit}, {"kelmot", options.kelmot}};
  const std::vector<std::pair<const char*, int16_t>> expected{
      {"fuselname", 0},  {"fusesmoth", 1},  {"fuselnfix", 1},   {"fusebzknj", 1},  {"fuseatext", 1},
      {"fuseschar", 1},  {"fuseWidth", 1},  {"fuseCircle", 1},  {"fjoinPoly", 1},  {"fcnvApper", 1},
      {"fcnvMask", 1},   {"fcnvFill", 1},   {"fuseImgfr", 1},   {"fAdjObjPos", 1}, {"ftiipcomp", 0},
      {"ffixScalTx", 0}, {"fuseplnfix", 1}, {"fusepsmoth", 1},  {"plxVertex", 4},  {"orgnMode", 0},
      {"schrType", 0},   {"vertexLimit", 512}, {"kelmot", 0}};
  EXPECT_EQ(switches, expected);

  EXPECT_EQ(options.plxAngle, 0.2617993333333334f);
  EXPECT_EQ(options.plxAber, 0.025f);
  EXPECT_EQ(options.cnvtJoin, 0.01f);
  EXPECT_STREQ(options.cnvfont, "");
  EXPECT_EQ(sizeof options.cnvfont, 64u);
}

TEST(ConverterOptions, CharacterSetsByLanguage) {
  EXPECT_EQ(std::vector<std::string_view>(characterSetNames(LanguageId::JAPANESE).begin(),
                                          characterSetNames(LanguageId::JAPANESE).end()),
            (std::vector<std::string_view>{"漢字", "Apple ASCII", "Microsoft ASCII"}));
  EXPECT_EQ(std::vector<std::string_view>(characterSetNames(LanguageId::KOREAN).begin(),
                                          characterSetNames(LanguageId::KOREAN).end()),
            (std::vector<std::string_view>{"한글", "Apple ASCII", "Microsoft ASCII"}));
  EXPECT_EQ(std::vector<std::string_view>(characterSetNames(LanguageId::ENGLISH).begin(),
                                          characterSetNames(LanguageId::ENGLISH).end()),
            (std::vector<std::string_view>{"Apple ASCII", "Microsoft ASCII"}));
  EXPECT_EQ(characterSetNames(static_cast<LanguageId>(7)).size(), 3u) << "unknown languages read as Japanese";
}

class CompanionDialogFlagTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "companion-flag-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    platform::setRegistryFile(folder / "registry.reg");
  }
  void TearDown() override {
    platform::setRegistryFile({});
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  std::filesystem::path folder;
};

TEST_F(CompanionDialogFlagTest, ReadAfreshAndZeroWhenMissing) {
  constexpr auto kUser = platform::RegistryRoot::HKEY_CURRENT_USER;
  EXPECT_EQ(readCompanionDialogFlag(), 0u) << "no registry file";
  ASSERT_TRUE(platform::createRegistryKey(kUser, "Software\\QUILLMERE\\Pelmgate").ok());
  EXPECT_EQ(readCompanionDialogFlag(), 0u) << "key without the value";
  ASSERT_TRUE(platform::writeRegistryDword(kUser, "Software\\QUILLMERE\\Pelmgate", "DXFTOAI_DLGFLG", 1).ok());
  EXPECT_EQ(readCompanionDialogFlag(), 1u);
  ASSERT_TRUE(platform::writeRegistryDword(kUser, "Software\\QUILLMERE\\Pelmgate", "DXFTOAI_DLGFLG", 0).ok());
  EXPECT_EQ(readCompanionDialogFlag(), 0u) << "every call reads the registry again";
  ASSERT_TRUE(platform::writeRegistryString(kUser, "Software\\QUILLMERE\\Pelmgate", "DXFTOAI_DLGFLG", "1").ok());
  EXPECT_EQ(readCompanionDialogFlag(), 0u) << "a text is not the flag";
}

TEST_F(CompanionDialogFlagTest, UnreadableRegistryCountsAsNoFlag) {
  std::filesystem::create_directories(folder / "registry.reg");  // a folder where the file should be
  EXPECT_EQ(readCompanionDialogFlag(), 0u);
}

}  // namespace
}  // namespace plugin
