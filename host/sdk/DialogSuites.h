#pragma once
/* The dialog manager's suites: "ADM Basic Suite" (strings, alerts, beep, screen), "ADM Dialog Suite" (modal
   and modeless dialogs from the plug-in's dialog resources), "ADM Item Suite" (a dialog's items by number) and
   "ADM Notifier Suite" (what happened to an item). Texts are UTF-8, zero-terminated. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define ADM_BASIC_SUITE_VERSION 2
#define ADM_DIALOG_SUITE_VERSION 5
#define ADM_ITEM_SUITE_VERSION 7
#define ADM_NOTIFIER_SUITE_VERSION 2

/* Dialog styles. */
#define DIALOG_STYLE_MODAL 0
#define DIALOG_STYLE_FLOATING 1

/* The item that closes a dialog with OK, and with Cancel, by convention. */
#define DIALOG_ITEM_OK 1
#define DIALOG_ITEM_CANCEL 2

/* Notifier types. */
#define NOTIFIER_USER_CHANGED "ADM User Changed Notifier"
#define NOTIFIER_INTERMEDIATE_CHANGED "ADM Intermediate Changed Notifier"

/* Called once after the dialog is built from its resource and before it is shown; a non-zero result closes it. */
typedef HostResult (*DialogInitProc)(DialogRef dialog);
/* Called when the user changes an item (presses a button, edits a value). */
typedef void (*ItemNotifyProc)(ItemRef item, DialogNotifierRef notifier);
/* Called when an item must be drawn; the drawer is valid during the call. */
typedef void (*ItemDrawProc)(ItemRef item, DrawerRef drawer);

typedef struct AdmBasicSuite {
  /* Sounds the alert beep. */
  void (*beep)(void);
  /* Shows text in an error alert with an OK button and waits for it. */
  void (*errorAlert)(const char* text);
  /* Shows text in an information alert with an OK button and waits for it. */
  void (*messageAlert)(const char* text);
  /* Reads entry index of the plug-in's string list stringID (string stringID + index) into text, at most
     maxLength bytes including the terminating zero (longer strings are cut at a character boundary). A string
     the plug-in does not have reads as empty, which ends a list. Result 0, HOST_BAD_HANDLE (unknown plug-in;
     text empty) or HOST_BAD_PARAMETER. */
  HostResult (*getIndexString)(PluginRef plugin, int32_t stringID, int32_t index, char* text, int32_t maxLength);
  /* Reads the plug-in's string stringID as getIndexString does. */
  HostResult (*getString)(PluginRef plugin, int32_t stringID, char* text, int32_t maxLength);
  /* The main screen's rectangle. */
  void (*getScreenDimensions)(HostRect* screen);
} AdmBasicSuite;

typedef struct AdmDialogSuite {
  /* Runs the plug-in's dialog resource dialogID modally under name: builds it, calls initProc (may be null)
     with userData set, and returns the number of the item that ended it (endModal), or -1 when the resource
     does not exist or initProc failed. */
  int32_t (*modal)(PluginRef plugin, const char* name, int32_t dialogID, int32_t style, DialogInitProc initProc,
                   void* userData, int32_t options);
  /* Creates the modeless dialog dialogID under name, hidden; initProc as for modal. Returns the dialog, owned
     by the plug-in until destroy, or null when the resource does not exist or initProc failed. */
  DialogRef (*create)(PluginRef plugin, const char* name, int32_t dialogID, int32_t style, DialogInitProc initProc,
                      void* userData, int32_t options);
  /* Destroys a modeless dialog; null is accepted. */
  void (*destroy)(DialogRef dialog);
  /* The item numbered itemID, or null. Valid while the dialog lives. */
  ItemRef (*getItem)(DialogRef dialog, int32_t itemID);
  /* Ends a modal dialog: modal returns modalResult once the current notification returns. */
  void (*endModal)(DialogRef dialog, int32_t modalResult, HostBool cancelling);
  void* (*getUserData)(DialogRef dialog);
  void (*setUserData)(DialogRef dialog, void* userData);
  /* The dialog resource's number and the name given at creation (owned by the host). */
  int32_t (*getID)(DialogRef dialog);
  const char* (*getName)(DialogRef dialog);
  /* Shows or hides a modeless dialog. */
  void (*show)(DialogRef dialog, HostBool visible);
  /* The dialog's bounds in screen units. */
  void (*getBoundsRect)(DialogRef dialog, HostRect* bounds);
  /* Moves the dialog's top-left corner to (x, y) in screen units. */
  void (*move)(DialogRef dialog, int32_t x, int32_t y);
  /* The dialog's window title; getText writes at most maxLength bytes including the terminating zero. */
  void (*setText)(DialogRef dialog, const char* text);
  void (*getText)(DialogRef dialog, char* text, int32_t maxLength);
  /* Redraws every item that was invalidated. */
  void (*update)(DialogRef dialog);
} AdmDialogSuite;

typedef struct AdmItemSuite {
  DialogRef (*getDialog)(ItemRef item);
  int32_t (*getID)(ItemRef item);
  /* The item's text; getText writes at most maxLength bytes including the terminating zero. */
  void (*setText)(ItemRef item, const char* text);
  void (*getText)(ItemRef item, char* text, int32_t maxLength);
  /* The item's value as an integer, a real and a boolean (radio buttons and check boxes). */
  void (*setIntValue)(ItemRef item, int32_t value);
  int32_t (*getIntValue)(ItemRef item);
  void (*setFloatValue)(ItemRef item, float value);
  float (*getFloatValue)(ItemRef item);
  void (*setBooleanValue)(ItemRef item, HostBool value);
  HostBool (*getBooleanValue)(ItemRef item);
  /* Replaces the notification handler (null: the default). */
  void (*setNotifyProc)(ItemRef item, ItemNotifyProc proc);
  /* The default handling: a push button ends a modal dialog with its own number; a radio button turns the
     other radio buttons of its dialog off. */
  void (*defaultNotify)(ItemRef item, DialogNotifierRef notifier);
  /* Replaces the drawing procedure (null: the default drawing). */
  void (*setDrawProc)(ItemRef item, ItemDrawProc proc);
  /* Marks the item for redrawing; update redraws it at once. */
  void (*invalidate)(ItemRef item);
  void (*update)(ItemRef item);
  void (*enable)(ItemRef item, HostBool enabled);
  HostBool (*isEnabled)(ItemRef item);
  void (*show)(ItemRef item, HostBool visible);
  /* The item's bounds in its dialog's units, and the same rectangle with its top-left corner at (0, 0). */
  void (*getBoundsRect)(ItemRef item, HostRect* bounds);
  void (*getLocalRect)(ItemRef item, HostRect* bounds);
  void* (*getUserData)(ItemRef item);
  void (*setUserData)(ItemRef item, void* userData);
} AdmItemSuite;

typedef struct AdmNotifierSuite {
  /* Non-zero when the notification is of type (NOTIFIER_USER_CHANGED, ...). */
  HostBool (*isNotifierType)(DialogNotifierRef notifier, const char* type);
  ItemRef (*getItem)(DialogNotifierRef notifier);
  DialogRef (*getDialog)(DialogNotifierRef notifier);
} AdmNotifierSuite;
