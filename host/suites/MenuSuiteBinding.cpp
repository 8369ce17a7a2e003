// "AI Menu Suite" over the host's menu registrations. Every change is recorded in the journal.

#include "host/dialogs/Journal.h"
#include "host/loader/Registrations.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/MenuSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/RegistrationBindings.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

Registry<MenuGroup>& groups() { return services().registrations->menuGroups; }
Registry<MenuItem>& items() { return services().registrations->menuItems; }
void journal(std::string line) { services().journal->record(std::move(line)); }

HostResult addMenuItem(PluginRef plugin, const char* name, const char* groupName, const unsigned char* title,
                       int32_t, MenuItemHandle* item) {
  return guarded([&] {
    PluginModule* module = moduleOf(plugin);
    std::optional<std::string> text = fromLengthPrefixed(title);
    if (module == nullptr) return HOST_BAD_HANDLE;
    if (!usableName(name) || groupName == nullptr || !text || item == nullptr) return HOST_BAD_PARAMETER;
    const MenuGroup* group = groups().find(groupName);
    if (group == nullptr) return HOST_BAD_PARAMETER;
    MenuItem* added = items().add(MenuItem{name, module, group, *text});
    if (added == nullptr) return HOST_DUPLICATE_NAME;
    *item = reinterpret_cast<MenuItemHandle>(added);
    journal("menu.item.add " + quote(name) + " group " + quote(groupName) + " title " + quote(*text));
    return HOST_NO_ERROR;
  });
}

HostResult addGroup(const char* name, int32_t options, const MenuItem* parent, MenuGroupHandle* group) {
  if (!usableName(name) || group == nullptr) return HOST_BAD_PARAMETER;
  MenuGroup* added = groups().add(MenuGroup{name, services().currentPlugin(), options, parent});
  if (added == nullptr) return HOST_DUPLICATE_NAME;
  *group = reinterpret_cast<MenuGroupHandle>(added);
  journal("menu.group.add " + quote(name) + (parent != nullptr ? " below " + quote(parent->name) : std::string()));
  return HOST_NO_ERROR;
}

HostResult addMenuGroup(const char* name, int32_t options, const char*, MenuGroupHandle* group) {
  return guarded([&] { return addGroup(name, options, nullptr, group); });
}

HostResult addMenuGroupAsSubMenu(const char* name, int32_t options, MenuItemHandle parentItem, MenuGroupHandle* group) {
  return withRegistration(items(), parentItem, [&](const MenuItem& parent) { return addGroup(name, options, &parent, group); });
}

HostResult countMenuGroups(int32_t* count) {
  return guarded([&] {
    if (count == nullptr) return HOST_BAD_PARAMETER;
    *count = static_cast<int32_t>(groups().all().size());
    return HOST_NO_ERROR;
  });
}

HostResult getNthMenuGroup(int32_t index, MenuGroupHandle* group) {
  return guarded([&] {
    const auto& all = groups().all();
    if (group == nullptr || index < 0 || static_cast<size_t>(index) >= all.size()) return HOST_BAD_PARAMETER;
    *group = reinterpret_cast<MenuGroupHandle>(all[static_cast<size_t>(index)].get());
    return HOST_NO_ERROR;
  });
}

HostResult getMenuGroupName(MenuGroupHandle group, const char** name) { return registrationName(groups(), group, name); }

HostResult setMenuGroupOptions(MenuGroupHandle group, int32_t options) {
  return withRegistration(groups(), group, [&](MenuGroup& found) {
    found.options = options;
    journal("menu.group.options " + quote(found.name) + " " + std::to_string(options));
    return HOST_NO_ERROR;
  });
}

HostResult getMenuGroupOptions(MenuGroupHandle group, int32_t* options) {
  return withRegistration(groups(), group, [&](const MenuGroup& found) {
    if (options == nullptr) return HOST_BAD_PARAMETER;
    *options = found.options;
    return HOST_NO_ERROR;
  });
}

HostResult getItemName(MenuItemHandle item, const char** name) { return registrationName(items(), item, name); }

HostResult setItemText(MenuItemHandle item, const unsigned char* title) {
  return withRegistration(items(), item, [&](MenuItem& found) {
    std::optional<std::string> text = fromLengthPrefixed(title);
    if (!text) return HOST_BAD_PARAMETER;
    found.title = *text;
    journal("menu.item.title " + quote(found.name) + " " + quote(*text));
    return HOST_NO_ERROR;
  });
}

/// Sets one of an item's switches, recording a change in the journal as "menu.item.<on word> NAME".
HostResult switchItem(MenuItemHandle item, bool MenuItem::*field, bool on, const char* onWord, const char* offWord) {
  return withRegistration(items(), item, [&](MenuItem& found) {
    if (found.*field != on) {
      found.*field = on;
      journal(std::string("menu.item.") + (on ? onWord : offWord) + " " + quote(found.name));
    }
    return HOST_NO_ERROR;
  });
}

HostResult enableItem(MenuItemHandle item, HostBool enabled) {
  return switchItem(item, &MenuItem::enabled, enabled != 0, "enable", "disable");
}

HostResult checkItem(MenuItemHandle item, HostBool checked) {
  return switchItem(item, &MenuItem::checked, checked != 0, "check", "uncheck");
}

constexpr MenuSuite kMenuSuite{addMenuItem,         addMenuGroup,        addMenuGroupAsSubMenu, countMenuGroups,
                               getNthMenuGroup,     getMenuGroupName,    setMenuGroupOptions,   getMenuGroupOptions,
                               getItemName,         setItemText,         enableItem,            checkItem};

}  // namespace

void registerMenuSuite(SuiteRegistry& registry) { registry.add(SUITE_MENU, MENU_SUITE_VERSION, &kMenuSuite); }

}  // namespace host
