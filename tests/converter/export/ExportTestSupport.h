#pragma once

#include "tests/platform/TestSupport.h"
// Helpers of the DXF writer's tests: expected record text, a writer into memory, passes that record what
// they are asked, and temporary folders.

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "converter/export/DxfMemoryOutput.h"
#include "converter/export/DxfRecordWriter.h"
#include "converter/export/ExportContext.h"
#include "converter/export/ExportDocument.h"
#include "converter/export/ExportPasses.h"
#include "plugin-common/ConverterOptions.h"

namespace converter::test {

using platform::test::entryNames;
using platform::test::TemporaryFolder;
/// The whole content of a file, byte for byte.
using platform::test::readText;


/// The lines joined as a DXF file writes them, each ended by CR LF.
[[nodiscard]] std::string dxfLines(std::initializer_list<std::string_view> lines);

/// One group of a DXF file: its code and its value as written.
using DxfPair = std::pair<int, std::string>;
/// The text read as (code, value) pairs, as a DXF reader takes it: CR LF lines, a code line then a value line.
/// A code line that is no number, or a code without its value, fails the test.
[[nodiscard]] std::vector<DxfPair> dxfPairs(std::string_view text);
/// The values of every pair with the code, in order.
[[nodiscard]] std::vector<std::string> valuesOf(const std::vector<DxfPair>& pairs, int code);
/// How many pairs are this pair.
[[nodiscard]] size_t countOf(const std::vector<DxfPair>& pairs, const DxfPair& pair);
/// Whether the pairs hold this run, one pair right after the other.
[[nodiscard]] bool holdsRun(const std::vector<DxfPair>& pairs, const std::vector<DxfPair>& run);

/// A record writer into memory with its own context and options; unitFactor 1 and no origin unless a test
/// sets them, so that coordinates are written as given.
class MemoryRecords {
public:
  explicit MemoryRecords(plugin::ConverterOptions options = plugin::defaultConverterOptions());

  [[nodiscard]] DxfRecordWriter& writer() { return recordWriter; }
  [[nodiscard]] ExportContext& context() { return *exportContext; }
  [[nodiscard]] plugin::ConverterOptions& options() { return converterOptions; }
  /// What has been written.
  [[nodiscard]] const std::string& text() const { return output.text(); }

private:
  plugin::ConverterOptions converterOptions;
  std::unique_ptr<ExportContext> exportContext;
  DxfMemoryOutput output;
  DxfRecordWriter recordWriter;
};

/// Passes that note every call and run what a test gives them (nothing and 0 by default).
class RecordingPasses : public ExportPasses {
public:
  std::function<HostResult(DxfRecordWriter&)> lineTypes;
  std::function<HostResult(DxfRecordWriter&, int16_t)> blocks;
  std::function<HostResult(DxfRecordWriter&)> entities;
  /// "lineTypes", "blocks 2", "entities", "progress 50", in call order.
  std::vector<std::string> calls;

  [[nodiscard]] HostResult collectAndRegisterLineTypes(DxfRecordWriter& writer) override;
  [[nodiscard]] HostResult writeBlocks(DxfRecordWriter& writer, int16_t depth) override;
  [[nodiscard]] HostResult writeEntities(DxfRecordWriter& writer) override;
  void redrawProgress(int16_t percent) override;
};

/// A new document as the host makes it: A4 paper, all of it printable, origin at its bottom-left corner, one
/// visible and printable layer "Layer 1".
[[nodiscard]] ExportDocument newDocument();

}  // namespace converter::test
