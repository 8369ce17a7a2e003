#pragma once

#include <filesystem>
#include <iosfwd>
#include <vector>

#include "apps/drawhost/ConversionPlan.h"

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

/// How `drawhost convert` treats its files.
struct ConvertSettings {
  SaveKind kind = SaveKind::SAVE_AS;
  /// Replace outputs that exist already.
  bool force = false;
  /// Say nothing about files written whole.
  bool quiet = false;
};

/// Reads input into the host's document and writes it as output, each in the format its extension names: SVG
/// by the host itself, other formats by the plug-in format that writes them. What did not carry over is said
/// on err, one line per kind. Returns the exit code: 0 when output was written whole; 1 otherwise, and then
/// nothing was written: a plug-in that reports success after a cancel or a failed write is caught by the
/// keyboard's state and by the file itself.
int convert(host::Host& host, const std::filesystem::path& input, const std::filesystem::path& output, SaveKind kind,
            std::ostream& err);

/// `drawhost convert`: every conversion in order, each said in one line on out (unless quiet) with what the
/// output holds and the time it took. An output that exists is left alone unless settings.force. A
/// conversion the user cancelled (Ctrl+C) ends the run. Returns 0 when every output was written whole, else 1.
int convertAll(host::Host& host, const std::vector<Conversion>& conversions, const ConvertSettings& settings,
               std::ostream& out, std::ostream& err);

}  // namespace drawhost
