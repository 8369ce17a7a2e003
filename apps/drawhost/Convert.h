#pragma once

#include <filesystem>
#include <iosfwd>

namespace host {
class Host;
}

namespace drawhost {

/// How a conversion writes its output through a plug-in format.
enum class SaveKind {
  /// As the host's Save As does.
  SAVE_AS,
  /// As the host's Export does.
  EXPORT,
};

/// `drawhost convert INPUT OUTPUT`: reads INPUT into the host's document and writes it as OUTPUT, each in the
/// format its extension names: SVG by the host itself, other formats by the plug-in format that writes them.
/// What did not carry over is said on err, one line per kind; what was written on out. Returns the exit code:
/// 0 when OUTPUT was written whole; 1 otherwise, and then nothing was written: a plug-in that reports success
/// after a cancel or a failed write is caught by the keyboard's state and by the file itself.
int convert(host::Host& host, const std::filesystem::path& input, const std::filesystem::path& output, SaveKind kind,
            std::ostream& out, std::ostream& err);

}  // namespace drawhost
