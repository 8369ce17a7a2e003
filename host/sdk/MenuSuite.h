#pragma once
/* "AI Menu Suite": the host's menus. Items belong to groups; a group may hang below an item as a submenu. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define MENU_SUITE_VERSION 7

/* Groups of the host's own menus that plug-ins add to. */
#define MENU_GROUP_ABOUT "About"
#define MENU_GROUP_FILTERS "Filters"
#define MENU_GROUP_WINDOW_UTILITIES "Window Utilities"
#define MENU_GROUP_OBJECT_UTILITIES "Object Utilities"

typedef struct MenuSuite {
  /* Adds the item name (unique per host) to groupName with the length-prefixed title; the host keeps copies.
     *item receives the host's handle, valid while the host runs. Result 0, HOST_BAD_PARAMETER (unknown
     group, bad title) or HOST_DUPLICATE_NAME. */
  HostResult (*addMenuItem)(PluginRef plugin, const char* name, const char* groupName,
                            const unsigned char* title, int32_t options, MenuItemHandle* item);
  /* Adds the group name after the group nearGroup (null: at the end of the menus). Result 0,
     HOST_BAD_PARAMETER or HOST_DUPLICATE_NAME. */
  HostResult (*addMenuGroup)(const char* name, int32_t options, const char* nearGroup, MenuGroupHandle* group);
  /* Adds the group name as the submenu of parentItem. Result 0, HOST_BAD_HANDLE or HOST_DUPLICATE_NAME. */
  HostResult (*addMenuGroupAsSubMenu)(const char* name, int32_t options, MenuItemHandle parentItem,
                                      MenuGroupHandle* group);
  /* Number of groups, the host's and the plug-ins'. Result 0. */
  HostResult (*countMenuGroups)(int32_t* count);
  /* The group at index (0-based, in the order of creation). Result 0 or HOST_BAD_PARAMETER. */
  HostResult (*getNthMenuGroup)(int32_t index, MenuGroupHandle* group);
  /* *name points at the group's name, owned by the host. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*getMenuGroupName)(MenuGroupHandle group, const char** name);
  /* The group's option word. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*setMenuGroupOptions)(MenuGroupHandle group, int32_t options);
  HostResult (*getMenuGroupOptions)(MenuGroupHandle group, int32_t* options);
  /* *name points at the item's name, owned by the host. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*getItemName)(MenuItemHandle item, const char** name);
  /* Replaces the item's title (length-prefixed). Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*setItemText)(MenuItemHandle item, const unsigned char* title);
  /* Enables or disables the item. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*enableItem)(MenuItemHandle item, HostBool enabled);
  /* Sets or clears the item's check mark. Result 0 or HOST_BAD_HANDLE. */
  HostResult (*checkItem)(MenuItemHandle item, HostBool checked);
} MenuSuite;
