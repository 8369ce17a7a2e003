#pragma once
// Characters a code page lacks, written as DXF readers decode them: "\U+XXXX" (four upper-case hexadecimal
// digits of the character's UTF-16 code), so that text outside the system code page is not lost.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/CodePages.h"

namespace converter {

/// The bytes of one escape, "\U+" and four digits.
inline constexpr size_t kUnicodeEscapeLength = 7;

/// UTF-8 text in the code page, each character it lacks as "\U+XXXX"; a character beyond the basic
/// multilingual plane (which the escape cannot name) and invalid UTF-8 become "?".
[[nodiscard]] std::string toCodePageWithEscapes(std::string_view utf8, platform::CodePage codePage);

/// Whether text begins with an escape as toCodePageWithEscapes writes it.
[[nodiscard]] bool startsWithUnicodeEscape(std::string_view text);

}  // namespace converter
