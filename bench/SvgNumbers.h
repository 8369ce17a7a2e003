#pragma once
// Numbers written into generated SVG text, without locale and without floating point, so that a generated
// drawing is the same on every machine.

#include <charconv>
#include <cstdint>
#include <string>

namespace bench {

/// Appends value in decimal.
inline void appendInteger(std::string& out, std::int64_t value) {
  char buffer[24];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, written.ptr);
}

/// Appends a fixed-point number given as an integer count of units of 10^-decimals ("-1.25" for -125, 2).
inline void appendFixed(std::string& out, std::int64_t scaled, int decimals) {
  if (scaled < 0) {
    out += '-';
    scaled = -scaled;
  }
  std::int64_t unit = 1;
  for (int digit = 0; digit < decimals; ++digit) unit *= 10;
  appendInteger(out, scaled / unit);
  out += '.';
  for (std::int64_t place = unit / 10; place > 0; place /= 10) out += static_cast<char>('0' + scaled / place % 10);
}

}  // namespace bench
