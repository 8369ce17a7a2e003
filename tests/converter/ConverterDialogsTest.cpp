// KELMO-Pro's settings, languages and common dialogs, as the headless host sees them: the settings file read
// at start-up, the About box and the About group the family shares, and the progress dialog of an export.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/dialogs/HeadlessDriver.h"
#include "host/dialogs/ItemDrawing.h"

#include "host/sdk/ErrorCodes.h"
#include "host/sdk/FileFormatSuite.h"
#include "platform/KeyState.h"
#include "tests/converter/ConverterSession.h"

namespace {

using converter::test::ConverterSession;

TEST(ConverterDialogs, TheSettingsLanguageChoosesTheAboutBox) {
  struct Case {
    const char* settings;
    const char* opened;
  };
  const Case cases[] = {
      {"", "dialog.open 16150 \"KELMO-Pro について\""},
      {"language = ENGLISH\n", "dialog.open 16250 \"About KELMO-Pro\""},
      {"language = KOREAN\n", "dialog.open 16350 \"KELMO-Pro소개\""},
  };
  for (const Case& expected : cases) {
    ConverterSession run;
    run.start(expected.settings);
    PluginMessage message{};
    // The host's own About command, then the plug-in's item in the shared group.
    EXPECT_EQ(run.host.send(*run.module, CALLER_SP_INTERFACE, SELECTOR_ABOUT, message), HOST_NO_ERROR);
    EXPECT_TRUE(run.journalHas(expected.opened)) << expected.settings;
    run.host.journal().clear();
    const host::MenuItem* item = run.host.registrations().menuItems.find("QM_PLUGINS_ABOUT_KELMO-Pro");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(run.host.chooseMenuItem(*item), HOST_NO_ERROR);
    EXPECT_TRUE(run.journalHas(expected.opened)) << expected.settings;
  }
}

TEST(ConverterDialogs, TheTiipVariantRenamesTheFormatAndTheAboutBox) {
  ConverterSession run;
  run.start("kelmot = 1\n");
  const host::FileFormat* format = run.host.registrations().fileFormats.find("Drawing Interchange(DXF)");
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->title, "AutoCAD DXF/TIIP");
  PluginMessage message{};
  EXPECT_EQ(run.host.send(*run.module, CALLER_SP_INTERFACE, SELECTOR_ABOUT, message), HOST_NO_ERROR);
  // The Japanese title begins with the product word, so it changes too; the version label always does.
  EXPECT_TRUE(run.journalHas("dialog.item 16150 6 text \"KELMOT-Pro Ver2.50\"")) << run.journalText();
  EXPECT_TRUE(run.journalHas("dialog.close 16150 \"KELMOT-Pro について\"")) << run.journalText();
}

TEST(ConverterDialogs, PluginsOfTheFamilyShareOneAboutGroup) {
  ConverterSession run;
  // KELMO-Pro in Korean makes the group, titled in Japanese; the test plug-in adds its item to it.
  run.start("language = KOREAN\n");
  platform::Result<host::PluginModule*> other = run.host.loadPlugin(FRAME_TEST_PLUGIN_DIR "/FrameTestDrafting.so");
  ASSERT_TRUE(other.ok()) << other.error().describe();
  ASSERT_TRUE(run.host.startPlugins().empty());

  int groups = 0;
  for (const auto& group : run.host.registrations().menuGroups.all()) groups += group->name == "QM_PLUGINS_ABOUT" ? 1 : 0;
  EXPECT_EQ(groups, 1);
  const host::MenuGroup* group = run.host.registrations().menuGroups.find("QM_PLUGINS_ABOUT");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->options, 1);
  ASSERT_NE(group->parentItem, nullptr);
  EXPECT_EQ(group->parentItem->group->name, "About");
  EXPECT_EQ(group->parentItem->title, "プラグインについて (QUILLMERE INC.)");
  for (const char* name : {"QM_PLUGINS_ABOUT_KELMO-Pro", "QM_PLUGINS_ABOUT_FrameTestDrafting"}) {
    const host::MenuItem* item = run.host.registrations().menuItems.find(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->group, group) << name;
  }
  EXPECT_EQ(run.host.registrations().menuItems.find("QM_PLUGINS_ABOUT_KELMO-Pro")->title, "KELMO-Pro...");
}

TEST(ConverterDialogs, AnExportShowsTheProgressDialogAndClosesIt) {
  ConverterSession run;
  run.start("language = ENGLISH\nkelmot = 1\n");
  const host::FileFormat* format = run.host.registrations().fileFormats.find("Drawing Interchange(DXF)");
  ASSERT_NE(format, nullptr);
  run.host.journal().clear();
  EXPECT_EQ(run.host.saveDocument(*format, FILE_FORMAT_WRITE, run.file("out.dxf")), HOST_NO_ERROR);
  EXPECT_TRUE(run.journalHas("dialog.open 16255 \"Progress\" name \"Progress\" modeless")) << run.journalText();
  EXPECT_TRUE(run.journalHas("dialog.item 16255 2 text \"Stop ESC\""));
  EXPECT_TRUE(run.journalHas("dialog.show 16255"));
  EXPECT_TRUE(run.journalHas("dialog.close 16255"));
  // The version label shows the TIIP product word.
  EXPECT_TRUE(run.journalHas("dialog.item 16255 3 text \"KELMOT-Pro Ver2.50\"")) << run.journalText();
  EXPECT_TRUE(run.host.dialogs().visibleTitles().empty());
}

}  // namespace

namespace {

/// A headless driver that watches the progress bar and presses Escape, as Ctrl+C would, once it passes half.
class CancellingDriver : public host::HeadlessDriver {
public:
  void modelessChanged(host::Dialog& dialog) override {
    host::HeadlessDriver::modelessChanged(dialog);
    std::optional<int> percent = host::barPercent(dialog.item(1)->drawing);
    if (!percent) return;
    if (shown.empty() || shown.back() != *percent) shown.push_back(*percent);
    if (*percent >= 50) platform::setKeyDown(platform::KEY_ESCAPE, true);
  }

  std::vector<int> shown;
};

TEST(ConverterDialogs, TheProgressBarMovesAndEscapeStopsTheExportKeepingTheOldFile) {
  ConverterSession run;
  run.start("language = ENGLISH\n");
  std::string groups;
  for (int index = 0; index < 400; ++index) groups += R"(<g><path d="M0 0 H10 V10 Z" stroke="black"/></g>)";
  ASSERT_TRUE(run.open(R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">)" + groups + "</svg>"));
  platform::test::writeText(run.file("kept.dxf"), "the previous file\n");

  CancellingDriver driver;
  run.host.dialogs().setDriver(driver);
  platform::releaseAllKeys();
  EXPECT_EQ(run.save("kept.dxf"), HOST_NO_ERROR);  // the plug-in tells the host success, as it always did
  const bool cancelled = platform::isKeyDown(platform::KEY_ESCAPE);
  platform::releaseAllKeys();
  run.host.dialogs().setDriver(run.host.headless());

  EXPECT_TRUE(cancelled);
  ASSERT_GE(driver.shown.size(), 3u);
  EXPECT_EQ(driver.shown.front(), 0);
  EXPECT_TRUE(std::is_sorted(driver.shown.begin(), driver.shown.end()));
  EXPECT_GE(driver.shown.back(), 50);
  EXPECT_LT(driver.shown.back(), 100);
  EXPECT_EQ(platform::test::readText(run.file("kept.dxf")), "the previous file\n");
  EXPECT_TRUE(run.journalHas("dialog.close 16255 \"Progress\""));
}

}  // namespace
