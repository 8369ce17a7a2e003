// "AI Legacy Text Conversion Suite": this host's documents hold no legacy text, so there is nothing to convert.

#include "host/sdk/ErrorCodes.h"
#include "host/sdk/LegacyTextSuite.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

HostResult noLegacyText(int32_t* count) {
  if (count == nullptr) return HOST_BAD_PARAMETER;
  *count = 0;
  return HOST_NO_ERROR;
}

constexpr LegacyTextConversionSuite kLegacyTextSuite{noLegacyText, noLegacyText};

}  // namespace

void registerLegacyTextSuite(SuiteRegistry& registry) {
  registry.add(SUITE_LEGACY_TEXT_CONVERSION, LEGACY_TEXT_CONVERSION_SUITE_VERSION, &kLegacyTextSuite);
}

}  // namespace host
