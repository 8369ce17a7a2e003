#pragma once
// Which file each input of `drawhost convert` is written to.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace drawhost {

/// One conversion: a drawing and the file it is written to.
struct Conversion {
  std::filesystem::path input;
  std::filesystem::path output;
};

/// The conversions the command line asks for. Two files without toExtension are a drawing and its output
/// (its folder when written with a trailing /), whatever exists. Otherwise every file is an input, except a last one that is a folder (existing, or written
/// with a trailing /), which receives the outputs; without it each output goes beside its input. An output
/// not named takes the input's name with the extension toExtension ("dxf" for drawings, "svg" for DXF files
/// when empty, which only one input may leave so). Refused: no files, an empty name, one file without
/// toExtension or folder, several inputs without toExtension, two inputs for one output, and an output that
/// is one of the inputs (also through a link). Errors name the file.
[[nodiscard]] platform::Result<std::vector<Conversion>> planConversions(const std::vector<std::string>& files,
                                                                        const std::string& toExtension);

/// The extension without its dot, in lower case ("svg" for "Drawing.SVG").
[[nodiscard]] std::string extensionOf(const std::filesystem::path& file);

}  // namespace drawhost
