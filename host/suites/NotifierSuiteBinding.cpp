// "AI Notifier Suite": which plug-ins hear which host events.

#include "host/loader/Registrations.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/NotifierSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/RegistrationBindings.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

Registry<Notifier>& notifiers() { return services().registrations->notifiers; }

HostResult addNotifier(PluginRef plugin, const char* name, const char* type, NotifierHandle* notifier) {
  return guarded([&] {
    PluginModule* module = moduleOf(plugin);
    if (module == nullptr) return HOST_BAD_HANDLE;
    if (!usableName(name) || !usableName(type) || notifier == nullptr) return HOST_BAD_PARAMETER;
    Notifier* added = notifiers().add(Notifier{name, module, type});
    if (added == nullptr) return HOST_DUPLICATE_NAME;
    *notifier = reinterpret_cast<NotifierHandle>(added);
    return HOST_NO_ERROR;
  });
}

HostResult setNotifierActive(NotifierHandle notifier, HostBool active) {
  return withRegistration(notifiers(), notifier, [&](Notifier& found) {
    found.active = active != 0;
    return HOST_NO_ERROR;
  });
}

constexpr NotifierSuite kNotifierSuite{addNotifier, setNotifierActive};

}  // namespace

void registerNotifierSuite(SuiteRegistry& registry) {
  registry.add(SUITE_NOTIFIER, NOTIFIER_SUITE_VERSION, &kNotifierSuite);
}

}  // namespace host
