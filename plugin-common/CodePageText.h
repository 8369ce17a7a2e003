#pragma once
// Text the plug-ins hand to or take from the host's text engine, converted from the Japanese and Korean code
// pages to UTF-8.

#include <cstddef>

namespace plugin {

/// Converts the zero-terminated Shift-JIS (code page 932) text to UTF-8 in out, at most size bytes with the
/// terminating zero. A text that does not convert, or does not fit whole, gives an empty text (never a cut
/// one). Returns false then.
bool shiftJisToUtf8(const char* text, char* out, size_t size);

/// The same from the Korean code page 949.
bool koreanToUtf8(const char* text, char* out, size_t size);

}  // namespace plugin
