// "AI User Suite": numbers to and from text, locale-independent.

#include <charconv>
#include <cmath>
#include <string>

#include "host/sdk/ErrorCodes.h"
#include "host/sdk/UserSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

HostResult textToNumber(const char* text, double* value) {
  return guarded([&] {
    if (text == nullptr || value == nullptr) return HOST_BAD_PARAMETER;
    *value = 0;
    const char* start = text;
    while (*start == ' ' || *start == '\t') ++start;
    if (*start == '+') ++start;  // from_chars takes a minus sign only
    const char* end = start + std::char_traits<char>::length(start);
    auto [stop, error] = std::from_chars(start, end, *value);
    if (error != std::errc() || stop == start) {
      *value = 0;
      return HOST_BAD_PARAMETER;
    }
    return HOST_NO_ERROR;
  });
}

HostResult numberToText(double value, int32_t decimalPlaces, char* text, int32_t capacity) {
  return guarded([&] {
    if (text == nullptr || decimalPlaces < 0 || decimalPlaces > 17 || !std::isfinite(value)) return HOST_BAD_PARAMETER;
    char formatted[400];
    auto [end, error] = std::to_chars(formatted, formatted + sizeof formatted, value, std::chars_format::fixed, decimalPlaces);
    if (error != std::errc()) return HOST_BAD_PARAMETER;
    std::string written(formatted, end);
    if (written == "-0") written = "0";
    return copyToBuffer(written, text, capacity) ? HOST_NO_ERROR : HOST_BAD_PARAMETER;
  });
}

constexpr UserSuite kUserSuite{textToNumber, numberToText};

}  // namespace

void registerUserSuite(SuiteRegistry& registry) { registry.add(SUITE_USER, USER_SUITE_VERSION, &kUserSuite); }

}  // namespace host
