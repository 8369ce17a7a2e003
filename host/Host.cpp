#include "host/Host.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "host/sdk/FileFormatSuite.h"
#include "host/sdk/MenuSuite.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/TextSupport.h"
#include "platform/AsciiText.h"

namespace host {
namespace {

/// The host's own menu groups, which plug-ins add their items to.
constexpr std::array kHostMenuGroups{MENU_GROUP_ABOUT, MENU_GROUP_FILTERS, MENU_GROUP_OBJECT_UTILITIES,
                                     MENU_GROUP_WINDOW_UTILITIES};

}  // namespace

std::vector<std::string> JournalWindowOwner::topLevelWindowTitles() const {
  std::vector<std::string> titles;
  for (const std::string& title : dialogs.visibleTitles()) titles.push_back(toSystemCodePage(title));
  return titles;
}

Host::Host() {
  published.suites = &suiteRegistry;
  published.blocks = &blockHeap;
  published.dialogs = &dialogManager;
  published.journal = &record;
  published.registrations = &registered;
  published.loader = &pluginLoader;
  published.document = currentDocument.get();
  published.textObjects = &textObjects;
  setServices(&published);
  registerAllSuites(suiteRegistry);
  for (const char* group : kHostMenuGroups) registered.menuGroups.add(MenuGroup{group});
  platform::setWindowOwner(&windowOwner);
}

Host::~Host() {
  shutdownPlugins();
  pluginLoader.clear();
  platform::setWindowOwner(nullptr);
  setServices(nullptr);
}

platform::Result<void> Host::loadPlugins(const std::filesystem::path& folder) { return pluginLoader.loadFolder(folder); }

platform::Result<PluginModule*> Host::loadPlugin(const std::filesystem::path& path) { return pluginLoader.loadModule(path); }

HostResult Host::sendLife(PluginModule& module, const char* caller, const char* selector) {
  PluginMessage message{};
  return send(module, caller, selector, message);
}

std::vector<std::pair<PluginModule*, HostResult>> Host::startPlugins() {
  std::vector<std::pair<PluginModule*, HostResult>> failed;
  for (const auto& module : pluginLoader.modules()) {
    if (module->started) continue;
    HostResult result = sendLife(*module, CALLER_SP_INTERFACE, SELECTOR_STARTUP);
    if (result == HOST_NO_ERROR) {
      module->started = true;
      if (unloadIdle && dialogManager.dialogsOf(module->ref()) == 0) unloadCode(*module);
    } else {
      record.record("plugin.startup-failed " + quote(module->name()) + " result " + std::to_string(result));
      failed.emplace_back(module.get(), result);
    }
  }
  return failed;
}

void Host::shutdownPlugins() {
  const auto& modules = pluginLoader.modules();
  for (auto module = modules.rbegin(); module != modules.rend(); ++module) {
    if (!(*module)->started) continue;
    (*module)->started = false;
    sendLife(**module, CALLER_SP_INTERFACE, SELECTOR_SHUTDOWN);
  }
}

HostResult Host::send(PluginModule& module, const char* caller, const char* selector, PluginMessage& message) {
  if (!module.codeLoaded()) {
    if (platform::Result<void> loaded = module.loadCode(); !loaded) {
      record.record("plugin.reload-failed " + quote(module.name()) + " " + quote(loaded.error().describe()));
      return HOST_INTERNAL_ERROR;
    }
    PluginMessage reload{module.ref(), module.globals, &basicSuite()};
    ++module.callDepth;
    module.call(CALLER_SP_ACCESS, SELECTOR_RELOAD, &reload);
    --module.callDepth;
    module.globals = reload.globals;
  }
  message.self = module.ref();
  message.globals = module.globals;
  message.basic = &basicSuite();
  ++module.callDepth;
  published.callers.push_back(&module);
  HostResult result = module.call(caller, selector, &message);
  published.callers.pop_back();
  --module.callDepth;
  module.globals = message.globals;
  if (unloadIdle && module.started && module.callDepth == 0 && dialogManager.dialogsOf(module.ref()) == 0) {
    unloadCode(module);
  }
  return result;
}

void Host::unloadCode(PluginModule& module) {
  PluginMessage unload{module.ref(), module.globals, &basicSuite()};
  ++module.callDepth;
  module.call(CALLER_SP_ACCESS, SELECTOR_UNLOAD, &unload);
  --module.callDepth;
  module.globals = unload.globals;
  module.unloadCode();
}

const FileFormat* Host::formatFor(std::string_view extension, int32_t option) const {
  std::string wanted = platform::lowerAsciiText(extension);
  const FileFormat* best = nullptr;
  for (const auto& format : registered.fileFormats.all()) {
    bool handles = std::find(format->extensions.begin(), format->extensions.end(), wanted) != format->extensions.end();
    if (handles && (format->options & option) != 0 && format->plugin->started && (best == nullptr || format->priority > best->priority)) {
      best = format.get();
    }
  }
  return best;
}

HostResult Host::sendFileFormat(const FileFormat& format, const char* selector, int32_t option, const std::filesystem::path& file) {
  PluginModule* module = pluginLoader.fromRef(format.plugin->ref());
  if (module == nullptr || !module->started) return HOST_BAD_HANDLE;
  FileFormatMessage message{};
  message.fileFormat = reinterpret_cast<FileFormatHandle>(const_cast<FileFormat*>(&format));
  message.option = option;
  message.file = reinterpret_cast<FilePathRef>(const_cast<std::filesystem::path*>(&file));
  published.openFiles.push_back(&file);
  HostResult result = send(*module, CALLER_FILE_FORMAT, selector, message.d);
  published.openFiles.pop_back();
  return result;
}

HostResult Host::saveDocument(const FileFormat& format, int32_t option, const std::filesystem::path& file) {
  record.record("file.save " + quote(format.name) + " option " + std::to_string(option) + " " + quote(file.string()));
  if (HostResult result = sendFileFormat(format, SELECTOR_GET_PARAMETERS, option, file); result != HOST_NO_ERROR) return result;
  return sendFileFormat(format, SELECTOR_GO, option, file);
}

HostResult Host::chooseMenuItem(const MenuItem& item) {
  PluginModule* module = pluginLoader.fromRef(item.plugin->ref());
  if (module == nullptr || !module->started) return HOST_BAD_HANDLE;
  record.record("menu.choose " + quote(item.name));
  MenuMessage message{};
  message.menuItem = reinterpret_cast<MenuItemHandle>(const_cast<MenuItem*>(&item));
  return send(*module, CALLER_MENU, SELECTOR_GO, message.d);
}

void Host::advanceClock(int64_t ticks) {
  const int64_t target = registered.clock + ticks;
  for (;;) {
    Timer* next = nullptr;
    for (const auto& timer : registered.timers.all()) {
      if (timer->active && timer->due <= target && timer->plugin->started && (next == nullptr || timer->due < next->due)) {
        next = timer.get();
      }
    }
    if (next == nullptr) break;
    registered.clock = next->due;
    next->due += next->period;
    TimerMessage message{};
    message.timer = reinterpret_cast<TimerHandle>(next);
    send(*const_cast<PluginModule*>(next->plugin), CALLER_TIMER, SELECTOR_GO, message.d);
  }
  registered.clock = target;
}

void Host::replaceDocument(std::unique_ptr<Document> replacement) {
  if (!replacement) throw std::invalid_argument("the host always has a document");
  currentDocument = std::move(replacement);
  published.document = currentDocument.get();
}

std::vector<std::string> Host::leaks() const {
  std::vector<std::string> found;
  for (const std::string& suite : suiteRegistry.openSuites()) found.push_back("suite still acquired: " + suite);
  for (const std::string& block : blockHeap.liveBlocks()) found.push_back("block not freed: " + block);
  if (textObjects.liveCount() > 0) {
    found.push_back("text-engine references not released: " + std::to_string(textObjects.liveCount()));
  }
  return found;
}

}  // namespace host
