#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/sdk/HostTypes.h"

namespace host {

class FontCatalog;

/// The handle of the catalog's font at index.
[[nodiscard]] FontHandle fontHandle(int32_t index);
/// The catalog index behind a font handle, or nullopt when it is no font of catalog.
[[nodiscard]] std::optional<int32_t> fontIndex(FontHandle font, const FontCatalog& catalog);

/// The first character of UTF-8 text, or nullopt when the text is empty or does not begin with a well-formed
/// character.
[[nodiscard]] std::optional<char32_t> firstCodePoint(std::string_view text);
/// UTF-8 text as characters; a malformed byte becomes U+FFFD.
[[nodiscard]] std::u32string toUtf32(std::string_view utf8);
/// Characters as UTF-8.
[[nodiscard]] std::string toUtf8(std::u32string_view characters);
/// UTF-8 text in the system code page, a character the code page lacks (or a malformed byte) written as "?".
[[nodiscard]] std::string toSystemCodePage(std::string_view utf8);

}  // namespace host
