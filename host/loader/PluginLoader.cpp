#include "host/loader/PluginLoader.h"

#include <algorithm>

namespace host {

platform::Result<void> PluginLoader::loadFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    return platform::fail("the plug-in folder does not exist", folder.string());
  }
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file() && entry.path().extension() == ".so") files.push_back(entry.path());
  }
  if (error) return platform::fail("the plug-in folder cannot be read: " + error.message(), folder.string());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    platform::Result<PluginModule*> module = loadModule(file);
    if (!module) return module.error();
  }
  return {};
}

platform::Result<PluginModule*> PluginLoader::loadModule(const std::filesystem::path& path) {
  platform::Result<std::unique_ptr<PluginModule>> module = PluginModule::open(path);
  if (!module) return module.error();
  loaded.push_back(std::move(*module));
  return loaded.back().get();
}

PluginModule* PluginLoader::fromRef(PluginRef ref) const {
  for (const auto& module : loaded) {
    if (module->ref() == ref) return module.get();
  }
  return nullptr;
}

PluginModule* PluginLoader::named(std::string_view name) const {
  for (const auto& module : loaded) {
    if (module->name() == name) return module.get();
  }
  return nullptr;
}

}  // namespace host
