#include "apps/drawhost/PluginListing.h"

#include <sstream>

#include "host/Host.h"

namespace drawhost {
namespace {

std::string joined(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

}  // namespace

std::string listPlugins(host::Host& host) {
  const host::Registrations& registered = host.registrations();
  std::ostringstream out;
  for (const auto& module : host.loader().modules()) {
    const host::PluginModule* plugin = module.get();
    out << module->name() << "  " << module->path().string() << (module->started ? "" : "  (not started)") << "\n";
    for (const host::FileFormat* format : registered.fileFormats.of(plugin)) {
      out << "  file format  " << host::quote(format->name) << "  title " << host::quote(format->title)
          << "  extensions " << joined(format->extensions, ",") << "  flags " << format->options << "  priority "
          << format->priority << "\n";
    }
    for (const host::MenuGroup* group : registered.menuGroups.of(plugin)) {
      out << "  menu group   " << host::quote(group->name) << "\n";
    }
    for (const host::MenuItem* item : registered.menuItems.of(plugin)) {
      out << "  menu item    " << host::quote(item->name) << "  in " << host::quote(item->group->name) << "  title "
          << host::quote(item->title) << "\n";
    }
    for (const host::Tool* tool : registered.tools.of(plugin)) {
      out << "  tool         " << host::quote(tool->name) << "  title " << host::quote(tool->title) << "  tooltip "
          << host::quote(tool->tooltip) << "\n";
    }
    for (const host::Timer* timer : registered.timers.of(plugin)) {
      out << "  timer        " << host::quote(timer->name) << "  every " << timer->period << " ticks\n";
    }
    for (const host::Notifier* notifier : registered.notifiers.of(plugin)) {
      out << "  notifier     " << host::quote(notifier->name) << "  for " << host::quote(notifier->type) << "\n";
    }
  }
  return out.str();
}

}  // namespace drawhost
