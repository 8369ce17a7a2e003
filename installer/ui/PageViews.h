#pragma once
// What pages 0 to 2 show, as text lines, from the configuration and the choices made so far.

#include <cstdint>
#include <filesystem>

#include "installer/script/SetupConfig.h"
#include "installer/ui/SetupControls.h"
#include "installer/ui/UserInterface.h"
#include "platform/DriveMap.h"

namespace installer {

/// Page 0: the name of the cover bitmap coverFile, or a note that the setup has none.
[[nodiscard]] PageView coverView(const std::filesystem::path& coverFile);

/// Page 1: the install sets with the chosen one marked and its comment, the directory, the drives, the folders of
/// an existing installation and the free space (freeKb).
[[nodiscard]] PageView setPageView(const SetupConfig& config, const SetupControls& controls,
                                   const platform::DriveMap& drives, uint64_t freeKb);

/// Page 2: the install modes and the options with their marks and sizes, then the selected total and the free
/// space (freeKb).
[[nodiscard]] PageView optionsPageView(const SetupConfig& config, const SetupControls& controls, uint64_t freeKb);

}  // namespace installer
