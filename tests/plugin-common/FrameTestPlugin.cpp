// A plug-in that uses the entry frame with one of the two suite tables (FRAME_TEST_DRAFTING_TABLE chooses),
// registers one of everything at start-up, and answers CALLER_FRAME_TEST messages so that tests can watch the
// frame from the host's side.

#include <cstdio>
#include <cstring>
#include <string>

#include "host/sdk/ArtConstants.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/AboutBox.h"
#include "plugin-common/LengthPrefixed.h"
#include "plugin-common/PluginFrame.h"
#include "plugin-common/TextEngine.h"
#include "host/sdk/FileFormatSuite.h"
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
  // Also an item in the About group the plug-ins of the family share.
  MenuItemHandle sharedItem = nullptr;
  if (HostResult error = plugin::addAboutMenu(message->self, plugin::LanguageId::ENGLISH, FRAME_TEST_NAME, &sharedItem)) {
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

/// Creates "Ø25±0.1" over "Right" at (100, 200) in the first font at 24 pt, red, the second paragraph right
/// justified, and reports the lines as the text engine lays them out.
HostResult writeAndReadText(FrameTestMessage& test) {
  const plugin::HostSuites& suites = plugin::pluginFrame().suites();
  std::string report;
  try {
    ArtHandle art = nullptr;
    plugin::check(suites.get<TextFrameSuite>()->newPointText(PAINT_ORDER_ABOVE_ALL, nullptr, TEXT_ORIENTATION_HORIZONTAL,
                                                             HostRealPoint{100, 200}, &art));
    plugin::TextFrame frame = plugin::TextFrame::of(art);
    plugin::TextRange range = frame.textRange();
    range.insertAfter("\xC3\x98" "25\xC2\xB1" "0.1\rRight");

    FontHandle firstFont = nullptr;
    plugin::check(suites.get<FontSuite>()->indexFontList(0, &firstFont));
    plugin::CharFeatures features = plugin::CharFeatures::create();
    features.setFont(firstFont);
    features.setFontSize(24);
    HostColor red{};
    red.kind = COLOR_KIND_THREE;
    red.c.three = {1, 0, 0};
    features.setFillColor(plugin::ApplicationPaint::of(red));
    range.setLocalCharFeatures(features);

    plugin::TextRange second = frame.textRange();
    second.setRange(8, 13);
    plugin::ParaFeatures right = plugin::ParaFeatures::create();
    right.setJustification(JUSTIFY_RIGHT);
    second.setLocalParaFeatures(right);

    for (plugin::TextLinesIterator lines = frame.lines(); lines.isNotDone(); lines.next()) {
      plugin::TextLine line = lines.item();
      std::optional<int32_t> justification = line.textRange().paraFeatures().justification();
      for (plugin::GlyphRunsIterator runs = line.glyphRuns(); runs.isNotDone(); runs.next()) {
        plugin::GlyphRun run = runs.item();
        HostRealPoint origin = run.origin();
        plugin::CharFeatures runFeatures = run.charFeatures();
        HostColor fill = runFeatures.fillColor()->color();
        char text[200];
        std::snprintf(text, sizeof text, "line \"%s\" justification %d at %.2f,%.2f size %.0f red %.0f\n",
                      run.contentsUtf8().c_str(), justification.value_or(-1), static_cast<double>(origin.h),
                      static_cast<double>(origin.v), static_cast<double>(runFeatures.fontSize().value_or(0)),
                      static_cast<double>(fill.c.three.red));
        report += text;
      }
    }
    ArtHandle outlines = nullptr;
    plugin::check(suites.get<TextFrameSuite>()->createOutline(art, &outlines));
    report += outlines != nullptr ? "outlines\n" : "no outlines\n";
  } catch (const plugin::TextEngineError& error) {
    return error.code;
  }
  std::snprintf(test.report, sizeof test.report, "%s", report.c_str());
  return HOST_NO_ERROR;
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
  if (is(SELECTOR_TEXT)) return writeAndReadText(test);
  if (is(SELECTOR_INSPECT)) {
    test.heldSuites = 0;
    for (const plugin::SuiteImport& row : suiteTable()) test.heldSuites += frame.suites().holds(row.destination) ? 1 : 0;
    test.nestCount = frame.suiteNestCount();
    test.timerFirings = globals().timerFirings;
  }
  return HOST_NO_ERROR;
}

/// Its file format: declines files whose name holds "decline", writes one line into the others.
HostResult onFileFormat(const char* selector, FileFormatMessage& message) {
  const FilePathSuite* paths = plugin::pluginFrame().suites().get<FilePathSuite>();
  char path[1024];
  if (paths == nullptr || paths->getFullPath(message.file, path, sizeof path) != HOST_NO_ERROR) return HOST_BAD_PARAMETER;
  if (message.d.basic->isEqual(selector, SELECTOR_GET_PARAMETERS)) return std::strstr(path, "decline") != nullptr ? HOST_STOP : HOST_NO_ERROR;
  if (!message.d.basic->isEqual(selector, SELECTOR_GO)) return HOST_NO_ERROR;
  std::FILE* file = std::fopen(path, "w");
  if (file == nullptr) return HOST_NO_ERROR;  // like the converter: the host finds out by itself
  std::fputs(FRAME_TEST_NAME " drawing\n", file);
  std::fclose(file);
  return HOST_NO_ERROR;
}

HostResult onMessage(const char* caller, const char* selector, void* message) {
  const BasicSuite* basic = static_cast<PluginMessage*>(message)->basic;
  if (basic->isEqual(caller, CALLER_FILE_FORMAT)) return onFileFormat(selector, *static_cast<FileFormatMessage*>(message));
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
