#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace host {

class PluginModule;

/// Registrations of one kind (menu items, timers, tools, ...), each with a unique name and the plug-in that made
/// it. Entries keep their addresses for the host's lifetime: plug-ins hold them as handles, and the host checks
/// a handle with isLive before it trusts it.
template <class Entry>
class Registry {
public:
  /// Adds an entry; null when the name is taken.
  Entry* add(Entry entry) {
    if (find(entry.name) != nullptr) return nullptr;
    entries.push_back(std::make_unique<Entry>(std::move(entry)));
    live.insert(entries.back().get());
    return entries.back().get();
  }
  /// The entry of that name, or null.
  [[nodiscard]] Entry* find(std::string_view name) const {
    for (const auto& entry : entries) {
      if (entry->name == name) return entry.get();
    }
    return nullptr;
  }
  /// The entry behind a handle a plug-in passed, or null when it is not one of ours.
  [[nodiscard]] Entry* fromHandle(const void* handle) const {
    auto found = live.find(static_cast<const Entry*>(handle));
    return found == live.end() ? nullptr : const_cast<Entry*>(*found);
  }
  /// Entries in the order they were added.
  [[nodiscard]] const std::vector<std::unique_ptr<Entry>>& all() const { return entries; }
  /// The entries plugin made, in order.
  [[nodiscard]] std::vector<const Entry*> of(const PluginModule* plugin) const {
    std::vector<const Entry*> owned;
    for (const auto& entry : entries) {
      if (entry->plugin == plugin) owned.push_back(entry.get());
    }
    return owned;
  }

private:
  std::vector<std::unique_ptr<Entry>> entries;
  std::unordered_set<const Entry*> live;
};

}  // namespace host
