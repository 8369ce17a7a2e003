#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "host/dialogs/Resources.h"
#include "host/sdk/PluginMessages.h"
#include "platform/Result.h"

namespace host {

/// One plug-in module in the plug-in folder: its code (loaded with dlopen, possibly dropped while idle), its
/// resources (read once, kept), and what the host keeps for it between calls.
class PluginModule {
public:
  /// Loads the module at path, finds PluginMain and reads its resources. Errors name the file.
  static platform::Result<std::unique_ptr<PluginModule>> open(const std::filesystem::path& path);
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  /// The module's name: its file name without the extension.
  [[nodiscard]] const std::string& name() const { return moduleName; }
  [[nodiscard]] const std::filesystem::path& path() const { return modulePath; }
  /// The handle plug-ins get as their plug-in reference.
  [[nodiscard]] PluginRef ref() const { return reinterpret_cast<PluginRef>(const_cast<PluginModule*>(this)); }
  [[nodiscard]] const ResourceSet& resources() const { return resourceSet; }

  /// True while the code is loaded.
  [[nodiscard]] bool codeLoaded() const { return library != nullptr; }
  /// Loads the code again after unloadCode.
  platform::Result<void> loadCode();
  /// Drops the code (dlclose); the resources and the kept global-state pointer stay.
  void unloadCode();
  /// Calls PluginMain; the code must be loaded.
  HostResult call(const char* caller, const char* selector, void* message);

  /// The global-state pointer the host keeps for the plug-in (written back from every message).
  void* globals = nullptr;
  /// "Startup" succeeded and "Shutdown" has not been sent.
  bool started = false;
  /// Messages to this plug-in in progress (a plug-in may cause the host to call it again).
  int callDepth = 0;

private:
  explicit PluginModule(std::filesystem::path path);
  platform::Result<void> readResources();

  std::filesystem::path modulePath;
  std::string moduleName;
  void* library = nullptr;
  PluginMainProc entry = nullptr;
  ResourceSet resourceSet;
};

}  // namespace host
