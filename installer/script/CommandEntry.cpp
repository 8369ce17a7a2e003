#include "installer/script/CommandEntry.h"

namespace installer {

const CommandEntry* findCommand(std::span<const CommandEntry> table, std::string_view name) {
  for (const CommandEntry& entry : table) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace installer
