#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/sdk/HostTypes.h"

namespace host {

/// The suites the host offers, by exact name and version, with their acquisition counts.
class SuiteRegistry {
public:
  /// Offers table (owned by the caller, alive as long as the registry) as name at version.
  void add(std::string name, int32_t version, const void* table);

  /// Acquires name at version: the table, or null (HOST_SUITE_NOT_FOUND) when none is offered or it has been
  /// withdrawn.
  [[nodiscard]] HostResult acquire(std::string_view name, int32_t version, const void** table);
  /// Gives back one acquisition; HOST_SUITE_NOT_ACQUIRED when none is open.
  [[nodiscard]] HostResult release(std::string_view name, int32_t version);

  /// Makes acquisitions of name at version fail (true) or work again (false): a seam for tests.
  void withdraw(std::string_view name, int32_t version, bool withdrawn);

  /// Whether name at version is offered.
  [[nodiscard]] bool offers(std::string_view name, int32_t version) const;
  /// Acquisitions of name at version since start, and those open now.
  [[nodiscard]] int64_t timesAcquired(std::string_view name, int32_t version) const;
  [[nodiscard]] int32_t openAcquisitions(std::string_view name, int32_t version) const;
  /// Every suite with open acquisitions, as "name (version): count", for leak reports.
  [[nodiscard]] std::vector<std::string> openSuites() const;
  /// Total acquisitions open now.
  [[nodiscard]] int64_t totalOpen() const;
  /// Number of (name, version) pairs offered.
  [[nodiscard]] size_t size() const { return suites.size(); }

private:
  struct Entry {
    const void* table = nullptr;
    bool withdrawn = false;
    int32_t open = 0;
    int64_t acquired = 0;
  };
  using Key = std::pair<std::string, int32_t>;
  [[nodiscard]] const Entry* find(std::string_view name, int32_t version) const;
  [[nodiscard]] Entry* find(std::string_view name, int32_t version);

  std::map<Key, Entry, std::less<>> suites;
};

}  // namespace host
