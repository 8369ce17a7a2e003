#pragma once
// The text of one DXF group: its code right-aligned in three columns on one line, its value on the next,
// each line ended by CR LF.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace converter {

/// The end of every line of a DXF file.
inline constexpr std::string_view kDxfLineEnd = "\r\n";
/// Room for a real group's two lines: the code line (at most eight bytes), a "%f" of any double (at most 317
/// bytes) and its line end, with room to spare.
inline constexpr size_t kGroupLineCapacity = 384;

/// Puts the code right-aligned in three columns ("  0", " 10") and its line end at `at`; returns the end.
char* putGroupCode(char* at, int16_t code);
/// Puts a real group, the code line and the value with "%f", at `at`, which has kGroupLineCapacity bytes of
/// room; returns the end.
char* putRealGroup(char* at, int16_t code, double value);

}  // namespace converter
