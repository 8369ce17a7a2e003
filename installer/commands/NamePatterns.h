#pragma once
// File-name patterns of the file commands. Only "*" is a wildcard ("?" is an ordinary character), and names
// compare without regard to ASCII letter case, as Windows file names do.

#include <string>
#include <string_view>

namespace installer {

/// The file-name part of a Windows path: what follows its last backslash, slash or drive colon.
[[nodiscard]] std::string_view fileNamePart(std::string_view path);

/// The directory part of a Windows path: everything up to and including its last backslash, slash or drive colon.
[[nodiscard]] std::string_view directoryPart(std::string_view path);

/// True when the file-name part of candidate matches the file-name part of pattern. A "*" before the
/// pattern's last dot takes the candidate up to its last dot (or its end), any other "*" the rest of the
/// candidate; a pattern that ends in "." and stars also matches a candidate without a dot ("*.*" is every name).
[[nodiscard]] bool matchName(std::string_view pattern, std::string_view candidate);

/// The destination path of sourceName under destinationPattern: the pattern's directory part plus the name
/// the pattern's name part makes of sourceName (the source name itself when the name part is empty). A "*"
/// before the pattern's last dot copies the source name up to its last dot, any other "*" the rest; at the pattern's
/// last dot the source jumps past its own last dot; other characters replace the source's character at their
/// position. A name that would end in a dot loses it, as Windows names do.
[[nodiscard]] std::string mapName(std::string_view destinationPattern, std::string_view sourceName);

}  // namespace installer
