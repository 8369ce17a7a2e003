#pragma once
// Blocks: the BLOCK and ENDBLK records around a group's entities, and the INSERT that places it.

#include <cstdint>
#include <string>
#include <string_view>

#include "converter/export/DxfRecordWriter.h"

namespace converter {

/// The BLOCK flags the group blocks carry (64, "referenced", which readers ignore on input).
inline constexpr int32_t kGroupBlockFlags = 64;

/// The block name of a key: "AIGNBL", then the layer number (2 hexadecimal digits), the depth (2) and the
/// sequence (4), upper case: layer 3, depth 1, sequence 10 gives AIGNBL0301000A.
[[nodiscard]] std::string blockName(uint32_t key);

/// The BLOCK record of the group with the key, based at the origin. The name is written only for keys above
/// 65535 (sequence at least 1).
void writeBlockHeader(DxfRecordWriter& writer, uint32_t key, int32_t flags, std::string_view layer);
/// ENDBLK, which ends a block's entities.
void writeBlockEnd(DxfRecordWriter& writer);
/// INSERT of the group's block at the origin (the block holds the group's own coordinates).
void writeInsert(DxfRecordWriter& writer, uint32_t key, std::string_view layer);

}  // namespace converter
