#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/loader/Registry.h"

namespace host {

class PluginModule;
struct MenuItem;

/// A menu group: the host's own (plugin null) or a plug-in's, at the top level or as an item's submenu.
struct MenuGroup {
  std::string name;
  const PluginModule* plugin = nullptr;
  int32_t options = 0;
  /// The item this group hangs below, or null.
  const MenuItem* parentItem = nullptr;
};

/// A menu item a plug-in added.
struct MenuItem {
  std::string name;
  const PluginModule* plugin = nullptr;
  const MenuGroup* group = nullptr;
  std::string title;
  bool enabled = true;
  bool checked = false;
};

/// A timer and its place on the host's virtual clock.
struct Timer {
  std::string name;
  const PluginModule* plugin = nullptr;
  /// Ticks of 1/60 second between firings.
  int32_t period = 1;
  bool active = true;
  /// The clock reading at which it fires next.
  int64_t due = 0;
};

/// A tool in the toolbox.
struct Tool {
  std::string name;
  const PluginModule* plugin = nullptr;
  std::string title;
  std::string tooltip;
  int32_t iconId = 0;
  /// The first tool of its group and of its toolset (itself when it started them).
  const Tool* groupLeader = nullptr;
  const Tool* toolsetLeader = nullptr;
  int32_t options = 0;
};

/// A notifier for one type of host event.
struct Notifier {
  std::string name;
  const PluginModule* plugin = nullptr;
  std::string type;
  bool active = true;
};

/// A file format a plug-in reads or writes.
struct FileFormat {
  std::string name;
  const PluginModule* plugin = nullptr;
  std::string title;
  /// Extensions without the dot, lower case as registered.
  std::vector<std::string> extensions;
  int32_t type = 0;
  int32_t creator = 0;
  /// Capability flags (read 1, export 2, import art 4, place 8, write 512).
  int32_t options = 0;
  int32_t priority = 0;
};

/// Everything plug-ins registered with the host.
struct Registrations {
  Registry<MenuGroup> menuGroups;
  Registry<MenuItem> menuItems;
  Registry<Timer> timers;
  Registry<Tool> tools;
  Registry<Notifier> notifiers;
  Registry<FileFormat> fileFormats;
  /// The virtual clock timers run on, in ticks of 1/60 second since the host started.
  int64_t clock = 0;
};

}  // namespace host
