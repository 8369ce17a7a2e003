#include "host/dialogs/Resources.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <pugixml.hpp>

namespace host {
namespace {

struct ItemTypeName {
  ItemType type;
  std::string_view name;
};

constexpr std::array<ItemTypeName, 10> kItemTypeNames{{
    {ItemType::BUTTON, "button"},
    {ItemType::TEXT, "text"},
    {ItemType::EDIT, "edit"},
    {ItemType::NUMBER, "number"},
    {ItemType::CHECKBOX, "checkbox"},
    {ItemType::RADIO, "radio"},
    {ItemType::POPUP, "popup"},
    {ItemType::FRAME, "frame"},
    {ItemType::PICTURE, "picture"},
    {ItemType::USER, "user"},
}};

/// Line number (1-based) of a byte offset, for messages.
int lineOf(std::string_view text, ptrdiff_t offset) {
  offset = std::clamp<ptrdiff_t>(offset, 0, static_cast<ptrdiff_t>(text.size()));
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

/// Reads resource files: collects into its own maps so that a file with an error adds nothing.
class ResourceReader {
public:
  ResourceReader(std::string_view name, std::string_view xml) : fileName(name), text(xml) {}

  platform::Result<void> read() {
    pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    if (!parsed) return failAt(parsed.offset, parsed.description());
    pugi::xml_node root = document.child("resources");
    if (!root) return failAt(0, "the root element is not <resources>");
    for (pugi::xml_node node : root.children()) {
      if (node.type() != pugi::node_element) continue;
      std::string_view kind = node.name();
      platform::Result<void> done = kind == "string"   ? readString(node)
                                    : kind == "dialog" ? readDialog(node)
                                                       : failAt(node, "unknown resource <" + std::string(kind) + ">");
      if (!done) return done;
    }
    return {};
  }

  std::map<int32_t, std::string> strings;
  std::map<int32_t, DialogResource> dialogs;

private:
  platform::Result<void> readString(pugi::xml_node node) {
    platform::Result<int32_t> id = number(node, "id");
    if (!id) return id.error();
    if (!strings.emplace(*id, node.text().get()).second) return failAt(node, "string " + std::to_string(*id) + " defined twice");
    return {};
  }

  platform::Result<void> readDialog(pugi::xml_node node) {
    DialogResource dialog;
    for (auto [field, name] : {std::pair{&dialog.id, "id"}, {&dialog.width, "width"}, {&dialog.height, "height"}}) {
      platform::Result<int32_t> value = number(node, name);
      if (!value) return value.error();
      *field = *value;
    }
    dialog.title = node.attribute("title").value();
    for (pugi::xml_node itemNode : node.children("item")) {
      platform::Result<ItemResource> item = readItem(itemNode);
      if (!item) return item.error();
      dialog.items.push_back(std::move(*item));
    }
    if (!dialogs.emplace(dialog.id, std::move(dialog)).second) return failAt(node, "dialog defined twice");
    return {};
  }

  platform::Result<ItemResource> readItem(pugi::xml_node node) {
    ItemResource item;
    platform::Result<int32_t> id = number(node, "id");
    if (!id) return id.error();
    item.id = *id;
    platform::Result<ItemType> type = itemTypeNamed(node.attribute("type").value());
    if (!type) return failAt(node, type.error().message);
    item.type = *type;
    platform::Result<HostRect> bounds = rectangle(node, "bounds");
    if (!bounds) return bounds.error();
    item.bounds = *bounds;
    item.text = node.attribute("text").value();
    item.label = node.attribute("label").value();
    for (pugi::xml_node entry : node.children("entry")) item.entries.emplace_back(entry.text().get());
    return item;
  }

  platform::Result<int32_t> number(pugi::xml_node node, const char* attribute) {
    std::string_view value = node.attribute(attribute).value();
    int32_t parsed = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), parsed);
    if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
      return failAt(node, std::string("attribute ") + attribute + " is not a whole number: \"" + std::string(value) + "\"");
    }
    return parsed;
  }

  platform::Result<HostRect> rectangle(pugi::xml_node node, const char* attribute) {
    std::string_view value = node.attribute(attribute).value();
    std::array<int32_t, 4> corners{};
    const char* cursor = value.data();
    const char* end = value.data() + value.size();
    for (size_t index = 0; index < corners.size(); ++index) {
      auto [next, error] = std::from_chars(cursor, end, corners[index]);
      bool last = index + 1 == corners.size();
      if (error != std::errc() || (last ? next != end : (next == end || *next != ','))) {
        return failAt(node, std::string("attribute ") + attribute + " is not left,top,right,bottom: \"" + std::string(value) + "\"");
      }
      cursor = last ? next : next + 1;
    }
    return HostRect{corners[0], corners[1], corners[2], corners[3]};
  }

  platform::Error failAt(ptrdiff_t offset, std::string message) const {
    return platform::fail(std::move(message), fileName + ":" + std::to_string(lineOf(text, offset)));
  }
  platform::Error failAt(pugi::xml_node node, std::string message) const { return failAt(node.offset_debug(), std::move(message)); }

  std::string fileName;
  std::string_view text;
  pugi::xml_document document;
};

}  // namespace

platform::Result<ItemType> itemTypeNamed(std::string_view name) {
  for (const ItemTypeName& entry : kItemTypeNames) {
    if (entry.name == name) return entry.type;
  }
  return platform::fail("unknown item type \"" + std::string(name) + "\"");
}

std::string_view itemTypeName(ItemType type) {
  for (const ItemTypeName& entry : kItemTypeNames) {
    if (entry.type == type) return entry.name;
  }
  return "unknown";
}

platform::Result<void> ResourceSet::addXml(std::string_view name, std::string_view xml) {
  ResourceReader reader(name, xml);
  if (platform::Result<void> read = reader.read(); !read) return read;
  for (auto& [id, text] : reader.strings) {
    if (strings.contains(id)) return platform::fail("string " + std::to_string(id) + " is defined in two files", std::string(name));
  }
  for (auto& [id, dialog] : reader.dialogs) {
    if (dialogs.contains(id)) return platform::fail("dialog " + std::to_string(id) + " is defined in two files", std::string(name));
  }
  strings.merge(reader.strings);
  dialogs.merge(reader.dialogs);
  return {};
}

platform::Result<void> ResourceSet::addImage(std::string_view name, std::string_view png) {
  std::string_view stem = name.substr(name.find_last_of('/') + 1);
  stem = stem.substr(0, stem.find('.'));
  int32_t id = 0;
  auto [end, error] = std::from_chars(stem.data(), stem.data() + stem.size(), id);
  if (stem.empty() || error != std::errc() || end != stem.data() + stem.size()) {
    return platform::fail("an image file's name must be its resource number", std::string(name));
  }
  if (!images.emplace(id, ImageResource{id, std::string(png)}).second) {
    return platform::fail("image " + std::to_string(id) + " is defined twice", std::string(name));
  }
  return {};
}

const std::string* ResourceSet::string(int32_t id) const {
  auto found = strings.find(id);
  return found == strings.end() ? nullptr : &found->second;
}

const DialogResource* ResourceSet::dialog(int32_t id) const {
  auto found = dialogs.find(id);
  return found == dialogs.end() ? nullptr : &found->second;
}

const ImageResource* ResourceSet::image(int32_t id) const {
  auto found = images.find(id);
  return found == images.end() ? nullptr : &found->second;
}

}  // namespace host
