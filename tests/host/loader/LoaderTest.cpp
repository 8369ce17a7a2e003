#include "host/loader/PluginLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/Host.h"
#include "tests/platform/TestSupport.h"
#include "platform/WindowOwner.h"

namespace {

namespace fs = std::filesystem;

using platform::test::TemporaryFolder;

TEST(PluginLoader, ErrorsNameTheFolderOrTheModule) {
  host::PluginLoader loader;
  platform::Result<void> missing = loader.loadFolder("/nonexistent/plugins");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().where, "/nonexistent/plugins");
  EXPECT_EQ(missing.error().message, "the plug-in folder does not exist");

  TemporaryFolder folder;
  std::ofstream(folder.path() / "garbage.so") << "not a shared object";
  platform::Result<void> garbage = loader.loadFolder(folder.path());
  ASSERT_FALSE(garbage.ok());
  EXPECT_EQ(garbage.error().where, (folder.path() / "garbage.so").string());
  EXPECT_TRUE(garbage.error().message.starts_with("the module does not load: ")) << garbage.error().message;

  platform::Result<void> noEntry = loader.loadFolder(BROKEN_PLUGIN_DIR);
  ASSERT_FALSE(noEntry.ok());
  EXPECT_EQ(noEntry.error().where, std::string(BROKEN_PLUGIN_DIR) + "/NoEntryModule.so");
  EXPECT_EQ(noEntry.error().message, "the module has no PluginMain");
  EXPECT_TRUE(loader.modules().empty());
}

TEST(PluginLoader, LoadsAFolderInNameOrderWithEachModulesResources) {
  host::PluginLoader loader;
  ASSERT_TRUE(loader.loadFolder(FRAME_TEST_PLUGIN_DIR).ok());
  ASSERT_EQ(loader.modules().size(), 2u);
  EXPECT_EQ(loader.modules()[0]->name(), "FrameTestConverter");
  EXPECT_EQ(loader.modules()[1]->name(), "FrameTestDrafting");
  EXPECT_NE(loader.modules()[0]->resources().dialog(16151), nullptr);
  EXPECT_EQ(loader.fromRef(loader.modules()[1]->ref()), loader.modules()[1].get());
  EXPECT_EQ(loader.fromRef(reinterpret_cast<PluginRef>(&loader)), nullptr);
}

TEST(Host, StartsPluginsWhoseRegistrationsStayUntilShutdown) {
  host::Host host;
  ASSERT_TRUE(host.loadPlugins(FRAME_TEST_PLUGIN_DIR).ok());
  ASSERT_TRUE(host.startPlugins().empty());
  const host::Registrations& registered = host.registrations();
  const host::FileFormat* format = registered.fileFormats.find("FrameTestConverter Format");
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->title, "FrameTestConverter Drawing");
  EXPECT_EQ(format->options, 519);
  EXPECT_EQ(format->priority, 10000);
  EXPECT_EQ(format->extensions, std::vector<std::string>{"tst"});
  ASSERT_NE(registered.timers.find("FrameTestDrafting_timer"), nullptr);
  EXPECT_EQ(registered.timers.find("FrameTestDrafting_timer")->period, 10);
  const host::MenuItem* about = registered.menuItems.find("FrameTestConverter_about");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->group->name, "About");
  EXPECT_EQ(about->title, "FrameTestConverter...");
  EXPECT_NE(registered.tools.find("FrameTestDrafting Tool"), nullptr);
  EXPECT_NE(registered.notifiers.find("FrameTestDrafting_started"), nullptr);
  // Each plug-in's own item, the shared About group's title item, and each plug-in's item in that group.
  EXPECT_EQ(host.journal().linesStartingWith("menu.item.add").size(), 5u);
  EXPECT_EQ(host.journal().linesStartingWith("menu.group.add \"QM_PLUGINS_ABOUT\"").size(), 1u);

  EXPECT_EQ(host.chooseMenuItem(*about), 0);
  EXPECT_EQ(host.journal().lines().back(), "menu.choose \"FrameTestConverter_about\"");

  // Beeps and cursors reach the host through the system layer, headless into the journal.
  platform::beep();
  platform::setCursor(16060);
  const auto& lines = host.journal().lines();
  EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()), (std::vector<std::string>{"beep", "cursor 16060"}));
  host.shutdownPlugins();
  EXPECT_TRUE(host.leaks().empty());
}

}  // namespace
