#include "host/svg/SvgNumberFormat.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace host::svg {

void appendNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += '0';
    return;
  }
  // Fixed notation of the largest finite double needs 309 digits before the point.
  char buffer[400];
  const std::to_chars_result written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
  std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
  while (text.back() == '0') text.remove_suffix(1);
  if (text.back() == '.') text.remove_suffix(1);
  // A small negative value rounds to "-0".
  if (text == "-0") text = "0";
  out += text;
}

std::string formatNumber(double value) {
  std::string text;
  appendNumber(text, value);
  return text;
}

void appendExactNumber(std::string& out, float value) {
  if (!std::isfinite(value)) {
    out += '0';
    return;
  }
  if (value == 0) value = 0;  // no "-0"
  char buffer[64];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, written.ptr);
}

std::string formatWidth(double value) {
  std::string text;
  if (value > 0 && value < 0.00005) {
    appendExactNumber(text, static_cast<float>(value));
  } else {
    appendNumber(text, value);
  }
  return text;
}

}  // namespace host::svg
