#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/sdk/PluginMessages.h"
#include "plugin-common/SuiteTable.h"

namespace plugin {

/// What a plug-in supplies to the frame: its handlers, called only by the frame.
struct PluginHandlers {
  /// "Startup": the global-state record exists, zero-filled. A non-zero result is returned to the host.
  HostResult (*onStartup)(PluginMessage* message);
  /// "Shutdown": before the record is freed.
  void (*onShutdown)(PluginMessage* message);
  /// "Reload": the record is back; its result is returned to the host.
  HostResult (*onReload)(PluginMessage* message);
  /// "Unload": the code may be dropped after this.
  void (*onUnload)(PluginMessage* message);
  /// The host's About command for this plug-in.
  void (*onAbout)(PluginMessage* message);
  /// Every other caller (menus, tools, timers, notifiers, file formats); message is the caller's record.
  HostResult (*onMessage)(const char* caller, const char* selector, void* message);
};

/// The three things in which the frame differs between plug-ins.
struct FrameConfig {
  /// The suites acquired around every call, in order.
  std::span<const SuiteImport> suiteTable;
  /// Size of the plug-in's global-state record.
  size_t globalsSize = 0;
  PluginHandlers handlers{};
};

/// The code around PluginMain that both plug-ins share: routes every host call, acquires the plug-in's suites
/// before any plug-in code runs and releases them afterwards, keeps the global-state record across unload and
/// reload, and shows the error dialog for a failing result.
class PluginFrame {
public:
  explicit PluginFrame(FrameConfig config) : config(config) {}

  /// The body of PluginMain. No exception leaves it.
  HostResult main(const char* caller, const char* selector, void* message) noexcept;

  /// Acquires every suite of the table when no acquisition is open; calls nest, and only the outermost pair
  /// does work. Returns the failing row's error, or 0.
  HostResult acquireSuites(const BasicSuite* basic);
  /// Releases what acquireSuites acquired when the outermost acquisition closes. Returns the failing release's
  /// error, or 0.
  HostResult releaseSuites(const BasicSuite* basic);
  /// Shows the "Plug-in Error" dialog for error, unless it is 0 or 'STOP' or the dialog suites are not held.
  void reportError(PluginMessage* message, HostResult error);

  /// The suites held now.
  [[nodiscard]] const HostSuites& suites() const { return held; }
  /// The plug-in's global-state record (null before "Startup" and after "Shutdown").
  [[nodiscard]] void* globals() const { return globalState; }
  /// Open acquisitions.
  [[nodiscard]] int16_t suiteNestCount() const { return nestCount; }
  /// The basic suite of the latest message.
  [[nodiscard]] const BasicSuite* latestBasicSuite() const { return latestBasic; }

private:
  HostResult route(const char* caller, const char* selector, void* message);
  HostResult runHandler(const char* caller, const char* selector, void* message) noexcept;
  HostResult startupStep(PluginMessage* message);
  HostResult unloadStep(PluginMessage* message);
  HostResult reloadStep(PluginMessage* message);
  HostResult shutdownStep(PluginMessage* message);
  [[nodiscard]] bool equal(const char* token1, const char* token2) const;

  FrameConfig config;
  HostSuites held;
  int16_t nestCount = 0;
  void* globalState = nullptr;
  const BasicSuite* latestBasic = nullptr;
};

/// The frame of the module this code is linked into. Each plug-in module defines it beside its PluginMain.
PluginFrame& pluginFrame();

/// acquireSuites, releaseSuites and reportError of this module's frame, for plug-in code.
HostResult acquireSuites(const BasicSuite* basic);
HostResult releaseSuites(const BasicSuite* basic);
void reportError(PluginMessage* message, HostResult error);

}  // namespace plugin
