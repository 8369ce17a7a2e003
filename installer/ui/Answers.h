#pragma once
// The answers file of an unattended run: lines of "key = value" naming the install set, the directory, the
// modes and options, the answers to message boxes and when to press Break.

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installer/ui/MessageBoxes.h"
#include "platform/Result.h"

namespace installer {

/// What an unattended run answers. Unset fields take the program's defaults.
struct Answers {
  /// set = NAME: the install set by its name (default the first).
  std::optional<std::string> set;
  /// directory = C:\PATH: the install directory (default INSTALLDIR or the folder found).
  std::optional<std::string> directory;
  /// modes = 1,3 or none: replaces the set's install modes.
  std::optional<std::vector<int>> modes;
  /// options = 2,5 or none: replaces the set's options.
  std::optional<std::vector<int>> options;
  /// message.NUMBER = BUTTON: the answer to that message of the table (any language block's number).
  std::map<int, ButtonCode> messages;
  /// message.FINDMESSAGE = BUTTON: the answer to the configuration's FINDMESSAGE question.
  std::optional<ButtonCode> findMessage;
  /// message.default = BUTTON: the answer to every other box that has this button.
  std::optional<ButtonCode> messageDefault;
  /// break = STEP: press Break once the run has reached that step.
  std::optional<size_t> breakAtStep;
};

/// Reads answers text; file names the source in errors ("file:line: ..."). Blank lines and lines beginning
/// with "#" or ";" are skipped.
[[nodiscard]] platform::Result<Answers> parseAnswers(std::string_view text, const std::string& file);

/// Reads an answers file; a folder or a file that cannot be read is an error.
[[nodiscard]] platform::Result<Answers> readAnswers(const std::filesystem::path& file);

}  // namespace installer
