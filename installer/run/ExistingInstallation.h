#pragma once
// The search for an existing installation: the folders on a drive that hold one of the SEARCHKEY files.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/DriveMap.h"

namespace installer {

/// At most this many folders are recorded.
inline constexpr size_t kFoundFolderLimit = 20;
/// The progress panel advances one per cent for every this many files examined.
inline constexpr size_t kFilesPerPercent = 300;

/// The folders (Windows paths, UTF-8) on drive that hold a file named (without regard to case) like one of
/// keys, in the order the walk finds them, each once, with a trailing "\Support Files" part cut off; at most
/// kFoundFolderLimit. progress, when given, receives the panel's per cent (wrapping at 100) as files are examined.
[[nodiscard]] std::vector<std::string> findExistingInstallation(const platform::DriveMap& drives, char drive,
                                                                const std::vector<std::string>& keys,
                                                                const std::function<void(int)>& progress = {});

}  // namespace installer
