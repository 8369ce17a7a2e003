#include "converter/export/DxfTableEntries.h"

#include <algorithm>
#include <array>

#include "converter/export/DxfNumberFormat.h"

namespace converter {
namespace {

using enum GroupCode;

constexpr std::string_view kLineTypeNamePrefix = "AIGENLINE";
constexpr int kLineTypeNumberDigits = 3;

/// Table entries carry the flag 64 ("referenced"), which readers ignore on input.
constexpr std::string_view kReferencedFlags = "64";

constexpr std::array<FixedGroup, 1> kLineTypeStart{{{ENTITY_TYPE, "LTYPE"}}};
/// What follows the line type's name: flags, description and the alignment code 65 ('A').
constexpr std::array<FixedGroup, 3> kLineTypeDescription{{
    {FLAGS, kReferencedFlags},
    {OTHER_NAME, "generate AI->DXF Converter"},
    {ALIGNMENT_CODE, "65"},
}};

constexpr std::array<FixedGroup, 1> kLayerStart{{{ENTITY_TYPE, "LAYER"}}};
constexpr std::string_view kShownLayerColor = "7";
/// A negative colour number switches the layer off.
constexpr std::string_view kHiddenLayerColor = "-7";
constexpr std::string_view kSolidLineType = "CONTINUOUS";

}  // namespace

std::string lineTypeName(int index) {
  return std::string(kLineTypeNamePrefix) + formatZeroPadded(index + 1, kLineTypeNumberDigits);
}

void writeLineTypeEntry(DxfRecordWriter& writer, int index, const LineTypeEntry& pattern) {
  // Dash and gap come in pairs; an unpaired last dash is dropped.
  int32_t available = std::clamp<int32_t>(pattern.elementCount, 0, static_cast<int32_t>(kDashElementCapacity));
  int32_t count = available - available % 2;
  double total = 0;
  for (int32_t element = 0; element < count; ++element) total += pattern.elements[static_cast<size_t>(element)];

  writer.writeGroups(kLineTypeStart);
  writer.writeGroup(NAME, lineTypeName(index));
  writer.writeGroups(kLineTypeDescription);
  writer.writeInteger(DASH_COUNT, count);
  writer.writeLength(PATTERN_LENGTH, total);
  for (int32_t element = 0; element < count; ++element) {
    double length = pattern.elements[static_cast<size_t>(element)];
    // Elements alternate dash, gap; DXF marks gaps as negative lengths.
    writer.writeLength(DASH_LENGTH, element % 2 == 1 ? -length : length);
  }
}

void writeLayerEntry(DxfRecordWriter& writer, std::string_view name, bool visible, bool printable) {
  writer.writeGroups(kLayerStart);
  writer.writeGroup(NAME, name);
  writer.writeGroup(FLAGS, kReferencedFlags);
  writer.writeGroup(COLOR_NUMBER, visible && printable ? kShownLayerColor : kHiddenLayerColor);
  writer.writeGroup(LINE_TYPE_NAME, kSolidLineType);
}

}  // namespace converter
