#pragma once

namespace plugin {

/// Turns the zero-terminated text in buffer into the host's length-prefixed form (one length byte, then the
/// characters) in place. Returns the buffer, or null, leaving it unchanged, when the text has 256 or more
/// characters. The buffer needs room for the text and its terminator, which the conversion does not exceed.
unsigned char* toLengthPrefixed(char* buffer);

/// Turns the length-prefixed text in buffer back into a zero-terminated text in place and returns it. The
/// buffer needs one byte more than the length byte says.
char* toZeroTerminated(unsigned char* buffer);

}  // namespace plugin
