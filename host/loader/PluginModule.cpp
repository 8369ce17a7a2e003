#include "host/loader/PluginModule.h"

#include <dlfcn.h>

#include <string_view>

#include "host/sdk/PluginResources.h"

namespace host {

PluginModule::PluginModule(std::filesystem::path path)
    : modulePath(std::move(path)), moduleName(modulePath.stem().string()) {}

PluginModule::~PluginModule() { unloadCode(); }

platform::Result<std::unique_ptr<PluginModule>> PluginModule::open(const std::filesystem::path& path) {
  std::unique_ptr<PluginModule> module(new PluginModule(path));
  if (platform::Result<void> loaded = module->loadCode(); !loaded) return loaded.error();
  if (platform::Result<void> read = module->readResources(); !read) return read.error();
  return module;
}

platform::Result<void> PluginModule::loadCode() {
  if (library != nullptr) return {};
  // RTLD_LOCAL: each plug-in keeps its own copy of the shared plug-in code.
  library = dlopen(modulePath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* reason = dlerror();
    return platform::fail(std::string("the module does not load: ") + (reason != nullptr ? reason : "unknown reason"),
                          modulePath.string());
  }
  entry = reinterpret_cast<PluginMainProc>(dlsym(library, PLUGIN_MAIN_SYMBOL));
  if (entry == nullptr) {
    dlclose(library);
    library = nullptr;
    return platform::fail("the module has no " PLUGIN_MAIN_SYMBOL, modulePath.string());
  }
  return {};
}

void PluginModule::unloadCode() {
  if (library == nullptr) return;
  dlclose(library);
  library = nullptr;
  entry = nullptr;
}

HostResult PluginModule::call(const char* caller, const char* selector, void* message) {
  return entry(caller, selector, message);
}

platform::Result<void> PluginModule::readResources() {
  auto list = reinterpret_cast<PluginResourcesProc>(dlsym(library, PLUGIN_RESOURCES_SYMBOL));
  if (list == nullptr) return {};  // a module without resources is allowed
  int32_t count = 0;
  const PluginResourceFile* files = list(&count);
  for (int32_t index = 0; index < count; ++index) {
    const PluginResourceFile& file = files[index];
    std::string_view name = file.name;
    std::string_view bytes(reinterpret_cast<const char*>(file.data), static_cast<size_t>(file.size));
    std::string where = modulePath.filename().string() + "(" + std::string(name) + ")";
    if (name.ends_with(".png")) {
      // The image's number is its file name; the error names the module and the file.
      platform::Result<void> added = resourceSet.addImage(name, bytes);
      if (!added) return platform::fail(added.error().message, where);
      continue;
    }
    platform::Result<void> added = resourceSet.addXml(where, bytes);
    if (!added) return added;
  }
  return {};
}

}  // namespace host
