#include "plugin-common/PluginFrame.h"

#include <cstdio>
#include <new>

#include "host/sdk/ErrorCodes.h"

namespace plugin {
namespace {

/// Debug name of the global-state record in host memory.
constexpr const char* kGlobalsDebugName = "globals";

}  // namespace

bool PluginFrame::equal(const char* token1, const char* token2) const { return latestBasic->isEqual(token1, token2) != 0; }

HostResult PluginFrame::main(const char* caller, const char* selector, void* message) noexcept {
  if (message == nullptr || static_cast<PluginMessage*>(message)->basic == nullptr) return HOST_BAD_PARAMETER;
  try {
    return route(caller, selector, message);
  } catch (const std::bad_alloc&) {
    return HOST_OUT_OF_MEMORY;
  } catch (...) {
    return HOST_INTERNAL_ERROR;
  }
}

HostResult PluginFrame::route(const char* caller, const char* selector, void* message) {
  auto* common = static_cast<PluginMessage*>(message);
  latestBasic = common->basic;

  // The host may drop the code after "Unload": no suites, no dialogs around these two.
  if (equal(caller, CALLER_SP_ACCESS)) {
    if (equal(selector, SELECTOR_UNLOAD)) return unloadStep(common);
    if (equal(selector, SELECTOR_RELOAD)) return reloadStep(common);
    return HOST_NO_ERROR;
  }

  HostResult result = acquireSuites(latestBasic);
  if (result == HOST_NO_ERROR) result = runHandler(caller, selector, message);
  // 1 and 'S!Fd' are reported elsewhere or not at all: the host's own conventions.
  if (result != HOST_NO_ERROR && result != 1 && result != HOST_SUITE_NOT_FOUND) reportError(common, result);
  releaseSuites(latestBasic);  // the handler's result (or the acquisition error) is what the host hears
  return result;
}

HostResult PluginFrame::runHandler(const char* caller, const char* selector, void* message) noexcept {
  auto* common = static_cast<PluginMessage*>(message);
  try {
    if (!equal(caller, CALLER_SP_INTERFACE)) return config.handlers.onMessage(caller, selector, message);
    if (equal(selector, SELECTOR_STARTUP)) return startupStep(common);
    if (equal(selector, SELECTOR_ABOUT)) {
      config.handlers.onAbout(common);
      return HOST_NO_ERROR;  // whatever the about box did
    }
    if (equal(selector, SELECTOR_SHUTDOWN)) return shutdownStep(common);
    return HOST_NO_ERROR;
  } catch (const std::bad_alloc&) {
    return HOST_OUT_OF_MEMORY;
  } catch (...) {
    // A handler must not let an exception out; the suites still have to be released, so it becomes a result.
    return HOST_INTERNAL_ERROR;
  }
}

HostResult PluginFrame::startupStep(PluginMessage* message) {
  const BlocksSuite* blocks = held.get<BlocksSuite>();
  void* record = nullptr;
  if (HostResult error = blocks->allocateBlock(config.globalsSize, kGlobalsDebugName, &record); error != HOST_NO_ERROR) {
    return error;
  }
  globalState = record;
  return config.handlers.onStartup(message);
}

HostResult PluginFrame::unloadStep(PluginMessage* message) {
  if (message->globals != nullptr) config.handlers.onUnload(message);
  message->globals = globalState;
  return HOST_NO_ERROR;
}

HostResult PluginFrame::reloadStep(PluginMessage* message) {
  HostResult result = HOST_NO_ERROR;
  if (message->globals != nullptr) result = config.handlers.onReload(message);
  globalState = message->globals;
  // Whatever acquisition was open when the code was dropped is gone with it.
  nestCount = 0;
  return result;
}

HostResult PluginFrame::shutdownStep(PluginMessage* message) {
  config.handlers.onShutdown(message);
  const void* table = nullptr;
  HostResult result = latestBasic->acquireSuite(SUITE_SP_BLOCKS, BLOCKS_SUITE_VERSION, &table);
  if (result == HOST_NO_ERROR) {
    static_cast<const BlocksSuite*>(table)->freeBlock(globalState);
    globalState = nullptr;
    latestBasic->releaseSuite(SUITE_SP_BLOCKS, BLOCKS_SUITE_VERSION);
  }
  message->globals = nullptr;
  return result;
}

HostResult PluginFrame::acquireSuites(const BasicSuite* basic) {
  HostResult result = HOST_NO_ERROR;
  if (nestCount == 0) {
    for (const SuiteImport& row : config.suiteTable) {
      const void* table = nullptr;
      result = basic->acquireSuite(row.name, row.version, &table);
      if (result != HOST_NO_ERROR) {
        if (const AdmBasicSuite* dialogBasic = held.get<AdmBasicSuite>()) {
          char text[512];
          std::snprintf(text, sizeof text, "Error: %d, suite: %s, version: %d!", static_cast<int>(result), row.name,
                        static_cast<int>(row.version));
          dialogBasic->errorAlert(text);
        }
        break;
      }
      held.set(row.destination, table);
    }
  }
  ++nestCount;
  return result;
}

HostResult PluginFrame::releaseSuites(const BasicSuite* basic) {
  HostResult result = HOST_NO_ERROR;
  if (nestCount == 1) {
    for (const SuiteImport& row : config.suiteTable) {
      if (!held.holds(row.destination)) continue;
      result = basic->releaseSuite(row.name, row.version);
      if (result != HOST_NO_ERROR) break;  // this slot and the later ones stay as they are
      held.set(row.destination, nullptr);
    }
  }
  --nestCount;
  return result;
}

HostResult acquireSuites(const BasicSuite* basic) { return pluginFrame().acquireSuites(basic); }
HostResult releaseSuites(const BasicSuite* basic) { return pluginFrame().releaseSuites(basic); }
void reportError(PluginMessage* message, HostResult error) { pluginFrame().reportError(message, error); }

}  // namespace plugin
