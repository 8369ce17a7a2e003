#pragma once

#include "host/sdk/BasicSuite.h"

namespace host {

class SuiteRegistry;

/// The basic suite every message carries.
[[nodiscard]] const BasicSuite& basicSuite();

/// Registers every suite the host offers, each under its exact name and every version plug-ins ask for.
void registerAllSuites(SuiteRegistry& registry);

/// One suite family each; registerAllSuites calls them all.
void registerBlocksSuite(SuiteRegistry& registry);
void registerDialogSuites(SuiteRegistry& registry);
void registerUserSuite(SuiteRegistry& registry);
void registerMenuSuite(SuiteRegistry& registry);
void registerTimerSuite(SuiteRegistry& registry);
void registerToolSuite(SuiteRegistry& registry);
void registerNotifierSuite(SuiteRegistry& registry);
void registerFileFormatSuite(SuiteRegistry& registry);
void registerFontSuite(SuiteRegistry& registry);
void registerDocumentSuite(SuiteRegistry& registry);
void registerLayerSuite(SuiteRegistry& registry);
void registerArtSuite(SuiteRegistry& registry);
void registerPathStyleSuite(SuiteRegistry& registry);
void registerFilePathSuite(SuiteRegistry& registry);
void registerLegacyTextSuite(SuiteRegistry& registry);
void registerHardSoftSuite(SuiteRegistry& registry);
void registerTextFrameSuites(SuiteRegistry& registry);
void registerTextEngineSuites(SuiteRegistry& registry);
void registerCustomColorSuite(SuiteRegistry& registry);
void registerRealMathSuite(SuiteRegistry& registry);
void registerPathSuite(SuiteRegistry& registry);
/// Suites whose operations nothing calls yet: offered, where no family above offers them, so that
/// acquisition succeeds.
void registerPlaceholderSuites(SuiteRegistry& registry);

}  // namespace host
