#pragma once
// Helpers of the path-conversion tests: an in-process host whose suites this test program holds as a plug-in
// would, paths built in its document, and the DXF records written, split into entities.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "converter/export/DxfMemoryOutput.h"
#include "converter/export/DxfRecordWriter.h"
#include "converter/export/ExportContext.h"
#include "host/Host.h"
#include "host/document/Art.h"
#include "plugin-common/ConverterOptions.h"
#include "tests/converter/export/ExportTestSupport.h"
#include "tests/converter/export/InProcessHost.h"

namespace converter::test {

/// A headless host with a new document whose suites the test program holds for as long as it lives
/// (InProcessHost), and paths built in it.
class PathTestHost {
 public:
  /// The host's current document.
  [[nodiscard]] host::Document& document() { return host.document(); }

  /// A path of the segments on the current layer (or inside container, on top), with style.
  ArtHandle addPath(const std::vector<host::PathSegment>& segments, bool closed, const host::PathStyle& style,
                    host::Art* container = nullptr);
  /// A compound path on the current layer.
  host::Art* addCompoundPath();

 private:
  InProcessHost host;
};

/// The art behind a handle of the test host.
[[nodiscard]] host::Art* artOf(ArtHandle handle);

/// A stroked black path, 1 point wide, without fill.
[[nodiscard]] host::PathStyle strokedStyle();
/// A red filled path without stroke.
[[nodiscard]] host::PathStyle filledStyle();

/// A corner anchor at (x, y).
[[nodiscard]] host::PathSegment corner(float x, float y);
/// An anchor with its handles.
[[nodiscard]] host::PathSegment smooth(HostRealPoint anchor, HostRealPoint in, HostRealPoint out);
/// The four quarter-circle segments of a circle around (cx, cy), counter-clockwise from (cx + r, cy), with the
/// handle ratio of a true circle.
[[nodiscard]] std::vector<host::PathSegment> circleSegments(float cx, float cy, float r);

/// A record writer into memory over its own context and options: unitFactor 1, no origin, the Bezier weights
/// for the options' smoothing, and circular segments detected.
class PathRecords {
 public:
  /// A writer with these options.
  explicit PathRecords(plugin::ConverterOptions options = plugin::defaultConverterOptions());

  /// The writer.
  [[nodiscard]] DxfRecordWriter& writer() { return *recordWriter; }
  /// Its context.
  [[nodiscard]] ExportContext& context() { return *exportContext; }
  /// What has been written.
  [[nodiscard]] const std::string& text() const { return output.text(); }

 private:
  plugin::ConverterOptions converterOptions;
  std::unique_ptr<ExportContext> exportContext;
  DxfMemoryOutput output;
  std::unique_ptr<DxfRecordWriter> recordWriter;
};

/// One entity as written: its type and its groups in order (SEQEND ends a POLYLINE's VERTEX entities).
struct WrittenEntity {
  /// The value of its group 0.
  std::string type;
  /// The groups after it, code and value.
  std::vector<DxfPair> groups;

  /// The values of a group code, in order.
  [[nodiscard]] std::vector<std::string> values(int code) const;
  /// The first value of a group code as a real; NaN when there is none.
  [[nodiscard]] double real(int code) const;
  /// Whether the code occurs.
  [[nodiscard]] bool has(int code) const { return !values(code).empty(); }
};

/// The entities of written record text (group pairs split at every group 0).
[[nodiscard]] std::vector<WrittenEntity> writtenEntities(const std::string& text);
/// Their types in order, e.g. "POLYLINE VERTEX VERTEX SEQEND".
[[nodiscard]] std::string entityTypes(const std::vector<WrittenEntity>& entities);

}  // namespace converter::test
