// "AI Timer Suite": timers on the host's virtual clock.

#include "host/loader/Registrations.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/TimerSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/RegistrationBindings.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

Registry<Timer>& timers() { return services().registrations->timers; }

HostResult addTimer(PluginRef plugin, const char* name, int32_t period, TimerHandle* timer) {
  return guarded([&] {
    PluginModule* module = moduleOf(plugin);
    if (module == nullptr) return HOST_BAD_HANDLE;
    if (!usableName(name) || period < 1 || timer == nullptr) return HOST_BAD_PARAMETER;
    Timer* added = timers().add(Timer{name, module, period, true, services().registrations->clock + period});
    if (added == nullptr) return HOST_DUPLICATE_NAME;
    *timer = reinterpret_cast<TimerHandle>(added);
    return HOST_NO_ERROR;
  });
}

HostResult setTimerActive(TimerHandle timer, HostBool active) {
  return withRegistration(timers(), timer, [&](Timer& found) {
    if (active != 0 && !found.active) found.due = services().registrations->clock + found.period;
    found.active = active != 0;
    return HOST_NO_ERROR;
  });
}

HostResult setTimerPeriod(TimerHandle timer, int32_t period) {
  return withRegistration(timers(), timer, [&](Timer& found) {
    if (period < 1) return HOST_BAD_PARAMETER;
    found.period = period;
    found.due = services().registrations->clock + period;
    return HOST_NO_ERROR;
  });
}

HostResult getTimerName(TimerHandle timer, const char** name) { return registrationName(timers(), timer, name); }

constexpr TimerSuite kTimerSuite{addTimer, setTimerActive, setTimerPeriod, getTimerName};

}  // namespace

void registerTimerSuite(SuiteRegistry& registry) { registry.add(SUITE_TIMER, TIMER_SUITE_VERSION, &kTimerSuite); }

}  // namespace host
