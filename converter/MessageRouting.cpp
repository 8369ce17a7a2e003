// The converter's messages, routed by caller and selector through one table. Any other pair returns 0.

#include <array>

#include "converter/ConverterPlugin.h"
#include "converter/FileFormatHandlers.h"
#include "converter/PageSetupSnapshot.h"
#include "converter/PluginGlobals.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/FileFormatSuite.h"

namespace converter {
namespace {

HostResult onMenuUpdate(void*) { return HOST_NO_ERROR; }
HostResult onMenuGo(void* message) {
  auto* menu = static_cast<MenuMessage*>(message);
  if (menu->menuItem != nullptr && menu->menuItem == globals().aboutMenuItem) showAboutBox(menu->d.self);
  return HOST_NO_ERROR;
}
HostResult onGetParameters(void* message) { return getParameters(static_cast<FileFormatMessage*>(message)); }
HostResult onGo(void* message) { return runFileFormat(static_cast<FileFormatMessage*>(message)); }
HostResult onCheck(void* message) { return checkFile(static_cast<FileFormatMessage*>(message)); }
HostResult onTimerGo(void* message) { return onTimer(static_cast<TimerMessage*>(message)); }

struct Route {
  const char* caller;
  const char* selector;
  HostResult (*handler)(void* message);
};

constexpr std::array kRoutes{
    Route{CALLER_MENU, SELECTOR_GO, onMenuGo},
    Route{CALLER_MENU, SELECTOR_UPDATE, onMenuUpdate},
    Route{CALLER_FILE_FORMAT, SELECTOR_GET_PARAMETERS, onGetParameters},
    Route{CALLER_FILE_FORMAT, SELECTOR_GO, onGo},
    Route{CALLER_FILE_FORMAT, SELECTOR_CHECK, onCheck},
    Route{CALLER_TIMER, SELECTOR_GO, onTimerGo},
};

}  // namespace

HostResult onMessage(const char* caller, const char* selector, void* message) {
  const BasicSuite* basic = static_cast<PluginMessage*>(message)->basic;
  for (const Route& route : kRoutes) {
    if (basic->isEqual(caller, route.caller) && basic->isEqual(selector, route.selector)) return route.handler(message);
  }
  return HOST_NO_ERROR;
}

}  // namespace converter
