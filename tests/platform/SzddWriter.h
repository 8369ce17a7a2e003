#pragma once
// Test support: files in the SZDD compressed format, written the way the old DOS and Windows compressors wrote
// them (the "SZDD" signature, mode 'A', the name's last character, the expanded length, then LZSS data with a
// 4096-byte window of spaces), including the recorded last character that Debian's compressor leaves out.

#include <string>
#include <string_view>

namespace installer::test {

/// The SZDD file of data: the last character of the expanded name is lastCharacter ('\0' records none).
/// Repeated stretches become back references, so the expander's copying is exercised too.
[[nodiscard]] std::string compressSzdd(std::string_view data, char lastCharacter);

}  // namespace installer::test
