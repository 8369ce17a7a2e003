#include "tests/platform/SzddWriter.h"

#include <cstdint>

namespace installer::test {
namespace {

constexpr size_t kWindowSize = 4096;
// The expander's window starts full of spaces and writes its first byte here.
constexpr size_t kFirstPosition = kWindowSize - 16;
constexpr size_t kMinimumMatch = 3;
constexpr size_t kMaximumMatch = 18;
// Back references reach no further than this, well inside the window.
constexpr size_t kMaximumDistance = kWindowSize - kMaximumMatch - 1;

}  // namespace

std::string compressSzdd(std::string_view data, char lastCharacter) {
  std::string out = "SZDD\x88\xF0\x27\x33";
  out += 'A';
  out += lastCharacter;
  auto length = static_cast<uint32_t>(data.size());
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((length >> shift) & 0xFF);

  size_t at = 0;
  while (at < data.size()) {
    size_t flagsIndex = out.size();
    out += '\0';
    uint8_t flags = 0;
    for (int bit = 0; bit < 8 && at < data.size(); ++bit) {
      size_t bestLength = 0;
      size_t bestStart = 0;
      size_t first = at > kMaximumDistance ? at - kMaximumDistance : 0;
      for (size_t start = first; start < at; ++start) {
        size_t matched = 0;
        while (matched < kMaximumMatch && at + matched < data.size() && data[start + matched] == data[at + matched]) {
          ++matched;
        }
        if (matched > bestLength) {
          bestLength = matched;
          bestStart = start;
        }
      }
      if (bestLength >= kMinimumMatch) {
        size_t position = (kFirstPosition + bestStart) % kWindowSize;
        out += static_cast<char>(position & 0xFF);
        out += static_cast<char>(((position >> 4) & 0xF0) | (bestLength - kMinimumMatch));
        at += bestLength;
      } else {
        flags = static_cast<uint8_t>(flags | (1u << bit));  // a set bit marks a literal byte
        out += data[at];
        ++at;
      }
    }
    out[flagsIndex] = static_cast<char>(flags);
  }
  return out;
}

}  // namespace installer::test
