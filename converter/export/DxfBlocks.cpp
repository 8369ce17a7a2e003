#include "converter/export/DxfBlocks.h"

#include <array>

#include "converter/export/BlockEntry.h"
#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

using enum GroupCode;

constexpr std::string_view kBlockNamePrefix = "AIGNBL";
/// Keys up to this have sequence 0 and no name.
constexpr uint32_t kLastUnnamedKey = 0xFFFF;

/// Blocks and inserts sit at the origin.
constexpr std::array<FixedGroup, 3> kAtOrigin{{
    {X, "0"},
    {Y, "0"},
    {Z, "0"},
}};

bool hasName(uint32_t key) { return key > kLastUnnamedKey; }

}  // namespace

std::string blockName(uint32_t key) {
  return std::string(kBlockNamePrefix) + formatHexadecimal(blockKeyLayer(key), 2) +
         formatHexadecimal(blockKeyDepth(key), 2) + formatHexadecimal(blockKeySequence(key), 4);
}

void writeBlockHeader(DxfRecordWriter& writer, uint32_t key, int32_t flags, std::string_view layer) {
  writer.writeGroup(ENTITY_TYPE, "BLOCK");
  writer.writeLayerLine(layer);
  if (hasName(key)) writer.writeGroup(NAME, blockName(key));
  writer.writeInteger(FLAGS, flags);
  writer.writeGroups(kAtOrigin);
  if (hasName(key)) writer.writeGroup(OTHER_NAME, blockName(key));
}

void writeBlockEnd(DxfRecordWriter& writer) { writer.writeGroup(ENTITY_TYPE, "ENDBLK"); }

void writeInsert(DxfRecordWriter& writer, uint32_t key, std::string_view layer) {
  writer.writeGroup(ENTITY_TYPE, "INSERT");
  writer.writeLayerLine(layer);
  if (hasName(key)) writer.writeGroup(NAME, blockName(key));
  writer.writeGroups(kAtOrigin);
}

}  // namespace converter
