// "AI Hard Soft Suite": art is stored in page coordinates, so hard and soft coordinates are the same.

#include "host/sdk/ErrorCodes.h"
#include "host/sdk/HardSoftSuite.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

HostResult samePoint(const HostRealPoint* from, HostRealPoint* to) {
  if (from == nullptr || to == nullptr) return HOST_BAD_PARAMETER;
  *to = *from;
  return HOST_NO_ERROR;
}

constexpr HardSoftSuite kHardSoftSuite{samePoint, samePoint};

}  // namespace

void registerHardSoftSuite(SuiteRegistry& registry) { registry.add(SUITE_HARD_SOFT, HARD_SOFT_SUITE_VERSION, &kHardSoftSuite); }

}  // namespace host
