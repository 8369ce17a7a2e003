#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/dialogs/DialogManager.h"
#include "host/document/Document.h"
#include "host/dialogs/HeadlessDriver.h"
#include "host/dialogs/Journal.h"
#include "host/loader/PluginLoader.h"
#include "host/loader/Registrations.h"
#include "host/sdk/PluginMessages.h"
#include "host/suites/BlockHeap.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteRegistry.h"
#include "host/suites/TextEngineObjects.h"
#include "platform/Result.h"
#include "platform/WindowOwner.h"

namespace host {

/// Owns the windows while no window system does: beeps and cursors go into the journal; the windows are the
/// dialogs on show, in the system code page.
class JournalWindowOwner : public platform::WindowOwner {
public:
  JournalWindowOwner(Journal& journal, const DialogManager& dialogs) : journal(journal), dialogs(dialogs) {}
  void beep() override { journal.record("beep"); }
  void setCursor(int32_t cursorId) override { journal.record("cursor " + std::to_string(cursorId)); }
  [[nodiscard]] std::vector<std::string> topLevelWindowTitles() const override;

private:
  Journal& journal;
  const DialogManager& dialogs;
};

/// The host application: loads plug-in modules, lends them its suites, sends them messages, runs their timers
/// and dialogs. One host runs per process at a time.
class Host {
public:
  /// Starts a headless host: every suite registered, the host's own menu groups created, dialogs answered by the
  /// headless driver, and the host registered as the window owner.
  Host();
  /// Shuts down every started plug-in and unloads the modules.
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  /// Loads every module of folder (see PluginLoader::loadFolder); call startPlugins afterwards.
  platform::Result<void> loadPlugins(const std::filesystem::path& folder);
  /// Loads one module file.
  platform::Result<PluginModule*> loadPlugin(const std::filesystem::path& path);
  /// Sends "SP Interface"/"Startup" to each loaded module not started yet, in load order. Returns the modules
  /// whose start-up failed, each with its result.
  std::vector<std::pair<PluginModule*, HostResult>> startPlugins();
  /// Sends "SP Interface"/"Shutdown" to every started module, last loaded first.
  void shutdownPlugins();

  /// Sends one message to module: loads its code again if it was unloaded (with "SP Access"/"Reload"), fills in
  /// the common fields of message, calls PluginMain and keeps the global-state pointer the plug-in left in it.
  HostResult send(PluginModule& module, const char* caller, const char* selector, PluginMessage& message);
  /// Chooses a menu item as a person would: "AI Menu"/"AI Go" to the item's plug-in.
  HostResult chooseMenuItem(const MenuItem& item);
  /// The registered format, of those whose capabilities include any bit of option, that handles extension
  /// (without the dot, any case), highest priority first; null when none does.
  [[nodiscard]] const FileFormat* formatFor(std::string_view extension, int32_t option) const;
  /// Sends one "AI File Format" message about file to the format's plug-in.
  HostResult sendFileFormat(const FileFormat& format, const char* selector, int32_t option, const std::filesystem::path& file);
  /// Saves the current document to file through format as the host's Save As (option FILE_FORMAT_WRITE) or
  /// Export (FILE_FORMAT_EXPORT) does: "AI Get Parameters", then, unless that declined, "AI Go". Returns the
  /// first non-zero result ('STOP' when the plug-in or the user declined), or 0.
  HostResult saveDocument(const FileFormat& format, int32_t option, const std::filesystem::path& file);
  /// Advances the virtual clock by ticks, firing every timer that falls due on the way, in time order.
  void advanceClock(int64_t ticks);

  /// Sends "SP Access"/"Unload" to a started module and drops its code; its next message loads it again.
  void unloadPlugin(PluginModule& module) { unloadCode(module); }
  /// When on, a plug-in whose message is done and which has no dialog open is sent "SP Access"/"Unload" and its
  /// code dropped; the next message loads it again and sends "Reload" first.
  void setUnloadIdle(bool unload) { unloadIdle = unload; }

  /// What plug-ins left behind: open suite acquisitions and live blocks, one line each.
  [[nodiscard]] std::vector<std::string> leaks() const;

  /// The current document (a new, empty one when the host starts).
  [[nodiscard]] Document& document() { return *currentDocument; }
  /// Makes replacement the current document; the previous one and every handle into it go away.
  void replaceDocument(std::unique_ptr<Document> replacement);

  [[nodiscard]] Journal& journal() { return record; }
  [[nodiscard]] DialogManager& dialogs() { return dialogManager; }
  [[nodiscard]] HeadlessDriver& headless() { return headlessDriver; }
  [[nodiscard]] SuiteRegistry& suites() { return suiteRegistry; }
  [[nodiscard]] BlockHeap& blocks() { return blockHeap; }
  [[nodiscard]] Registrations& registrations() { return registered; }
  [[nodiscard]] PluginLoader& loader() { return pluginLoader; }

private:
  void unloadCode(PluginModule& module);
  HostResult sendLife(PluginModule& module, const char* caller, const char* selector);

  Journal record;
  HeadlessDriver headlessDriver;
  DialogManager dialogManager{record, headlessDriver};
  JournalWindowOwner windowOwner{record, dialogManager};
  SuiteRegistry suiteRegistry;
  BlockHeap blockHeap;
  Registrations registered;
  PluginLoader pluginLoader;
  std::unique_ptr<Document> currentDocument = std::make_unique<Document>();
  TextEngineObjects textObjects;
  HostServices published;
  bool unloadIdle = false;
};

}  // namespace host
