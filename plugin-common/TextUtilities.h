#pragma once
// Text operations on zero-terminated buffers, with the bounds the file readers and the drafting texts rely on.

#include <cstddef>
#include <cstdint>

namespace plugin {

/// The longest text the bounded operations look at.
inline constexpr size_t kTextBound = 32000;

/// Leading spaces, an optional + or -, then decimal digits up to the first other character; no digits gives
/// 0. Digits beyond the 32-bit range wrap around as 32-bit arithmetic does.
[[nodiscard]] int32_t parseInteger(const char* text);

/// Leading spaces, an optional sign, integer digits, optionally a point and fraction digits, optionally e or E
/// with an optional sign and exponent digits, applied by repeated multiplication or division by 10. Stops at
/// the first character that does not fit ("12abc" is 12). An exponent that overflows gives infinity, one that
/// underflows 0, without counting out the whole exponent.
[[nodiscard]] double parseReal(const char* text);

/// Length of a zero-terminated text, at most kTextBound; 0 for null.
[[nodiscard]] size_t boundedLength(const char* text);

/// Compares like strcmp (bytes as unsigned) over at most kTextBound characters: negative, 0 or positive.
[[nodiscard]] int boundedCompare(const char* first, const char* second);

/// Copies source up to and including its terminator, at most kTextBound bytes in all; a longer source is cut
/// so that the copy still ends in a terminator.
void boundedCopy(char* destination, const char* source);

/// Copies at most count characters, stopping after a zero; adds no terminator when count is reached.
void copyCharacters(char* destination, const char* source, size_t count);

/// Sets count bytes to value; returns count.
size_t fillBytes(void* destination, uint8_t value, size_t count);

/// Position of the first occurrence of part in text, or -1 (also when either is null).
[[nodiscard]] int32_t findText(const char* text, const char* part);

}  // namespace plugin
