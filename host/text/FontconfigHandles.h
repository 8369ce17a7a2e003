#pragma once
// Owning handles for fontconfig's objects, so that every early return releases them.

#include <fontconfig/fontconfig.h>

#include <memory>

namespace host {

/// Releases a fontconfig configuration.
struct FontconfigConfigReleaser {
  void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
/// Releases a fontconfig pattern.
struct FontconfigPatternReleaser {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
/// Releases a fontconfig object set.
struct FontconfigObjectSetReleaser {
  void operator()(FcObjectSet* objects) const { FcObjectSetDestroy(objects); }
};
/// Releases a fontconfig font set.
struct FontconfigFontSetReleaser {
  void operator()(FcFontSet* fonts) const { FcFontSetDestroy(fonts); }
};

/// An owned configuration, pattern, object set and font set.
using FontconfigConfig = std::unique_ptr<FcConfig, FontconfigConfigReleaser>;
using FontconfigPattern = std::unique_ptr<FcPattern, FontconfigPatternReleaser>;
using FontconfigObjectSet = std::unique_ptr<FcObjectSet, FontconfigObjectSetReleaser>;
using FontconfigFontSet = std::unique_ptr<FcFontSet, FontconfigFontSetReleaser>;

}  // namespace host
