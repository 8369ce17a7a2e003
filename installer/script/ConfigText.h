#pragma once
// The setup configuration as the installer holds it: the first 32000 bytes of WENDRIX.INI (or SETUP.INI) in
// the setup directory, read once and kept for the whole run, and the line reader over it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "installer/script/Language.h"
#include "platform/Result.h"

namespace installer {

/// At most this many bytes of the configuration file are read.
inline constexpr size_t kConfigurationLimit = 32000;
/// A line keeps at most this many bytes.
inline constexpr size_t kLineLimit = 511;

/// The configuration buffer.
struct ConfigText {
  /// The file's bytes, cut at kConfigurationLimit.
  std::string bytes;
  /// The file read; empty when the setup directory holds no configuration.
  std::filesystem::path file;
  /// True when the file was longer than kConfigurationLimit and was cut.
  bool truncated = false;
};

/// The configuration of the setup directory: WENDRIX.INI, else SETUP.INI (names matched without regard to
/// case); one that exists but cannot be read is passed over like a missing one. Neither there gives an empty
/// configuration; files that exist but none of which can be read are an error.
[[nodiscard]] platform::Result<ConfigText> loadConfiguration(const std::filesystem::path& setupDirectory);

/// The setup directory named by a Windows command line: the program's path up to its last backslash (a
/// quoted path up to its closing quote), keeping the colon of a drive ("A:"); empty when the path has none.
[[nodiscard]] std::string setupDirectoryOf(std::string_view commandLine);

/// The next line from position: LF ends it, CR is dropped, at most kLineLimit bytes are kept (the rest of a
/// long line is skipped). Double-byte pairs of the language are copied whole, a second byte that is a
/// backslash or a dollar sign doubled so that the tokeniser gives it back as itself. Nothing at the end.
[[nodiscard]] std::optional<std::string> readLine(std::string_view buffer, size_t& position, LanguageId language);

/// A line from readLine as the file holds it: the doubled second bytes of double-byte pairs single again (for
/// showing the line).
[[nodiscard]] std::string lineAsWritten(std::string_view line, LanguageId language);

/// The position just after the header line of the section ("[GENERAL]"), or nothing when it is missing.
[[nodiscard]] std::optional<size_t> findSection(std::string_view buffer, std::string_view header, LanguageId language);

}  // namespace installer
