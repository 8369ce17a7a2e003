#pragma once
/* "AI Timer Suite": periodic "AI Timer"/"AI Go" messages. The host fires timers between messages. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define TIMER_SUITE_VERSION 3
/* Timer periods count host ticks of 1/60 second. */
#define TIMER_TICKS_PER_SECOND 60

typedef struct TimerSuite {
  /* Registers the active timer name (unique per host) firing every period ticks (at least 1). *timer
     receives the host's handle, valid while the host runs. Result 0, HOST_BAD_PARAMETER or
     HOST_DUPLICATE_NAME. */
  HostResult (*addTimer)(PluginRef plugin, const char* name, int32_t period, TimerHandle* timer);
  /* Starts or stops the timer. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*setTimerActive)(TimerHandle timer, HostBool active);
  /* Changes the period (ticks, at least 1). Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*setTimerPeriod)(TimerHandle timer, int32_t period);
  /* *name points at the timer's name, owned by the host. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*getTimerName)(TimerHandle timer, const char** name);
} TimerSuite;
