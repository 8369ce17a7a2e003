#include "plugin-common/AboutBox.h"

#include <string>

#include "host/sdk/DialogSuites.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/MenuSuite.h"
#include "plugin-common/LengthPrefixed.h"
#include "plugin-common/PluginFrame.h"
#include "plugin-common/ProductWord.h"

namespace plugin {
namespace {

constexpr int32_t kVersionLabelItem = 6;
/// The dialog's title and version label are read with at most 255 and 127 characters.
constexpr int32_t kTitleCapacity = 256;
constexpr int32_t kLabelCapacity = 128;
/// The option word of the shared group.
constexpr int32_t kAboutGroupOptions = 1;

const HostSuites& suites() { return pluginFrame().suites(); }

void pressDefault(ItemRef item, DialogNotifierRef notifier) {
  if (const AdmItemSuite* items = suites().get<AdmItemSuite>()) items->defaultNotify(item, notifier);
}

HostResult initAbout(DialogRef dialog) {
  const AdmDialogSuite* dialogs = suites().get<AdmDialogSuite>();
  const AdmItemSuite* items = suites().get<AdmItemSuite>();
  if (dialogs == nullptr || items == nullptr) return HOST_SUITE_NOT_FOUND;
  const auto* identity = static_cast<const AboutIdentity*>(dialogs->getUserData(dialog));
  items->setNotifyProc(dialogs->getItem(dialog, DIALOG_ITEM_OK), pressDefault);
  if (identity != nullptr && identity->tiip) {
    char title[kTitleCapacity] = {};
    dialogs->getText(dialog, title, kTitleCapacity);
    std::string switched = title;
    switchProductWord(switched);
    dialogs->setText(dialog, switched.c_str());

    ItemRef label = dialogs->getItem(dialog, kVersionLabelItem);
    char version[kLabelCapacity] = {};
    items->getText(label, version, kLabelCapacity);
    switched = version;
    switchProductWord(switched);
    items->setText(label, switched.c_str());
  }
  return HOST_NO_ERROR;
}

/// The text in the host's length-prefixed form; titles here are far below 256 characters.
std::basic_string<unsigned char> lengthPrefixed(std::string_view text) {
  std::string buffer(text);
  buffer.push_back('\0');
  if (toLengthPrefixed(buffer.data()) == nullptr) buffer = std::string(1, '\0');
  return {reinterpret_cast<const unsigned char*>(buffer.data()), buffer.size()};
}

/// The shared group, or null when no plug-in of the family has made it yet.
HostResult findAboutGroup(const MenuSuite& menus, MenuGroupHandle* found) {
  *found = nullptr;
  int32_t count = 0;
  if (HostResult error = menus.countMenuGroups(&count)) return error;
  for (int32_t index = 0; index < count; ++index) {
    MenuGroupHandle group = nullptr;
    const char* name = nullptr;
    if (HostResult error = menus.getNthMenuGroup(index, &group)) return error;
    if (HostResult error = menus.getMenuGroupName(group, &name)) return error;
    if (name != nullptr && kAboutGroupName == name) {
      *found = group;
      return HOST_NO_ERROR;
    }
  }
  return HOST_NO_ERROR;
}

}  // namespace

void showAbout(PluginRef plugin, const AboutIdentity& identity) {
  const AdmDialogSuite* dialogs = suites().get<AdmDialogSuite>();
  if (dialogs == nullptr) return;
  AboutIdentity shown = identity;
  // The result is not used: OK is the only way out.
  (void)dialogs->modal(plugin, "About", dialogNumber(identity.language, kAboutDialog), DIALOG_STYLE_MODAL, initAbout,
                       &shown, 0);
}

HostResult addAboutMenu(PluginRef plugin, LanguageId language, std::string_view productName, MenuItemHandle* item) {
  const MenuSuite* menus = suites().get<MenuSuite>();
  if (menus == nullptr) return HOST_SUITE_NOT_FOUND;
  const std::string groupName(kAboutGroupName);
  MenuGroupHandle group = nullptr;
  if (HostResult error = findAboutGroup(*menus, &group)) return error;
  if (group == nullptr) {
    // The group hangs below an item of the host's About menu that carries its title.
    const char* title = language == LanguageId::ENGLISH ? "About Plug-ins (QUILLMERE INC.)"
                                                        : "プラグインについて (QUILLMERE INC.)";
    MenuItemHandle parent = nullptr;
    if (HostResult error = menus->addMenuItem(plugin, groupName.c_str(), MENU_GROUP_ABOUT,
                                              lengthPrefixed(title).c_str(), 0, &parent)) {
      return error;
    }
    if (HostResult error = menus->addMenuGroupAsSubMenu(groupName.c_str(), 0, parent, &group)) return error;
    if (HostResult error = menus->setMenuGroupOptions(group, kAboutGroupOptions)) return error;
  }
  const std::string itemName = groupName + "_" + std::string(productName);
  const std::string itemTitle = std::string(productName) + "...";
  return menus->addMenuItem(plugin, itemName.c_str(), groupName.c_str(), lengthPrefixed(itemTitle).c_str(), 0, item);
}

}  // namespace plugin
