#pragma once
// Numbers as the DXF file prints them: the C printf conversions the file format was defined with, produced
// without regard to the process's locale.

#include <cstdint>
#include <string>

namespace converter {

/// "%f": fixed notation, exactly six digits after the point, no exponent, "-" for negatives (12.5 gives
/// "12.500000", -0.0000001 gives "-0.000000"), rounded as printf rounds.
[[nodiscard]] std::string formatReal(double value);
/// formatReal's text written at first, for writers that assemble a line in place; returns its end, or null
/// when the text does not fit before last.
[[nodiscard]] char* putReal(char* first, char* last, double value);
/// "%d".
[[nodiscard]] std::string formatInteger(int64_t value);
/// "%*d": right-aligned in width columns with blanks ("%6d" of 3 is five blanks and "3").
[[nodiscard]] std::string formatRightAligned(int64_t value, int width);
/// "%.*d": at least digits digits, zero-padded ("%3.3d" of 7 is "007").
[[nodiscard]] std::string formatZeroPadded(int64_t value, int digits);
/// "%.*X": upper-case hexadecimal of at least digits digits, zero-padded ("%4.4X" of 10 is "000A").
[[nodiscard]] std::string formatHexadecimal(uint32_t value, int digits);

}  // namespace converter
