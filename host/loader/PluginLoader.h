#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "host/loader/PluginModule.h"
#include "platform/Result.h"

namespace host {

/// The modules of a plug-in folder.
class PluginLoader {
public:
  /// Loads every module (*.so) of folder, in file-name order. A missing folder is an error; a module that does
  /// not load is an error naming it (the modules loaded before it stay loaded).
  platform::Result<void> loadFolder(const std::filesystem::path& folder);
  /// Loads one module file.
  platform::Result<PluginModule*> loadModule(const std::filesystem::path& path);

  /// Loaded modules in load order.
  [[nodiscard]] const std::vector<std::unique_ptr<PluginModule>>& modules() const { return loaded; }
  /// The module behind a plug-in reference, or null when it is not one of ours.
  [[nodiscard]] PluginModule* fromRef(PluginRef ref) const;
  /// The module of that name, or null.
  [[nodiscard]] PluginModule* named(std::string_view name) const;
  /// Drops every module (after the host has shut them down).
  void clear() { loaded.clear(); }

private:
  std::vector<std::unique_ptr<PluginModule>> loaded;
};

}  // namespace host
