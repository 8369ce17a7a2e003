#pragma once

#include <cstddef>
#include <cstdint>

#include "host/sdk/HostTypes.h"

namespace converter {

/// Capacity of the group table: the 4097th group of a document is not written.
inline constexpr size_t kBlockCapacity = 4096;

/// A group's block key: layer number in the low byte, then the nesting depth, then the sequence in the top
/// 16 bits. Keys above 65535 (sequence at least 1) name their block.
[[nodiscard]] constexpr uint32_t makeBlockKey(uint8_t layer, uint8_t depth, uint16_t sequence) {
  return static_cast<uint32_t>(layer) | (static_cast<uint32_t>(depth) << 8) | (static_cast<uint32_t>(sequence) << 16);
}

/// The layer number of a block key (host layer index + 1; 0 for the whole drawing of the TIIP modes).
[[nodiscard]] constexpr uint8_t blockKeyLayer(uint32_t key) { return static_cast<uint8_t>(key & 0xFFu); }
/// The nesting depth of a block key (0 for a layer's own group).
[[nodiscard]] constexpr uint8_t blockKeyDepth(uint32_t key) { return static_cast<uint8_t>((key >> 8) & 0xFFu); }
/// The running number of the group within its layer.
[[nodiscard]] constexpr uint16_t blockKeySequence(uint32_t key) { return static_cast<uint16_t>(key >> 16); }

/// One entry of the group table: a group or compound path that becomes a DXF block.
struct BlockEntry {
  /// makeBlockKey of the group.
  uint32_t key = 0;
  /// The group; none for the single whole-drawing entry of the TIIP modes. The host owns it.
  ArtHandle art = nullptr;
};

}  // namespace converter
