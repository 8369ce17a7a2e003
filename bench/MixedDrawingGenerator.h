#pragma once
// A large technical drawing for the DXF export benchmark: ten layers of lines, arcs, curves, circles and
// filled outlines, a share of them in groups with groups inside. The content depends only on the count.

#include <cstdint>
#include <string>

namespace bench {

/// The SVG text of a drawing of `paths` drawn elements spread over `layers` layer groups. In every layer the
/// first fifth of the elements stand in groups of ten, each holding a group of five, so that a drawing of
/// 100 000 elements on ten layers has 4 000 groups (the converter writes at most 4 096 blocks).
[[nodiscard]] std::string generateMixedDrawing(std::int32_t paths, std::int32_t layers);

}  // namespace bench
