#pragma once
// The frame of a DXF file: sections, tables, the HEADER section, the fixed STYLE table and the end of file.

#include <cstdint>
#include <string_view>

#include "converter/export/DxfRecordWriter.h"
#include "converter/export/ExportDocument.h"

namespace converter {

/// "  0 SECTION", "  2 name".
void beginSection(DxfRecordWriter& writer, std::string_view name);
/// "  0 ENDSEC".
void endSection(DxfRecordWriter& writer);
/// "  0 TABLE", "  2 name", " 70 maximumCount".
void beginTable(DxfRecordWriter& writer, std::string_view name, int32_t maximumCount);
/// "  0 ENDTAB".
void endTable(DxfRecordWriter& writer);
/// "  0 EOF".
void writeEof(DxfRecordWriter& writer);

/// The whole HEADER section: release 12 ($ACADVER AC1009), decimal units with four decimals, line-type scale
/// 1, and the drawing's extents for the context's unitFactor and the options' orgnMode. Sets the context's
/// originX and originY, which every later point is shifted by.
void writeHeaderSection(DxfRecordWriter& writer, const ExportPage& page);

/// The STYLE table with its one entry STANDARD, always the same.
void writeStyleTable(DxfRecordWriter& writer);

}  // namespace converter
