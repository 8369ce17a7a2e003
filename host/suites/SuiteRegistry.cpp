#include "host/suites/SuiteRegistry.h"

#include "host/sdk/ErrorCodes.h"

namespace host {

void SuiteRegistry::add(std::string name, int32_t version, const void* table) {
  suites[Key{std::move(name), version}] = Entry{table};
}

const SuiteRegistry::Entry* SuiteRegistry::find(std::string_view name, int32_t version) const {
  auto found = suites.find(Key{std::string(name), version});
  return found == suites.end() ? nullptr : &found->second;
}

SuiteRegistry::Entry* SuiteRegistry::find(std::string_view name, int32_t version) {
  return const_cast<Entry*>(static_cast<const SuiteRegistry*>(this)->find(name, version));
}

HostResult SuiteRegistry::acquire(std::string_view name, int32_t version, const void** table) {
  if (table == nullptr) return HOST_BAD_PARAMETER;
  *table = nullptr;
  Entry* entry = find(name, version);
  if (entry == nullptr || entry->withdrawn) return HOST_SUITE_NOT_FOUND;
  ++entry->open;
  ++entry->acquired;
  *table = entry->table;
  return HOST_NO_ERROR;
}

HostResult SuiteRegistry::release(std::string_view name, int32_t version) {
  Entry* entry = find(name, version);
  if (entry == nullptr || entry->open == 0) return HOST_SUITE_NOT_ACQUIRED;
  --entry->open;
  return HOST_NO_ERROR;
}

void SuiteRegistry::withdraw(std::string_view name, int32_t version, bool withdrawn) {
  if (Entry* entry = find(name, version)) entry->withdrawn = withdrawn;
}

bool SuiteRegistry::offers(std::string_view name, int32_t version) const { return find(name, version) != nullptr; }

int64_t SuiteRegistry::timesAcquired(std::string_view name, int32_t version) const {
  const Entry* entry = find(name, version);
  return entry == nullptr ? 0 : entry->acquired;
}

int32_t SuiteRegistry::openAcquisitions(std::string_view name, int32_t version) const {
  const Entry* entry = find(name, version);
  return entry == nullptr ? 0 : entry->open;
}

std::vector<std::string> SuiteRegistry::openSuites() const {
  std::vector<std::string> open;
  for (const auto& [key, entry] : suites) {
    if (entry.open > 0) open.push_back(key.first + " (" + std::to_string(key.second) + "): " + std::to_string(entry.open));
  }
  return open;
}

int64_t SuiteRegistry::totalOpen() const {
  int64_t total = 0;
  for (const auto& [key, entry] : suites) total += entry.open;
  return total;
}

}  // namespace host
