// The dialog manager's suites over host::DialogManager. Handles are checked against the live dialogs and items:
// a stale or foreign handle does nothing and reads as empty.

#include <algorithm>
#include <cmath>

#include "host/dialogs/DialogManager.h"
#include "host/loader/PluginLoader.h"
#include "host/sdk/DialogSuites.h"
#include "host/sdk/DrawerSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"
#include "platform/WindowOwner.h"

namespace host {
namespace {

DialogManager& manager() { return *services().dialogs; }
Dialog* dialogOf(DialogRef dialog) { return manager().liveDialog(dialog); }
DialogItem* itemOf(ItemRef item) { return manager().liveItem(item); }
DialogRef refOf(Dialog* dialog) { return reinterpret_cast<DialogRef>(dialog); }
ItemRef refOf(DialogItem* item) { return reinterpret_cast<ItemRef>(item); }

/// Runs a void operation on a live dialog; anything thrown is swallowed, since the table gives no result.
template <class Operation>
void onDialog(DialogRef handle, Operation&& operation) noexcept {
  guarded([&] {
    if (Dialog* dialog = dialogOf(handle)) operation(*dialog);
    return HOST_NO_ERROR;
  });
}

template <class Operation>
void onItem(ItemRef handle, Operation&& operation) noexcept {
  guarded([&] {
    if (DialogItem* item = itemOf(handle)) operation(*item);
    return HOST_NO_ERROR;
  });
}

// --- ADM Basic Suite ---

void beep() noexcept {
  guarded([] {
    platform::beep();  // the window owner sounds it (headless: records it in the journal)
    return HOST_NO_ERROR;
  });
}

void errorAlert(const char* text) noexcept {
  guarded([&] {
    manager().alert(AlertKind::ERROR, text != nullptr ? text : "");
    return HOST_NO_ERROR;
  });
}

void messageAlert(const char* text) noexcept {
  guarded([&] {
    manager().alert(AlertKind::MESSAGE, text != nullptr ? text : "");
    return HOST_NO_ERROR;
  });
}

HostResult getString(PluginRef plugin, int32_t stringID, char* text, int32_t maxLength) {
  return guarded([&] {
    if (text == nullptr || maxLength < 1) return HOST_BAD_PARAMETER;
    text[0] = '\0';
    PluginModule* module = services().loader->fromRef(plugin);
    if (module == nullptr) return HOST_BAD_HANDLE;
    // A missing string reads as empty, as string lists expect; a long one is cut to the caller's capacity.
    if (const std::string* found = module->resources().string(stringID)) copyToBuffer(*found, text, maxLength);
    return HOST_NO_ERROR;
  });
}

HostResult getIndexString(PluginRef plugin, int32_t stringID, int32_t index, char* text, int32_t maxLength) {
  return getString(plugin, stringID + index, text, maxLength);
}

void getScreenDimensions(HostRect* screen) noexcept {
  guarded([&] {
    if (screen != nullptr) *screen = manager().screen();
    return HOST_NO_ERROR;
  });
}

// --- ADM Dialog Suite ---

int32_t modal(PluginRef plugin, const char* name, int32_t dialogID, int32_t, DialogInitProc initProc, void* userData,
              int32_t) {
  return guardedValue<int32_t>(-1, [&] {
    PluginModule* module = services().loader->fromRef(plugin);
    if (module == nullptr) return -1;
    return manager().runModal(plugin, module->resources(), name != nullptr ? name : "", dialogID, initProc, userData);
  });
}

DialogRef create(PluginRef plugin, const char* name, int32_t dialogID, int32_t, DialogInitProc initProc, void* userData,
                 int32_t) {
  return guardedValue<DialogRef>(nullptr, [&]() -> DialogRef {
    PluginModule* module = services().loader->fromRef(plugin);
    if (module == nullptr) return nullptr;
    return refOf(manager().createModeless(plugin, module->resources(), name != nullptr ? name : "", dialogID, initProc, userData));
  });
}

void destroy(DialogRef dialog) noexcept {
  onDialog(dialog, [](Dialog& live) { manager().destroy(live); });
}

ItemRef getItem(DialogRef dialog, int32_t itemID) {
  return guardedValue<ItemRef>(nullptr, [&]() -> ItemRef {
    Dialog* live = dialogOf(dialog);
    return live == nullptr ? nullptr : refOf(live->item(itemID));
  });
}

void endModal(DialogRef dialog, int32_t modalResult, HostBool) noexcept {
  onDialog(dialog, [&](Dialog& live) { manager().endModal(live, modalResult); });
}

void* getUserData(DialogRef dialog) {
  Dialog* live = guardedValue<Dialog*>(nullptr, [&] { return dialogOf(dialog); });
  return live == nullptr ? nullptr : live->userData;
}

void setUserData(DialogRef dialog, void* userData) noexcept {
  onDialog(dialog, [&](Dialog& live) { live.userData = userData; });
}

int32_t getDialogID(DialogRef dialog) {
  Dialog* live = guardedValue<Dialog*>(nullptr, [&] { return dialogOf(dialog); });
  return live == nullptr ? 0 : live->id();
}

const char* getName(DialogRef dialog) {
  Dialog* live = guardedValue<Dialog*>(nullptr, [&] { return dialogOf(dialog); });
  return live == nullptr ? "" : live->name().c_str();
}

void show(DialogRef dialog, HostBool visible) noexcept {
  onDialog(dialog, [&](Dialog& live) {
    if (live.visible == (visible != 0)) return;
    live.visible = visible != 0;
    manager().changed(live);
  });
}

void getDialogBounds(DialogRef dialog, HostRect* bounds) noexcept {
  if (bounds == nullptr) return;
  *bounds = HostRect{};
  onDialog(dialog, [&](Dialog& live) { *bounds = live.bounds; });
}

void move(DialogRef dialog, int32_t x, int32_t y) noexcept {
  onDialog(dialog, [&](Dialog& live) {
    int32_t width = live.bounds.right - live.bounds.left;
    int32_t height = live.bounds.bottom - live.bounds.top;
    live.bounds = HostRect{x, y, x + width, y + height};
  });
}

void setDialogText(DialogRef dialog, const char* text) noexcept {
  onDialog(dialog, [&](Dialog& live) { live.title = text != nullptr ? text : ""; });
}

void getDialogText(DialogRef dialog, char* text, int32_t maxLength) noexcept {
  if (text != nullptr && maxLength > 0) text[0] = '\0';
  onDialog(dialog, [&](Dialog& live) { copyToBuffer(live.title, text, maxLength); });
}

void updateDialog(DialogRef dialog) noexcept {
  onDialog(dialog, [](Dialog& live) { manager().update(live); });
}

// --- ADM Item Suite ---

DialogRef getItemDialog(ItemRef item) {
  DialogItem* live = guardedValue<DialogItem*>(nullptr, [&] { return itemOf(item); });
  return live == nullptr ? nullptr : refOf(live->dialog);
}

int32_t getItemID(ItemRef item) {
  DialogItem* live = guardedValue<DialogItem*>(nullptr, [&] { return itemOf(item); });
  return live == nullptr ? 0 : live->id();
}

void setItemText(ItemRef item, const char* text) noexcept {
  onItem(item, [&](DialogItem& live) { live.text = text != nullptr ? text : ""; });
}

void getItemText(ItemRef item, char* text, int32_t maxLength) noexcept {
  if (text != nullptr && maxLength > 0) text[0] = '\0';
  onItem(item, [&](DialogItem& live) { copyToBuffer(live.text, text, maxLength); });
}

void setIntValue(ItemRef item, int32_t value) noexcept {
  onItem(item, [&](DialogItem& live) {
    live.intValue = value;
    live.floatValue = static_cast<float>(value);
    live.boolValue = value != 0;
    if (live.resource.type == ItemType::POPUP && value >= 0 && static_cast<size_t>(value) < live.resource.entries.size()) {
      live.text = live.resource.entries[static_cast<size_t>(value)];
    }
  });
}

int32_t getIntValue(ItemRef item) {
  DialogItem* live = guardedValue<DialogItem*>(nullptr, [&] { return itemOf(item); });
  return live == nullptr ? 0 : live->intValue;
}

void setFloatValue(ItemRef item, float value) noexcept {
  onItem(item, [&](DialogItem& live) {
    live.floatValue = value;
    live.intValue = std::isfinite(value) ? static_cast<int32_t>(std::clamp(value, -2.0e9f, 2.0e9f)) : 0;
  });
}

float getFloatValue(ItemRef item) {
  DialogItem* live = guardedValue<DialogItem*>(nullptr, [&] { return itemOf(item); });
  return live == nullptr ? 0.0f : live->floatValue;
}

void setBooleanValue(ItemRef item, HostBool value) noexcept {
  onItem(item, [&](DialogItem& live) {
    live.boolValue = value != 0;
    live.intValue = value != 0 ? 1 : 0;
  });
}

HostBool getBooleanValue(ItemRef item) {
  DialogItem* live = guardedValue<DialogItem*>(nullptr, [&] { return itemOf(item); });
  return live != nullptr && live->boolValue ? 1 : 0;
}

void setNotifyProc(ItemRef item, ItemNotifyProc proc) noexcept {
  onItem(item, [&](DialogItem& live) { live.notifyProc = proc; });
}

void defaultNotify(ItemRef item, DialogNotifierRef) noexcept {
  onItem(item, [](DialogItem& live) { manager().defaultNotify(live); });
}

void setDrawProc(ItemRef item, ItemDrawProc proc) noexcept {
  onItem(item, [&](DialogItem& live) { live.drawProc = proc; });
}

void invalidate(ItemRef item) noexcept {
  onItem(item, [](DialogItem& live) { live.invalid = true; });
}

void updateItem(ItemRef item) noexcept {
  onItem(item, [](DialogItem& live) {
    live.invalid = true;
    manager().update(*live.dialog);
  });
}

void enable(ItemRef item, HostBool enabled) noexcept {
  onItem(item, [&](DialogItem& live) { live.enabled = enabled != 0; });
}

HostBool isEnabled(ItemRef item) {
  DialogItem* live = guardedValue<DialogItem*>(nullptr, [&] { return itemOf(item); });
  return live != nullptr && live->enabled ? 1 : 0;
}

void showItem(ItemRef item, HostBool visible) noexcept {
  onItem(item, [&](DialogItem& live) { live.visible = visible != 0; });
}

void getItemBounds(ItemRef item, HostRect* bounds) noexcept {
  if (bounds == nullptr) return;
  *bounds = HostRect{};
  onItem(item, [&](DialogItem& live) { *bounds = live.resource.bounds; });
}

void getLocalRect(ItemRef item, HostRect* bounds) noexcept {
  if (bounds == nullptr) return;
  *bounds = HostRect{};
  onItem(item, [&](DialogItem& live) {
    const HostRect& rect = live.resource.bounds;
    *bounds = HostRect{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  });
}

void* getItemUserData(ItemRef item) {
  DialogItem* live = guardedValue<DialogItem*>(nullptr, [&] { return itemOf(item); });
  return live == nullptr ? nullptr : live->userData;
}

void setItemUserData(ItemRef item, void* userData) noexcept {
  onItem(item, [&](DialogItem& live) { live.userData = userData; });
}

// --- ADM Notifier Suite ---

const DialogNotification* notificationOf(DialogNotifierRef notifier) {
  return reinterpret_cast<const DialogNotification*>(notifier);
}

HostBool isNotifierType(DialogNotifierRef notifier, const char* type) {
  if (notifier == nullptr || type == nullptr) return 0;
  return notificationOf(notifier)->type == type ? 1 : 0;
}

ItemRef getNotifierItem(DialogNotifierRef notifier) {
  return notifier == nullptr ? nullptr : refOf(notificationOf(notifier)->item);
}

DialogRef getNotifierDialog(DialogNotifierRef notifier) {
  return notifier == nullptr || notificationOf(notifier)->item == nullptr ? nullptr : refOf(notificationOf(notifier)->item->dialog);
}

constexpr AdmBasicSuite kAdmBasicSuite{beep, errorAlert, messageAlert, getIndexString, getString, getScreenDimensions};

constexpr AdmDialogSuite kAdmDialogSuite{modal,        create,       destroy,         getItem,       endModal,
                                         getUserData,  setUserData,  getDialogID,     getName,       show,
                                         getDialogBounds, move,      setDialogText,   getDialogText, updateDialog};

constexpr AdmItemSuite kAdmItemSuite{getItemDialog,   getItemID,      setItemText,    getItemText,     setIntValue,
                                     getIntValue,     setFloatValue,  getFloatValue,  setBooleanValue, getBooleanValue,
                                     setNotifyProc,   defaultNotify,  setDrawProc,    invalidate,      updateItem,
                                     enable,          isEnabled,      showItem,       getItemBounds,   getLocalRect,
                                     getItemUserData, setItemUserData};

// --- ADM Drawer Suite ---

template <class Operation>
void onDrawer(DrawerRef handle, Operation&& operation) noexcept {
  guarded([&] {
    if (DialogItem* item = manager().drawingItem(handle)) operation(*item);
    return HOST_NO_ERROR;
  });
}

void getDrawerBounds(DrawerRef drawer, HostRect* bounds) noexcept {
  if (bounds == nullptr) return;
  *bounds = HostRect{};
  onDrawer(drawer, [&](DialogItem& item) {
    const HostRect& rect = item.resource.bounds;
    *bounds = HostRect{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  });
}

void setDrawerColor(DrawerRef drawer, int32_t color) noexcept {
  onDrawer(drawer, [&](DialogItem& item) { item.drawing.color = color; });
}

int32_t getDrawerColor(DrawerRef drawer) noexcept {
  int32_t color = ADM_COLOR_BLACK;
  onDrawer(drawer, [&](DialogItem& item) { color = item.drawing.color; });
  return color;
}

void addShape(DrawerRef drawer, const HostRect* rect, DrawnShape::Kind kind) noexcept {
  if (rect == nullptr) return;
  onDrawer(drawer, [&](DialogItem& item) { item.drawing.shapes.push_back(DrawnShape{kind, *rect, item.drawing.color}); });
}

void frameRect(DrawerRef drawer, const HostRect* rect) noexcept { addShape(drawer, rect, DrawnShape::Kind::FRAME); }
void fillRect(DrawerRef drawer, const HostRect* rect) noexcept { addShape(drawer, rect, DrawnShape::Kind::FILL); }

constexpr AdmDrawerSuite kAdmDrawerSuite{getDrawerBounds, setDrawerColor, getDrawerColor, frameRect, fillRect};

constexpr AdmNotifierSuite kAdmNotifierSuite{isNotifierType, getNotifierItem, getNotifierDialog};

}  // namespace

void registerDialogSuites(SuiteRegistry& registry) {
  registry.add(SUITE_ADM_BASIC, ADM_BASIC_SUITE_VERSION, &kAdmBasicSuite);
  registry.add(SUITE_ADM_DIALOG, ADM_DIALOG_SUITE_VERSION, &kAdmDialogSuite);
  registry.add(SUITE_ADM_ITEM, ADM_ITEM_SUITE_VERSION, &kAdmItemSuite);
  registry.add(SUITE_ADM_NOTIFIER, ADM_NOTIFIER_SUITE_VERSION, &kAdmNotifierSuite);
  registry.add(SUITE_ADM_DRAWER, ADM_DRAWER_SUITE_VERSION, &kAdmDrawerSuite);
}

}  // namespace host
