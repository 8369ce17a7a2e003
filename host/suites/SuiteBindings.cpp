#include "host/suites/SuiteBindings.h"

#include <array>

#include "host/suites/SuiteRegistry.h"

namespace host {

void registerAllSuites(SuiteRegistry& registry) {
  constexpr std::array kFamilies{
      &registerBlocksSuite, &registerDialogSuites,    &registerUserSuite,       &registerMenuSuite,
      &registerTimerSuite,  &registerToolSuite,       &registerNotifierSuite,   &registerFileFormatSuite,
      &registerFontSuite,   &registerTextFrameSuites, &registerTextEngineSuites, &registerDocumentSuite,
      &registerFilePathSuite, &registerLegacyTextSuite, &registerHardSoftSuite, &registerLayerSuite,
      &registerArtSuite,    &registerPathStyleSuite,
      &registerCustomColorSuite, &registerRealMathSuite,
      &registerPathSuite,
      &registerPlaceholderSuites,  // last: it fills in only what the others left out
  };
  for (auto registerFamily : kFamilies) registerFamily(registry);
}

}  // namespace host
