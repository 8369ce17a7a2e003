// "AI Font Suite" over the host's font catalog. A font handle is the font's place in the catalog plus one, so
// handles stay valid for the host's life and a null handle is never a font.

#include <cstdint>
#include <optional>

#include "host/sdk/ErrorCodes.h"
#include "host/sdk/FontSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"
#include "host/suites/TextSupport.h"
#include "host/text/FontCatalog.h"

namespace host {
namespace {

HostResult countFonts(int32_t* count) {
  return guarded([&] {
    if (count == nullptr) return HOST_BAD_PARAMETER;
    platform::Result<const FontCatalog*> catalog = defaultFontCatalog();
    if (!catalog) return HOST_INTERNAL_ERROR;
    *count = (*catalog)->fontCount();
    return HOST_NO_ERROR;
  });
}

HostResult indexFontList(int32_t index, FontHandle* font) {
  return guarded([&] {
    platform::Result<const FontCatalog*> catalog = defaultFontCatalog();
    if (!catalog) return HOST_INTERNAL_ERROR;
    if (font == nullptr || index < 0 || index >= (*catalog)->fontCount()) return HOST_BAD_PARAMETER;
    *font = fontHandle(index);
    return HOST_NO_ERROR;
  });
}

/// Runs operation with the catalog entry behind font.
template <class Operation>
HostResult withFont(FontHandle font, Operation&& operation) {
  return guarded([&]() -> HostResult {
    platform::Result<const FontCatalog*> catalog = defaultFontCatalog();
    if (!catalog) return HOST_INTERNAL_ERROR;
    std::optional<int32_t> index = fontIndex(font, **catalog);
    if (!index) return HOST_BAD_HANDLE;
    return operation(**catalog, *index);
  });
}

HostResult getFullFontName(FontHandle font, char* name, int32_t maxLength) {
  return withFont(font, [&](const FontCatalog& catalog, int32_t index) {
    if (name == nullptr || maxLength < 1) return HOST_BAD_PARAMETER;
    copyToBuffer(catalog.fonts()[static_cast<size_t>(index)].fullName, name, maxLength);
    return HOST_NO_ERROR;
  });
}

HostResult getPostScriptFontName(FontHandle font, char* name, int32_t maxLength) {
  return withFont(font, [&](const FontCatalog& catalog, int32_t index) {
    if (name == nullptr || maxLength < 1) return HOST_BAD_PARAMETER;
    copyToBuffer(catalog.fonts()[static_cast<size_t>(index)].postScriptName, name, maxLength);
    return HOST_NO_ERROR;
  });
}

HostResult getCharacterAdvance(FontHandle font, const char* character, HostReal* advance) {
  return withFont(font, [&](const FontCatalog& catalog, int32_t index) {
    if (character == nullptr || advance == nullptr) return HOST_BAD_PARAMETER;
    std::optional<char32_t> codePoint = firstCodePoint(character);
    if (!codePoint) return HOST_BAD_PARAMETER;
    platform::Result<int32_t> drawing = catalog.faceForCharacter(index, *codePoint);
    if (!drawing) return HOST_INTERNAL_ERROR;
    platform::Result<const FontFace*> face = catalog.face(*drawing);
    if (!face) return HOST_INTERNAL_ERROR;
    platform::Result<double> width = (*face)->advance(*codePoint);
    if (!width) return HOST_INTERNAL_ERROR;
    *advance = static_cast<HostReal>(*width);
    return HOST_NO_ERROR;
  });
}

HostResult getFontMetrics(FontHandle font, FontMetrics* metrics) {
  return withFont(font, [&](const FontCatalog& catalog, int32_t index) {
    if (metrics == nullptr) return HOST_BAD_PARAMETER;
    platform::Result<const FontFace*> face = catalog.face(index);
    if (!face) return HOST_INTERNAL_ERROR;
    VerticalMetrics vertical = (*face)->verticalMetrics();
    *metrics = FontMetrics{static_cast<HostReal>(vertical.ascender), static_cast<HostReal>(vertical.descender),
                           static_cast<HostReal>(vertical.lineGap)};
    return HOST_NO_ERROR;
  });
}

constexpr FontSuite kFontSuite{countFonts, indexFontList, getFullFontName, getPostScriptFontName, getCharacterAdvance,
                               getFontMetrics};

}  // namespace

void registerFontSuite(SuiteRegistry& registry) {
  registry.add(SUITE_FONT, FONT_SUITE_VERSION_1, &kFontSuite);
  registry.add(SUITE_FONT, FONT_SUITE_VERSION_2, &kFontSuite);
}

}  // namespace host
