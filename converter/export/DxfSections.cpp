#include "converter/export/DxfSections.h"

#include <array>

#include "converter/export/DxfCoordinates.h"

namespace converter {
namespace {

using enum GroupCode;

// Exact records of the file's frame.
constexpr std::string_view kSection = "SECTION";
constexpr std::string_view kEndSection = "ENDSEC";
constexpr std::string_view kTable = "TABLE";
constexpr std::string_view kEndTable = "ENDTAB";
constexpr std::string_view kEndOfFile = "EOF";

/// The HEADER up to the extents: release 12, decimal units ($LUNITS 2), four decimals, line-type scale 1.0.
constexpr std::array<FixedGroup, 10> kHeaderStart{{
    {ENTITY_TYPE, kSection},
    {NAME, "HEADER"},
    {VARIABLE_NAME, "$ACADVER"},
    {PRIMARY_TEXT, "AC1009"},
    {VARIABLE_NAME, "$LUNITS"},
    {HEADER_INTEGER, "2"},
    {VARIABLE_NAME, "$LUPREC"},
    {HEADER_INTEGER, "4"},
    {VARIABLE_NAME, "$LTSCALE"},
    {HEADER_REAL, "1.0"},
}};
constexpr std::string_view kExtentsMinimum = "$EXTMIN";
constexpr std::string_view kExtentsMaximum = "$EXTMAX";
/// The extents lie in the plane z = 0.
constexpr std::string_view kZeroZ = "0";

/// The STYLE table: STANDARD with the TXT font and a big font, nothing fixed.
constexpr std::array<FixedGroup, 14> kStyleTable{{
    {ENTITY_TYPE, kTable},
    {NAME, "STYLE"},
    {MAXIMUM_ENTRIES, "6"},
    {ENTITY_TYPE, "STYLE"},
    {NAME, "STANDARD"},
    {FLAGS, "0"},
    {TEXT_HEIGHT, "0"},
    {ROTATION, "0"},
    {TEXT_GENERATION_FLAGS, "0"},
    {WIDTH_FACTOR, "0"},
    {LAST_HEIGHT_USED, "0"},
    {OTHER_NAME, "TXT"},
    {BIG_FONT_NAME, "BIGFONT"},
    {ENTITY_TYPE, kEndTable},
}};

void writeExtentsPoint(DxfRecordWriter& writer, std::string_view variable, plugin::WorkPoint point) {
  writer.writeGroup(VARIABLE_NAME, variable);
  writer.writeReal(X, point.x);
  writer.writeReal(Y, point.y);
  writer.writeGroup(Z, kZeroZ);
}

}  // namespace

void beginSection(DxfRecordWriter& writer, std::string_view name) {
  writer.writeGroup(ENTITY_TYPE, kSection);
  writer.writeGroup(NAME, name);
}

void endSection(DxfRecordWriter& writer) { writer.writeGroup(ENTITY_TYPE, kEndSection); }

void beginTable(DxfRecordWriter& writer, std::string_view name, int32_t maximumCount) {
  writer.writeGroup(ENTITY_TYPE, kTable);
  writer.writeGroup(NAME, name);
  writer.writeInteger(MAXIMUM_ENTRIES, maximumCount);
}

void endTable(DxfRecordWriter& writer) { writer.writeGroup(ENTITY_TYPE, kEndTable); }

void writeEof(DxfRecordWriter& writer) { writer.writeGroup(ENTITY_TYPE, kEndOfFile); }

void writeHeaderSection(DxfRecordWriter& writer, const ExportPage& page) {
  ExportContext& context = writer.context();
  DrawingPlacement placement = placeDrawing(writer.options().orgnMode, page, context.unitFactor);
  context.originX = placement.originX;
  context.originY = placement.originY;

  writer.writeGroups(kHeaderStart);
  // The extents are already in DXF units: they are written as they are, not transformed.
  writeExtentsPoint(writer, kExtentsMinimum, placement.extentsMinimum);
  writeExtentsPoint(writer, kExtentsMaximum, placement.extentsMaximum);
  endSection(writer);
}

void writeStyleTable(DxfRecordWriter& writer) { writer.writeGroups(kStyleTable); }

}  // namespace converter
