#pragma once
// Numbers as the SVG writer puts them in attributes: fixed to four decimals with trailing zeros (and a
// trailing point) removed, locale-independent (std::to_chars), never "-0". Four decimals of a point are
// well under a thousandth of a millimetre, and a fixed form keeps the output stable and readable.
// Two kinds of values need more: the unitless coefficients of a matrix (a rotation's cosine rounded to four
// decimals changes sizes by a few thousandths) and widths so thin that four decimals would make them 0,
// which SVG draws as no stroke. Those are written in the shortest form that reads back as the same
// single-precision value the host stores.

#include <string>

namespace host::svg {

/// Appends value in the writer's number form; a non-finite value (which the host never stores) as 0.
void appendNumber(std::string& out, double value);

/// value in the writer's number form.
[[nodiscard]] std::string formatNumber(double value);

/// Appends value in the shortest form that reads back as the same float (exponent form for tiny values).
void appendExactNumber(std::string& out, float value);

/// A width or length that must not vanish: the writer's number form, or the exact form when a positive
/// value would be written as 0.
[[nodiscard]] std::string formatWidth(double value);

}  // namespace host::svg
