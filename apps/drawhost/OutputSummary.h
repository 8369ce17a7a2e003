#pragma once
// What a written file holds, for the one line drawhost says about each conversion.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace host {
class Document;
}

namespace drawhost {

/// The counts of one written drawing.
struct OutputSummary {
  /// Entities of a DXF file's ENTITIES and BLOCKS sections (a POLYLINE with its vertices counts once); the
  /// drawing objects (paths, text) of an SVG file.
  int64_t entities = 0;
  /// DXF blocks; groups of an SVG file.
  int64_t blocks = 0;
  /// Entries of the DXF LAYER table; layers of an SVG file.
  int64_t layers = 0;
};

/// The counts of a DXF file, read from the file; nothing when it cannot be read.
[[nodiscard]] std::optional<OutputSummary> summariseDxf(const std::filesystem::path& file);

/// The counts of a host document as the SVG writer writes it.
[[nodiscard]] OutputSummary summariseDocument(const host::Document& document);

/// "plan.svg -> plan.dxf: 120 entities, 3 blocks, 4 layers, 0.05 s".
[[nodiscard]] std::string summaryLine(const std::filesystem::path& input, const std::filesystem::path& output,
                                      const OutputSummary& summary, double seconds);

}  // namespace drawhost
