#pragma once
// The text of a TEXT entity: control bytes dropped and the special characters of the line's character set
// replaced by DXF control sequences (%%c diameter, %%d degree, %%p plus-minus, %%% percent).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "plugin-common/LanguageId.h"

namespace converter {

/// The character sets a line's bytes are read in.
enum class DxfCharacterSet {
  /// Shift-JIS (code page 932), double-byte.
  JAPANESE_NATIVE,
  /// Unified Hangul Code (code page 949), double-byte.
  KOREAN_NATIVE,
  /// The Macintosh's single-byte set.
  APPLE_ASCII,
  /// The Windows single-byte set.
  MICROSOFT_ASCII,
};

/// The most bytes a TEXT entity's string holds: longer lines are cut between characters.
inline constexpr size_t kDxfTextLimit = 255;

/// The character set that schrType selects in the language's list: English 0 Apple ASCII, 1 Microsoft ASCII;
/// Japanese and Korean 0 their native set, 1 Apple ASCII, 2 Microsoft ASCII. An index beyond the list selects
/// its first entry; an unknown language counts as Japanese.
[[nodiscard]] DxfCharacterSet effectiveCharacterSet(plugin::LanguageId language, int16_t schrType);

/// The TEXT string of a line's bytes: up to the first zero byte or carriage return, bytes below 32 dropped,
/// the set's diameter, degree, plus-minus and percent signs replaced by %%c, %%d, %%p and %%%, everything else
/// copied. In a native set a double-byte character is one unit: it is replaced or copied whole, and a lead
/// byte without its second byte is dropped. An escape "\U+XXXX" (UnicodeEscapes.h) is one unit too. The
/// result holds at most kDxfTextLimit bytes and is cut only between characters and sequences.
[[nodiscard]] std::string convertTextLine(std::string_view line, DxfCharacterSet characterSet);

}  // namespace converter
