#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

/// Kinds of dialog items, as a resource names them.
enum class ItemType { BUTTON, TEXT, EDIT, NUMBER, CHECKBOX, RADIO, POPUP, FRAME, PICTURE, USER };

/// One item of a dialog resource.
struct ItemResource {
  int32_t id = 0;
  ItemType type = ItemType::TEXT;
  HostRect bounds{};
  /// The item's own text (a button's caption, a static text, an entry's initial text).
  std::string text;
  /// The words a person reads beside the item; the headless driver finds items by this or by text.
  std::string label;
  /// Entries of a popup list.
  std::vector<std::string> entries;
};

/// A dialog resource: its window title, size and items in order.
struct DialogResource {
  int32_t id = 0;
  std::string title;
  int32_t width = 0;
  int32_t height = 0;
  std::vector<ItemResource> items;
};

/// An image resource (icon, cursor, bitmap) as PNG bytes.
struct ImageResource {
  int32_t id = 0;
  std::string png;
};

/// Everything a plug-in's resource files hold, by number.
class ResourceSet {
public:
  /// Adds the resources of one XML resource file; name is used in error messages. On an error nothing of
  /// the file is added.
  platform::Result<void> addXml(std::string_view name, std::string_view xml);
  /// Adds a PNG image file named "<number>.png" (in any folder).
  platform::Result<void> addImage(std::string_view name, std::string_view png);

  /// The string of that number, or null.
  [[nodiscard]] const std::string* string(int32_t id) const;
  /// The dialog of that number, or null.
  [[nodiscard]] const DialogResource* dialog(int32_t id) const;
  /// The image of that number, or null.
  [[nodiscard]] const ImageResource* image(int32_t id) const;
  /// Number of resources of each kind, for listings.
  [[nodiscard]] size_t stringCount() const { return strings.size(); }
  [[nodiscard]] size_t dialogCount() const { return dialogs.size(); }

private:
  std::map<int32_t, std::string> strings;
  std::map<int32_t, DialogResource> dialogs;
  std::map<int32_t, ImageResource> images;
};

/// The item type named in a resource ("button", "text", ...), or an error.
[[nodiscard]] platform::Result<ItemType> itemTypeNamed(std::string_view name);
/// The name of an item type, as resources and the journal write it.
[[nodiscard]] std::string_view itemTypeName(ItemType type);

}  // namespace host
