#pragma once
/* The entry point of a plug-in module, the callers and selectors the host sends, and the message records. */

#include "host/sdk/BasicSuite.h"

/* The one function a plug-in module exports. caller and selector are host strings, compared through the
   basic suite's isEqual; message points at the record of the caller's kind (each begins with PluginMessage).
   Returns 0 for success or an error code; never lets an exception out. */
typedef HostResult (*PluginMainProc)(const char* caller, const char* selector, void* message);
#define PLUGIN_MAIN_SYMBOL "PluginMain"

/* Life of the plug-in. */
#define CALLER_SP_INTERFACE "SP Interface"
#define SELECTOR_STARTUP "Startup"
#define SELECTOR_SHUTDOWN "Shutdown"
#define SELECTOR_ABOUT "About"
#define CALLER_SP_ACCESS "SP Access"
#define SELECTOR_UNLOAD "Unload"
#define SELECTOR_RELOAD "Reload"

/* Registrations calling back. */
#define CALLER_MENU "AI Menu"
#define CALLER_TIMER "AI Timer"
#define CALLER_NOTIFIER "AI Notifier"
#define CALLER_TOOL "AI Tool"
#define CALLER_FILE_FORMAT "AI File Format"
#define SELECTOR_GO "AI Go"
#define SELECTOR_UPDATE "AI Update"
#define SELECTOR_NOTIFY "AI Notify"
#define SELECTOR_GET_PARAMETERS "AI Get Parameters"
#define SELECTOR_CHECK "AI Check"
#define SELECTOR_EDIT_OPTIONS "AI Edit Options"
#define SELECTOR_TRACK_CURSOR "AI Track Cursor"
#define SELECTOR_MOUSE_DOWN "AI Mouse Down"
#define SELECTOR_MOUSE_DRAG "AI Mouse Drag"
#define SELECTOR_MOUSE_UP "AI Mouse Up"
#define SELECTOR_SELECT "AI Select"
#define SELECTOR_DESELECT "AI Deselect"

/* The fields every message begins with. */
typedef struct PluginMessage {
  /* The host's handle of the receiving plug-in: passed back when reading its resources and opening its
     dialogs. */
  PluginRef self;
  /* The plug-in's global-state record. The host keeps it while the plug-in is unloaded: the plug-in writes it
     at "Unload" (and clears it at "Shutdown"), the host hands it back at "Reload" and in every message. */
  void* globals;
  /* The host's basic suite; valid for the duration of the call. */
  const BasicSuite* basic;
} PluginMessage;

/* "AI Menu": the chosen (or updated) menu item. */
typedef struct MenuMessage {
  PluginMessage d;
  MenuItemHandle menuItem;
} MenuMessage;

/* "AI Timer": the timer that fired. */
typedef struct TimerMessage {
  PluginMessage d;
  TimerHandle timer;
} TimerMessage;

/* "AI Notifier": the notifier and the event it was registered for. */
typedef struct NotifierMessage {
  PluginMessage d;
  NotifierHandle notifier;
  /* The notification's type name; owned by the host, valid during the call. */
  const char* type;
  /* Event data of that type, or null. */
  void* notifyData;
} NotifierMessage;
