#pragma once
// The DXF writer: one export's whole file, release 12 text DXF with CR LF line ends.

#include <cstdint>
#include <filesystem>

#include "converter/export/DxfOutput.h"
#include "converter/export/ExportContext.h"
#include "converter/export/ExportDocument.h"
#include "converter/export/ExportPasses.h"
#include "platform/Result.h"
#include "plugin-common/ConverterOptions.h"

namespace converter {

/// Bezier flattening steps with arc smoothing on, and without.
inline constexpr int16_t kSmoothingBezierSteps = 128;
inline constexpr int16_t kPlainBezierSteps = 64;

/// Writes the DXF file of the document to path: HEADER; TABLES with LTYPE (filled by the line-type pass),
/// LAYER (one entry per exported layer; none in the TIIP modes 2 and 3) and STYLE; BLOCKS (the blocks passes,
/// deepest first); ENTITIES (the entities pass); EOF.
///
/// Before writing it resets the context's tables and counters, replaces a cnvtScal of 0 or less in options by
/// 1.0, and sets unitFactor and the Bezier weights (with their steps); the HEADER sets originX and originY.
///
/// The file at path is replaced only by a complete file. On failure the path is left as it was, and the
/// error's code says why: kExportCancelled when the user cancelled, the host error a pass returned, or
/// ERROR_WRITE_FAULT when the file could not be created, written or put in place (message and path in the
/// error).
[[nodiscard]] platform::Result<void> writeDxf(ExportContext& context, plugin::ConverterOptions& options,
                                              const ExportDocument& document, ExportPasses& passes,
                                              const std::filesystem::path& path);

/// The same file into output (a test's memory). On failure the output holds what was written until then.
[[nodiscard]] platform::Result<void> writeDxf(ExportContext& context, plugin::ConverterOptions& options,
                                              const ExportDocument& document, ExportPasses& passes,
                                              DxfOutput& output);

}  // namespace converter
