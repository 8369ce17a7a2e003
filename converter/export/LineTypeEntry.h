#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace converter {

/// Capacity of the line-type table: dash patterns beyond the 256th are written solid.
inline constexpr size_t kLineTypeCapacity = 256;
/// A dash pattern has at most six elements (dash, gap, dash, ...).
inline constexpr size_t kDashElementCapacity = 6;

/// One dash pattern met during the export, written as the LTYPE entry AIGENLINE + (index + 1).
struct LineTypeEntry {
  /// Elements used in elements.
  int32_t elementCount = 0;
  /// Dash and gap lengths in points, as the host's path style holds them.
  std::array<float, kDashElementCapacity> elements{};
};

}  // namespace converter
