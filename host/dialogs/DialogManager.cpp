#include "host/dialogs/DialogManager.h"

#include <algorithm>

namespace host {

DialogManager::DialogManager(Journal& journal, DialogDriver& driver) : record(journal), driver(&driver) {}

DialogManager::~DialogManager() = default;

std::unique_ptr<Dialog> DialogManager::build(PluginRef plugin, const ResourceSet& resources, std::string name,
                                             int32_t id, bool modal, DialogInitProc initProc, void* userData) {
  const DialogResource* resource = resources.dialog(id);
  if (resource == nullptr) {
    record.record("dialog.missing " + std::to_string(id) + " name " + quote(name));
    return nullptr;
  }
  auto dialog = std::make_unique<Dialog>(plugin, std::move(name), *resource, modal);
  dialog->userData = userData;
  track(*dialog);
  if (initProc != nullptr && initProc(reinterpret_cast<DialogRef>(dialog.get())) != 0) {
    record.record("dialog.refused " + dialog->describe());
    untrack(*dialog);
    return nullptr;
  }
  record.record("dialog.open " + dialog->describe() + " name " + quote(dialog->name()) +
                (modal ? " modal" : " modeless"));
  recordItems(*dialog);
  return dialog;
}

void DialogManager::track(const Dialog& dialog) {
  live.insert(&dialog);
  opened.insert(opened.begin(), &dialog);
  for (const auto& item : dialog.items()) liveItems.insert(item.get());
}

void DialogManager::untrack(const Dialog& dialog) {
  for (const auto& item : dialog.items()) liveItems.erase(item.get());
  live.erase(&dialog);
  opened.erase(std::find(opened.begin(), opened.end(), &dialog));
}

void DialogManager::recordItems(const Dialog& dialog) {
  for (const auto& item : dialog.items()) {
    std::string line = "dialog.item " + std::to_string(dialog.id()) + " " + std::to_string(item->id()) + " " +
                       std::string(itemTypeName(item->resource.type));
    switch (item->resource.type) {
      case ItemType::CHECKBOX:
      case ItemType::RADIO: line += item->boolValue ? " on" : " off"; break;
      case ItemType::FRAME:
      case ItemType::PICTURE:
      case ItemType::USER: break;
      default: line += " " + quote(item->text);
    }
    record.record(std::move(line));
  }
}

int32_t DialogManager::runModal(PluginRef plugin, const ResourceSet& resources, std::string name, int32_t id,
                                DialogInitProc initProc, void* userData) {
  std::unique_ptr<Dialog> dialog = build(plugin, resources, std::move(name), id, true, initProc, userData);
  if (!dialog) return -1;
  dialog->visible = true;
  driver->runModal(*dialog, *this);
  int32_t result = dialog->modalResult.value_or(DIALOG_ITEM_CANCEL);
  record.record("dialog.close " + dialog->describe() + " result " + std::to_string(result));
  untrack(*dialog);
  return result;
}

Dialog* DialogManager::createModeless(PluginRef plugin, const ResourceSet& resources, std::string name, int32_t id,
                                      DialogInitProc initProc, void* userData) {
  std::unique_ptr<Dialog> dialog = build(plugin, resources, std::move(name), id, false, initProc, userData);
  if (!dialog) return nullptr;
  Dialog* created = dialog.get();
  modeless.insert(std::move(dialog));
  return created;
}

void DialogManager::destroy(Dialog& dialog) {
  auto owned = std::find_if(modeless.begin(), modeless.end(), [&](const auto& candidate) { return candidate.get() == &dialog; });
  if (owned == modeless.end()) return;
  record.record("dialog.close " + dialog.describe());
  driver->modelessDestroyed(dialog);
  untrack(dialog);
  modeless.erase(owned);
}

Dialog* DialogManager::liveDialog(const void* handle) const {
  auto found = live.find(static_cast<const Dialog*>(handle));
  return found == live.end() ? nullptr : const_cast<Dialog*>(*found);
}

DialogItem* DialogManager::liveItem(const void* handle) const {
  auto found = liveItems.find(static_cast<const DialogItem*>(handle));
  return found == liveItems.end() ? nullptr : const_cast<DialogItem*>(*found);
}

std::vector<std::string> DialogManager::visibleTitles() const {
  std::vector<std::string> titles;
  for (const Dialog* dialog : opened) {
    if (dialog->visible) titles.push_back(dialog->title);
  }
  return titles;
}

size_t DialogManager::dialogsOf(PluginRef plugin) const {
  return static_cast<size_t>(std::count_if(live.begin(), live.end(), [&](const Dialog* dialog) { return dialog->plugin() == plugin; }));
}

void DialogManager::userChanged(DialogItem& item) {
  if (item.notifyProc == nullptr) {
    defaultNotify(item);
    return;
  }
  DialogNotification notification{NOTIFIER_USER_CHANGED, &item};
  item.notifyProc(reinterpret_cast<ItemRef>(&item), reinterpret_cast<DialogNotifierRef>(&notification));
}

void DialogManager::defaultNotify(DialogItem& item) {
  Dialog& dialog = *item.dialog;
  switch (item.resource.type) {
    case ItemType::BUTTON:
      if (dialog.modal()) endModal(dialog, item.id());
      break;
    case ItemType::RADIO:
      if (item.boolValue) {
        for (const auto& other : dialog.items()) {
          if (other.get() != &item && other->resource.type == ItemType::RADIO) other->boolValue = false;
        }
      }
      break;
    default: break;
  }
}

void DialogManager::endModal(Dialog& dialog, int32_t result) {
  if (!dialog.modalResult) dialog.modalResult = result;
}

void DialogManager::changed(Dialog& dialog) {
  record.record(std::string(dialog.visible ? "dialog.show " : "dialog.hide ") + dialog.describe());
  // A dialog coming into view is drawn whole, as a window system would paint it.
  if (dialog.visible) {
    for (const auto& item : dialog.items()) draw(*item);
  }
  driver->modelessChanged(dialog);
}

void DialogManager::update(Dialog& dialog) {
  for (const auto& item : dialog.items()) {
    if (item->invalid && dialog.visible) draw(*item);
    item->invalid = false;
  }
  if (!dialog.modal()) driver->modelessChanged(dialog);
}

void DialogManager::draw(DialogItem& item) {
  item.invalid = false;
  if (item.drawProc == nullptr || !item.visible) return;
  item.drawing = ItemDrawing{};
  // The drawer handle is the item itself, valid only while its procedure runs.
  itemBeingDrawn = &item;
  item.drawProc(reinterpret_cast<ItemRef>(&item), reinterpret_cast<DrawerRef>(&item));
  itemBeingDrawn = nullptr;
}

void DialogManager::alert(AlertKind kind, std::string_view text) {
  record.record(std::string(kind == AlertKind::ERROR ? "alert error " : "alert message ") + quote(text));
  driver->alert(kind, text);
}

}  // namespace host
