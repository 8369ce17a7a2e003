#pragma once
// The checks of the install directory before a run: a valid name, an existing directory, free space; and the
// size texts of the disk-space questions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "installer/script/SetupConfig.h"
#include "platform/DriveMap.h"

namespace installer {

/// The directory the validation examines for a directory text: the text without a trailing backslash, refused
/// (nothing) when it holds * ? / < > or a colon after its second character; for install types its parent (the
/// last component cut), for delete types the directory itself; a bare drive gets its backslash back.
[[nodiscard]] std::optional<std::string> examinedDirectory(std::string_view directory, InstallType type);

/// True when the directory text passes: its examined directory exists and its drive has free space.
[[nodiscard]] bool directoryIsValid(std::string_view directory, InstallType type, const platform::DriveMap& drives);

/// The free space of the directory's drive in KB; 0 when it cannot be read.
[[nodiscard]] uint64_t freeSpaceOf(std::string_view directory, const platform::DriveMap& drives);

}  // namespace installer
