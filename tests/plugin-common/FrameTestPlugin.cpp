// A plug-in that uses the entry frame with one of the two suite tables (FRAME_TEST_DRAFTING_TABLE chooses),
// registers one of everything at start-up, and answers CALLER_FRAME_TEST messages so that tests can watch the
// frame from the host's side.

#include <cstring>

#include "host/sdk/ErrorCodes.h"
#include "plugin-common/LengthPrefixed.h"
#include "plugin-common/PluginFrame.h"
#include "tests/plugin-common/FrameTestMessage.h"

namespace {

struct Globals {
  TimerHandle timer;
  int32_t timerFirings;
};

Globals& globals() { return *static_cast<Globals*>(plugin::pluginFrame().globals()); }

std::span<const plugin::SuiteImport> suiteTable() {
#ifdef FRAME_TEST_DRAFTING_TABLE
  return plugin::draftingSuiteTable();
#else
  return plugin::converterSuiteTable();
#endif
}

/// Registers one of each kind that its table lets it: both tables have menus and timers; only the converter's
/// has file formats, only the drafting plug-in's tools and notifiers.
HostResult onStartup(PluginMessage* message) {
  const plugin::HostSuites& suites = plugin::pluginFrame().suites();
  char itemTitle[256] = FRAME_TEST_NAME "...";
  MenuItemHandle item = nullptr;
  if (HostResult error = suites.get<MenuSuite>()->addMenuItem(message->self, FRAME_TEST_NAME "_about", MENU_GROUP_ABOUT,
                                                              plugin::toLengthPrefixed(itemTitle), 0, &item)) {
    return error;
  }
  if (HostResult error = suites.get<TimerSuite>()->addTimer(message->self, FRAME_TEST_NAME "_timer", 10, &globals().timer)) {
    return error;
  }
  if (const FileFormatSuite* formats = suites.get<FileFormatSuite>()) {
    char title[256] = FRAME_TEST_NAME " Drawing";
    FileFormatData format{0, 0, plugin::toLengthPrefixed(title), "tst"};
    FileFormatHandle handle = nullptr;
    constexpr int32_t kCapabilities = FILE_FORMAT_READ | FILE_FORMAT_EXPORT | FILE_FORMAT_IMPORT_ART | FILE_FORMAT_WRITE;
    if (HostResult error = formats->addFileFormat(message->self, FRAME_TEST_NAME " Format", &format, kCapabilities, &handle)) {
      return error;
    }
    if (HostResult error = formats->setFileFormatPriority(handle, 10000)) return error;
  }
  if (const ToolSuite* tools = suites.get<ToolSuite>()) {
    ToolData tool{FRAME_TEST_NAME " Tool", "A tool that does nothing", 16251, nullptr, nullptr};
    ToolHandle handle = nullptr;
    if (HostResult error = tools->addTool(message->self, FRAME_TEST_NAME " Tool", &tool, 0, &handle)) return error;
  }
  if (const NotifierSuite* notifiers = suites.get<NotifierSuite>()) {
    NotifierHandle handle = nullptr;
    return notifiers->addNotifier(message->self, FRAME_TEST_NAME "_started", NOTIFIER_APPLICATION_STARTED, &handle);
  }
  return HOST_NO_ERROR;
}

void onShutdown(PluginMessage*) {}
HostResult onReload(PluginMessage*) { return HOST_NO_ERROR; }
void onUnload(PluginMessage*) {}

void onAbout(PluginMessage*) {
  plugin::pluginFrame().suites().get<AdmBasicSuite>()->messageAlert(FRAME_TEST_NAME " about box");
}

HostResult onFrameTest(const char* selector, FrameTestMessage& test) {
  ++test.handlerRuns;
  plugin::PluginFrame& frame = plugin::pluginFrame();
  const BasicSuite* basic = test.d.basic;
  auto is = [&](const char* name) { return basic->isEqual(selector, name) != 0; };
  if (is(SELECTOR_RETURN)) return test.code;
  if (is(SELECTOR_NESTED)) {
    plugin::acquireSuites(basic);
    plugin::acquireSuites(basic);
    plugin::releaseSuites(basic);
    plugin::releaseSuites(basic);
    return HOST_NO_ERROR;
  }
  if (is(SELECTOR_HOLD)) return plugin::acquireSuites(basic);
  if (is(SELECTOR_INSPECT)) {
    test.heldSuites = 0;
    for (const plugin::SuiteImport& row : suiteTable()) test.heldSuites += frame.suites().holds(row.destination) ? 1 : 0;
    test.nestCount = frame.suiteNestCount();
    test.timerFirings = globals().timerFirings;
  }
  return HOST_NO_ERROR;
}

HostResult onMessage(const char* caller, const char* selector, void* message) {
  const BasicSuite* basic = static_cast<PluginMessage*>(message)->basic;
  if (basic->isEqual(caller, CALLER_FRAME_TEST)) return onFrameTest(selector, *static_cast<FrameTestMessage*>(message));
  if (basic->isEqual(caller, CALLER_TIMER) && static_cast<TimerMessage*>(message)->timer == globals().timer) {
    ++globals().timerFirings;
  }
  return HOST_NO_ERROR;
}

}  // namespace

plugin::PluginFrame& plugin::pluginFrame() {
  static PluginFrame frame{FrameConfig{suiteTable(), sizeof(Globals),
                                       PluginHandlers{onStartup, onShutdown, onReload, onUnload, onAbout, onMessage}}};
  return frame;
}

PLUGIN_EXPORT HostResult PluginMain(const char* caller, const char* selector, void* message) {
  return plugin::pluginFrame().main(caller, selector, message);
}
