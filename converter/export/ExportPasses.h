#pragma once

#include <cstdint>

#include "host/sdk/HostTypes.h"

namespace converter {

class DxfRecordWriter;

/// What writeDxf asks of the export driver while it writes: the passes over the document's art and the
/// progress display. Each pass returns 0 to go on; anything else (kExportCancelled or a host error) stops the
/// file at once, and writeDxf returns it. The blocks and entities passes count every group-table entry they
/// write with advanceProgress, and every pass checks cancelRequested after each art object (ExportProgress.h).
class ExportPasses {
public:
  virtual ~ExportPasses() = default;

  /// Inside the LTYPE table: builds the group table in writer.context() (blocks, blockCount, maxDepth) and
  /// writes one LTYPE entry for each new dash pattern.
  [[nodiscard]] virtual HostResult collectAndRegisterLineTypes(DxfRecordWriter& writer) = 0;
  /// Inside the BLOCKS section, once per depth from the deepest up to 1: one BLOCK per group-table entry of
  /// that depth.
  [[nodiscard]] virtual HostResult writeBlocks(DxfRecordWriter& writer, int16_t depth) = 0;
  /// Inside the ENTITIES section: the art directly on the layers (depth 0).
  [[nodiscard]] virtual HostResult writeEntities(DxfRecordWriter& writer) = 0;
  /// Redraws the progress bar at once; percent is 0 to 100 (also in the context's progressPercent).
  virtual void redrawProgress(int16_t percent) = 0;

protected:
  ExportPasses() = default;
  ExportPasses(const ExportPasses&) = default;
  ExportPasses& operator=(const ExportPasses&) = default;
};

}  // namespace converter
