#pragma once
// Internal to the platform library: environment variables and the folders the XDG base directory rules derive.

#include <filesystem>
#include <optional>
#include <string>

namespace platform::internal {

/// The variable's value; nothing when it is unset or empty (an empty value counts as unset, as in the XDG rules).
[[nodiscard]] std::optional<std::string> environmentValue(const char* name);

/// $HOME, else the home folder of the password database's entry for this user; nothing when neither exists.
[[nodiscard]] std::optional<std::filesystem::path> homeFolder();

/// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; nothing without a home folder.
[[nodiscard]] std::optional<std::filesystem::path> configHome();

/// The path without trailing slashes ("/" stays "/").
[[nodiscard]] std::filesystem::path withoutTrailingSlash(const std::filesystem::path& path);

}  // namespace platform::internal
