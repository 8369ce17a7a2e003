// The basic suite: acquisition and release through the suite registry, and token comparison.

#include <cstring>

#include "host/sdk/ErrorCodes.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

HostResult acquireSuite(const char* name, int32_t version, const void** suite) {
  return guarded([&] {
    if (name == nullptr) return HOST_BAD_PARAMETER;
    return services().suites->acquire(name, version, suite);
  });
}

HostResult releaseSuite(const char* name, int32_t version) {
  return guarded([&] {
    if (name == nullptr) return HOST_BAD_PARAMETER;
    return services().suites->release(name, version);
  });
}

HostBool isEqual(const char* token1, const char* token2) {
  if (token1 == nullptr || token2 == nullptr) return token1 == token2;
  return std::strcmp(token1, token2) == 0;
}

constexpr BasicSuite kBasicSuite{acquireSuite, releaseSuite, isEqual};

}  // namespace

const BasicSuite& basicSuite() { return kBasicSuite; }

}  // namespace host
