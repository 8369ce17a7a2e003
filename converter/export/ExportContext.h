#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "converter/export/BlockEntry.h"
#include "converter/export/ExportPath.h"
#include "converter/export/LineTypeEntry.h"
#include "converter/export/PolyVertex.h"
#include "converter/export/SegmentArcs.h"
#include "host/sdk/HostTypes.h"
#include "plugin-common/BezierWeightTables.h"
#include "plugin-common/LanguageId.h"

namespace converter {

/// Vertices of the segment being converted.
inline constexpr size_t kPendingCapacity = 256;

/// The work area of one export, allocated by the export driver and freed at its end. Every field starts at
/// zero; writeDxf resets what one file needs.
struct ExportContext {
  /// The progress dialog of this export (the driver's).
  DialogRef progressDialog = nullptr;
  /// Offset subtracted from every scaled coordinate, DXF units; set by the HEADER writer.
  double originX = 0;
  double originY = 0;
  /// Last point appended to the pending vertex list, points.
  double lastX = 0;
  double lastY = 0;
  /// DXF units per point.
  double unitFactor = 0;
  /// Layer number and nesting depth of the group being collected.
  uint8_t curLayer = 0;
  uint8_t curDepth = 0;
  /// Running number of collected groups within the current layer.
  int16_t groupSequence = 0;
  /// Deepest nesting depth collected.
  int16_t maxDepth = 0;
  /// Entries used in blocks.
  int16_t blockCount = 0;
  /// Entries written so far in the blocks and entities passes (progress numerator).
  int16_t blocksDone = 0;
  /// 0 to 100, drawn by the progress bar.
  int16_t progressPercent = 0;
  /// Item 1 of the progress dialog, the bar (the driver's).
  ItemRef progressBar = nullptr;
  /// The group table, sorted by layer number, then depth descending, then sequence.
  std::array<BlockEntry, kBlockCapacity> blocks{};
  /// Dash patterns met so far.
  std::array<LineTypeEntry, kLineTypeCapacity> lineTypes{};
  /// Entries used in lineTypes.
  int16_t lineTypeCount = 0;
  /// Index into lineTypes of the path being written, -1 for a solid line.
  int16_t curLineType = 0;
  /// Colour number of the path being written, 0 = none.
  int16_t curColor = 0;
  /// Width code of the path being written (stroke width x 100; 14 for an unstroked path).
  int32_t curWidthCode = 0;
  /// 1 when the path being written is closed.
  int16_t curClosed = 0;
  /// The path being written, read into the same memory path after path.
  ExportPath path;
  /// The arc recognitions of the path being converted.
  SegmentArcs segmentArcs;
  /// The whole-path vertex buffer for POLYLINE output; grows as a path needs.
  std::vector<PolyVertex> polyVertices;
  /// Vertices already moved out of pending for the current path (a long path emits more than 32767).
  int32_t emittedCount = 0;
  /// The weights of a flattened Bezier segment; its steps are 128 with arc smoothing, else 64.
  plugin::BezierWeightTable bezierWeights;
  /// Vertices of the segment being converted, at most bezierWeights.steps + 2 at a time; room for
  /// kPendingCapacity is reserved, and the list grows should a segment ever need more.
  std::vector<PolyVertex> pending;
  /// The plug-in's language (set by the export driver): with schrType it decides how text frames' bytes are
  /// read.
  plugin::LanguageId language = plugin::LanguageId::JAPANESE;
  /// 1: Bezier segments that are circular arcs are written as bulge arcs. The export driver copies the plug-in's
  /// arcSegmentDetection here (after the TIIP overrides) before writing.
  int16_t arcSegmentDetection = 0;
};

}  // namespace converter
