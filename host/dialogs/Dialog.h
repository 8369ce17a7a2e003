#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/dialogs/ItemDrawing.h"
#include "host/dialogs/Resources.h"
#include "host/sdk/DialogSuites.h"

namespace host {

class Dialog;

/// One item of an open dialog: its resource and its current state.
struct DialogItem {
  /// The dialog that holds the item.
  Dialog* dialog = nullptr;
  /// Number, type, bounds, initial text, label and entries.
  ItemResource resource;
  /// Current text.
  std::string text;
  int32_t intValue = 0;
  float floatValue = 0;
  bool boolValue = false;
  bool enabled = true;
  bool visible = true;
  /// Marked for redrawing.
  bool invalid = false;
  /// The plug-in's procedures (null: the default behaviour).
  ItemNotifyProc notifyProc = nullptr;
  ItemDrawProc drawProc = nullptr;
  void* userData = nullptr;
  /// What the drawing procedure drew the last time the item was updated.
  ItemDrawing drawing;

  [[nodiscard]] int32_t id() const { return resource.id; }
  /// The words a person reads for the item: its label, else its text.
  [[nodiscard]] std::string_view words() const;
};

/// A dialog built from a plug-in's dialog resource, modal or modeless.
class Dialog {
public:
  Dialog(PluginRef plugin, std::string name, const DialogResource& resource, bool modal);

  [[nodiscard]] PluginRef plugin() const { return owner; }
  [[nodiscard]] const std::string& name() const { return dialogName; }
  [[nodiscard]] int32_t id() const { return resourceId; }
  [[nodiscard]] bool modal() const { return isModal; }
  /// The window title (the resource's, until the plug-in changes it).
  std::string title;
  /// Bounds in screen units.
  HostRect bounds{};
  bool visible = false;
  void* userData = nullptr;
  /// Set by endModal: the number that ends the modal run.
  std::optional<int32_t> modalResult;

  /// The item numbered id, or null.
  [[nodiscard]] DialogItem* item(int32_t id);
  /// The item whose number (as text), label or text is words, or null.
  [[nodiscard]] DialogItem* itemNamed(std::string_view words);
  /// Items in resource order.
  [[nodiscard]] const std::vector<std::unique_ptr<DialogItem>>& items() const { return itemList; }
  /// "16151 \"Plug-in Error\"", the way the journal names a dialog.
  [[nodiscard]] std::string describe() const;

private:
  PluginRef owner;
  std::string dialogName;
  int32_t resourceId;
  bool isModal;
  std::vector<std::unique_ptr<DialogItem>> itemList;
};

}  // namespace host
