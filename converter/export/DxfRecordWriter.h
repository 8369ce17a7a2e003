#pragma once

#include <span>
#include <string_view>

#include "converter/export/DxfGroupCode.h"
#include "converter/export/DxfOutput.h"
#include "converter/export/ExportContext.h"
#include "plugin-common/ConverterOptions.h"
#include "plugin-common/PlaneGeometry.h"

namespace converter {

/// A group whose value is fixed text, for the writers' tables of exact records.
struct FixedGroup {
  /// The group code.
  GroupCode code;
  /// The value exactly as written.
  std::string_view value;
};

/// What every record writer writes with: the output, the export's context (unitFactor, origin, current path
/// attributes) and the options. Groups are two lines each, the code right-aligned in three columns, then the
/// value, each ended by CR LF. Points go through the DXF transform: X = x × unitFactor − originX,
/// Y = y × unitFactor − originY; lengths are multiplied by unitFactor only.
class DxfRecordWriter {
public:
  /// Writes to output with the context's transform and the options; all three outlive the writer.
  DxfRecordWriter(DxfOutput& output, ExportContext& context, const plugin::ConverterOptions& options)
      : out(output), exportContext(context), converterOptions(options) {}

  /// Appends exact record text as it is (the few records whose spacing the group rule does not give).
  void writeText(std::string_view text) { out.write(text); }
  /// One group. Bytes below 32 (CR, LF, ...) are left out of the value: a value never ends its line early.
  void writeGroup(GroupCode code, std::string_view value);
  /// Groups with fixed values, in order.
  void writeGroups(std::span<const FixedGroup> groups);
  /// A real with "%f".
  void writeReal(GroupCode code, double value);
  /// An integer with "%d".
  void writeInteger(GroupCode code, int64_t value);
  /// A point through the DXF transform, its x under xCode and its y under yCode.
  void writePoint(GroupCode xCode, GroupCode yCode, plugin::WorkPoint point);
  /// A length in points, scaled to DXF units.
  void writeLength(GroupCode code, double length);
  /// The layer line of an entity: "  8" and the name, or the layer "0" when the name is empty.
  void writeLayerLine(std::string_view layer);

  /// x in DXF units.
  [[nodiscard]] double dxfX(double x) const { return x * exportContext.unitFactor - exportContext.originX; }
  /// y in DXF units.
  [[nodiscard]] double dxfY(double y) const { return y * exportContext.unitFactor - exportContext.originY; }
  /// A length in DXF units.
  [[nodiscard]] double dxfLength(double length) const { return length * exportContext.unitFactor; }

  /// The export's work area.
  [[nodiscard]] ExportContext& context() const { return exportContext; }
  /// The options of this export.
  [[nodiscard]] const plugin::ConverterOptions& options() const { return converterOptions; }
  /// Where the bytes go.
  [[nodiscard]] DxfOutput& output() const { return out; }
  /// True once a write has failed (nothing more reaches the output).
  [[nodiscard]] bool failed() const { return out.failed(); }

private:
  DxfOutput& out;
  ExportContext& exportContext;
  const plugin::ConverterOptions& converterOptions;
};

}  // namespace converter
