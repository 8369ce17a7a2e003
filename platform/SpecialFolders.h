#pragma once
// The shell's special folders, as Linux keeps them.

#include <filesystem>

#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// The user's documents folder (the shell's special folder 5), without a trailing slash: $PLATFORM_DOCUMENTS,
/// else XDG_DOCUMENTS_DIR from $XDG_CONFIG_HOME/user-dirs.dirs, else $HOME/Documents. The folder need not
/// exist. ERROR_ENVVAR_NOT_FOUND when no home folder is known.
[[nodiscard]] PLATFORM_API Result<std::filesystem::path> documentsFolder();

}  // namespace platform
