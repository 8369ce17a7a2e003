#include "host/dialogs/Dialog.h"

#include <charconv>

#include "host/dialogs/Journal.h"

namespace host {

std::string_view DialogItem::words() const {
  return resource.label.empty() ? std::string_view(text) : std::string_view(resource.label);
}

Dialog::Dialog(PluginRef plugin, std::string name, const DialogResource& resource, bool modal)
    : title(resource.title),
      bounds{0, 0, resource.width, resource.height},
      owner(plugin),
      dialogName(std::move(name)),
      resourceId(resource.id),
      isModal(modal) {
  for (const ItemResource& itemResource : resource.items) {
    auto dialogItem = std::make_unique<DialogItem>();
    dialogItem->dialog = this;
    dialogItem->resource = itemResource;
    dialogItem->text = itemResource.text;
    itemList.push_back(std::move(dialogItem));
  }
}

DialogItem* Dialog::item(int32_t id) {
  for (const auto& candidate : itemList) {
    if (candidate->id() == id) return candidate.get();
  }
  return nullptr;
}

DialogItem* Dialog::itemNamed(std::string_view words) {
  int32_t number = 0;
  auto [end, error] = std::from_chars(words.data(), words.data() + words.size(), number);
  if (!words.empty() && error == std::errc() && end == words.data() + words.size()) return item(number);
  for (const auto& candidate : itemList) {
    if (candidate->resource.label == words) return candidate.get();
  }
  for (const auto& candidate : itemList) {
    if (candidate->text == words) return candidate.get();
  }
  return nullptr;
}

std::string Dialog::describe() const { return std::to_string(resourceId) + " " + quote(title); }

}  // namespace host
