#pragma once
// Tokens of configuration and script lines: one token up to a delimiter, with backslash escapes and the path
// macros ($A, $I, $W, $S, $R, $ and digits, $$) applied.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace installer {

/// The paths the macros stand for, in the configuration's code page. Each is used without one trailing
/// backslash.
struct MacroValues {
  /// $A: the install directory the user confirmed.
  std::string installDirectory;
  /// $W: the Windows directory.
  std::string windowsDirectory;
  /// $S: the Windows system directory.
  std::string systemDirectory;
  /// $ and one or two digits: the shell's special folder of that number (empty when unknown).
  std::function<std::string(int)> specialFolder;
};

/// Special-folder paths are cut to this many characters.
inline constexpr size_t kSpecialFolderLimit = 144;

/// One token of line from position up to delimiter (an unescaped occurrence; '\0' reads to the end of the
/// line), with escapes and macros applied. position is left on the delimiter, which is not consumed. A \0
/// escape ends the token's text, though the line is still read up to the delimiter.
[[nodiscard]] std::string nextToken(char delimiter, size_t& position, std::string_view line, const MacroValues& macros);

}  // namespace installer
