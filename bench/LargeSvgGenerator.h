#pragma once
// Large SVG drawings for benchmarks, made in memory: layers of paths with curves, styled the way a vector
// editor writes them. The content depends only on the counts, so every run measures the same input.

#include <cstdint>
#include <string>

namespace bench {

/// The SVG text of a drawing with `layers` layer groups of `pathsPerLayer` closed paths each; every path
/// holds four cubic curves (relative commands, as editors write them) and a style attribute.
[[nodiscard]] std::string generateLayeredSvg(std::int32_t layers, std::int32_t pathsPerLayer);

}  // namespace bench
