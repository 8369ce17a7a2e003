#pragma once
// Where a conversion may write its output: what stands at the output's path (nothing, a drawing, or something
// that is no drawing), the file that is really written (a link's target), and why a write failed.

#include <filesystem>
#include <string>

#include "platform/Result.h"

namespace drawhost {

/// What a conversion writes.
struct OutputTarget {
  /// The file to write: the output itself, or the regular file a link at the output leads to (so that the
  /// link stays and its file is replaced).
  std::filesystem::path file;
  /// A file stands there already (the output or, through links, its target).
  bool exists = false;
};

/// Vets an output path: refused (naming it) when it is empty, when what stands there (directly or through
/// links) is a folder, a device, a FIFO or a socket, or when its links go round in a circle. Never changes
/// anything.
[[nodiscard]] platform::Result<OutputTarget> vetOutput(const std::filesystem::path& output);

/// Why a file could not be written, in words ("the folder ... does not exist", "permission denied", "the disk
/// is full"), found by looking at the file's folder; empty when nothing there tells.
[[nodiscard]] std::string whyNotWritten(const std::filesystem::path& file);

}  // namespace drawhost
