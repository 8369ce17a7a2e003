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

/// The conversions the command line asks for. With two files of different kinds (plan.svg plan.dxf), or a
/// second one that does not exist yet, the second is the output. Otherwise every file is an input, except a last one that is a folder (existing, or written
/// with a trailing /), which receives the outputs; without it each output goes beside its input. An output
/// not named takes the input's name with the extension toExtension ("dxf" for drawings, "svg" for DXF files
/// when empty). Two inputs may not name the same output. Errors name the file.
[[nodiscard]] platform::Result<std::vector<Conversion>> planConversions(const std::vector<std::string>& files,
                                                                        const std::string& toExtension);

/// The extension without its dot, in lower case ("svg" for "Drawing.SVG").
[[nodiscard]] std::string extensionOf(const std::filesystem::path& file);

}  // namespace drawhost
