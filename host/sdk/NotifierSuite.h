#pragma once
/* "AI Notifier Suite": "AI Notifier"/"AI Notify" messages when host events happen. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define NOTIFIER_SUITE_VERSION 2

/* Event types a plug-in can ask for. */
#define NOTIFIER_APPLICATION_STARTED "AI Application Started Notifier"

typedef struct NotifierSuite {
  /* Registers the active notifier name (unique per host) for events of type. *notifier receives the host's
     handle. Result 0, HOST_BAD_PARAMETER or HOST_DUPLICATE_NAME. */
  HostResult (*addNotifier)(PluginRef plugin, const char* name, const char* type, NotifierHandle* notifier);
  /* Starts or stops delivery. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*setNotifierActive)(NotifierHandle notifier, HostBool active);
} NotifierSuite;
