#include "converter/export/DxfWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "ExportTestSupport.h"
#include "converter/export/DxfBlocks.h"
#include "converter/export/DxfEntities.h"
#include "converter/export/DxfMemoryOutput.h"
#include "converter/export/DxfTableEntries.h"
#include "converter/export/ExportProgress.h"
#include "host/sdk/ErrorCodes.h"
#include "platform/SystemErrors.h"

namespace converter {
namespace {

using test::dxfLines;
using test::DxfPair;
using test::dxfPairs;
using test::entryNames;
using test::holdsRun;
using test::newDocument;
using test::readText;
using test::RecordingPasses;
using test::TemporaryFolder;

const std::filesystem::path kFixtures = DXF_FIXTURES;

/// One export into memory with its own context.
struct MemoryExport {
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  ExportDocument document = newDocument();
  RecordingPasses passes;
  std::unique_ptr<ExportContext> context = std::make_unique<ExportContext>();
  DxfMemoryOutput output;

  platform::Result<void> run() { return writeDxf(*context, options, document, passes, output); }
};

/// Index of the first such pair in the file's pairs, failing the test when there is none.
size_t positionOf(const std::vector<DxfPair>& pairs, const DxfPair& pair) {
  auto found = std::find(pairs.begin(), pairs.end(), pair);
  EXPECT_NE(found, pairs.end()) << pair.first << " " << pair.second;
  return static_cast<size_t>(found - pairs.begin());
}

TEST(DxfWriter, EmptyDocumentIsACompleteFile) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "empty.dxf";
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  RecordingPasses passes;
  auto context = std::make_unique<ExportContext>();

  platform::Result<void> written = writeDxf(*context, options, newDocument(), passes, path);

  ASSERT_TRUE(written.ok()) << written.error().describe();
  EXPECT_EQ(readText(path), readText(kFixtures / "empty-document.dxf"));
  EXPECT_EQ(passes.calls, (std::vector<std::string>{"lineTypes", "entities"})) << "no groups, no blocks passes";
  EXPECT_EQ(entryNames(folder.path()), std::vector<std::string>{"empty.dxf"});
}

TEST(DxfWriter, SectionsInOrderWithWhatThePassesWrite) {
  MemoryExport exporter;
  exporter.passes.lineTypes = [](DxfRecordWriter& writer) {
    writeLineTypeEntry(writer, 0, LineTypeEntry{2, {6, 3}});
    writer.context().maxDepth = 2;
    writer.context().blockCount = 2;
    return 0;
  };
  exporter.passes.blocks = [](DxfRecordWriter& writer, int16_t depth) {
    uint32_t key = makeBlockKey(1, static_cast<uint8_t>(depth), static_cast<uint16_t>(depth));
    writeBlockHeader(writer, key, kGroupBlockFlags, "LAYER_1");
    writeBlockEnd(writer);
    return 0;
  };
  exporter.passes.entities = [](DxfRecordWriter& writer) {
    writeLine(writer, kNoLineType, kNoColor, {100, 0}, {0, 100}, "LAYER_1");
    return 0;
  };

  platform::Result<void> written = exporter.run();

  ASSERT_TRUE(written.ok()) << written.error().describe();
  EXPECT_EQ(exporter.passes.calls, (std::vector<std::string>{"lineTypes", "blocks 2", "blocks 1", "entities"}));
  const std::string& file = exporter.output.text();
  std::vector<DxfPair> pairs = dxfPairs(file);
  std::vector<size_t> order{
      positionOf(pairs, {2, "HEADER"}),         positionOf(pairs, {2, "TABLES"}),
      positionOf(pairs, {2, "AIGENLINE001"}),   positionOf(pairs, {2, "LAYER"}),
      positionOf(pairs, {2, "STYLE"}),          positionOf(pairs, {2, "BLOCKS"}),
      positionOf(pairs, {2, "AIGNBL01020002"}), positionOf(pairs, {2, "AIGNBL01010001"}),
      positionOf(pairs, {2, "ENTITIES"}),       positionOf(pairs, {0, "LINE"})};
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
  // Millimetres at scale 1 from the ruler origin: x = 100 points is 35.278 mm.
  EXPECT_TRUE(holdsRun(pairs, {{10, "35.278000"}, {20, "0.000000"}, {11, "0.000000"}, {21, "35.278000"}}));
  EXPECT_TRUE(file.ends_with(dxfLines({"  0", "ENDSEC", "  0", "EOF"})));
}

TEST(DxfWriter, PrintableAreaCentreOriginShiftsExtentsAndPoints) {
  MemoryExport exporter;
  exporter.options.orgnMode = plugin::ORIGIN_PRINTABLE_AREA_CENTER;
  exporter.document.page.paper = {0, 0, 612, 792};
  exporter.document.page.printableArea = {18, 18, 594, 774};  // 576 × 756
  exporter.passes.entities = [](DxfRecordWriter& writer) {
    writeCircle(writer, kNoLineType, kNoColor, {288, 378}, 10, "LAYER_1");
    return 0;
  };

  ASSERT_TRUE(exporter.run().ok());

  std::vector<DxfPair> pairs = dxfPairs(exporter.output.text());
  EXPECT_TRUE(holdsRun(pairs, {{9, "$EXTMIN"}, {10, "-101.600640"}, {20, "-133.350840"}, {30, "0"},
                               {9, "$EXTMAX"}, {10, "101.600640"}, {20, "133.350840"}, {30, "0"}}));
  // The centre of the printable area is the drawing's origin.
  EXPECT_TRUE(holdsRun(pairs, {{0, "CIRCLE"}, {8, "LAYER_1"}, {10, "0.000000"}, {20, "0.000000"}, {40, "3.527800"}}));
}

TEST(DxfWriter, PreparesTheContextFromTheOptions) {
  struct Case {
    float scale;
    int16_t units;
    int16_t smoothing;
    float expectedScale;
    double expectedFactor;
    int16_t expectedSteps;
  };
  const Case cases[] = {
      {1.0f, plugin::UNITS_MILLIMETERS, 1, 1.0f, 0.35278, 128},
      {2.0f, plugin::UNITS_INCHES, 0, 2.0f, 0.0138889 / 2, 64},
      // A scale of 0 or less (or none at all) becomes 1.0, in the option itself.
      {0.0f, plugin::UNITS_MILLIMETERS, 0, 1.0f, 0.35278, 64},
      {-3.0f, plugin::UNITS_INCHES, 1, 1.0f, 0.0138889, 128},
      {std::numeric_limits<float>::quiet_NaN(), plugin::UNITS_MILLIMETERS, 1, 1.0f, 0.35278, 128},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.scale);
    MemoryExport exporter;
    exporter.options.cnvtScal = test.scale;
    exporter.options.cnvtTani = test.units;
    exporter.options.fusesmoth = test.smoothing;
    exporter.context->blockCount = 9;
    exporter.context->lineTypeCount = 9;
    exporter.context->blocksDone = 9;
    exporter.context->progressPercent = 9;
    exporter.context->maxDepth = 9;

    ASSERT_TRUE(exporter.run().ok());

    ExportContext& context = *exporter.context;
    EXPECT_EQ(exporter.options.cnvtScal, test.expectedScale);
    EXPECT_DOUBLE_EQ(context.unitFactor, test.expectedFactor);
    const plugin::BezierWeightTable& weights = context.bezierWeights;
    EXPECT_EQ(weights.steps, test.expectedSteps);
    EXPECT_EQ(context.blockCount, 0);
    EXPECT_EQ(context.lineTypeCount, 0);
    EXPECT_EQ(context.blocksDone, 0);
    EXPECT_EQ(context.progressPercent, 0);
    EXPECT_EQ(context.maxDepth, 0);
    size_t steps = static_cast<size_t>(test.expectedSteps);
    EXPECT_EQ(weights.bernsteinA[0], 1);
    EXPECT_EQ(weights.bernsteinB[0], 0);
    EXPECT_EQ(weights.bernsteinA[steps], 0);
    EXPECT_EQ(weights.bernsteinB[steps], 0);
    double t = 1.0 / static_cast<double>(steps);
    EXPECT_NEAR(weights.bernsteinA[1], std::pow(1 - t, 3), 1e-15);
    EXPECT_NEAR(weights.bernsteinB[1], 3 * t * std::pow(1 - t, 2), 1e-15);
    EXPECT_NEAR(weights.bernsteinA[steps / 2], 0.125, 1e-15);
  }
}

TEST(DxfWriter, TiipModesWithoutLayersAndTheirBlockDepths) {
  struct Case {
    int16_t ftiipcomp;
    bool layerTable;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {plugin::TIIP_NONE, true, {"lineTypes", "blocks 1", "entities"}},
      {plugin::TIIP_GENERAL, true, {"lineTypes", "blocks 1", "entities"}},
      // The whole drawing is one block one level deeper than any group.
      {plugin::TIIP_ASAHI_KASEI_AGMS, false, {"lineTypes", "blocks 2", "blocks 1", "entities"}},
      {plugin::TIIP_TORAY_CREACOMPO, false, {"lineTypes", "blocks 1", "entities"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.ftiipcomp);
    MemoryExport exporter;
    exporter.options.ftiipcomp = test.ftiipcomp;
    exporter.passes.lineTypes = [](DxfRecordWriter& writer) {
      writer.context().maxDepth = 1;
      return 0;
    };
    ASSERT_TRUE(exporter.run().ok());
    EXPECT_EQ(exporter.passes.calls, test.calls);
    std::vector<DxfPair> pairs = dxfPairs(exporter.output.text());
    EXPECT_EQ(holdsRun(pairs, {{0, "TABLE"}, {2, "LAYER"}}), test.layerTable);
    EXPECT_TRUE(holdsRun(pairs, {{0, "TABLE"}, {2, "STYLE"}}));
  }
}

TEST(DxfWriter, LayerTableCountsEveryLayerButSkipsConfigurationLayers) {
  MemoryExport exporter;
  exporter.options.fuselname = 1;
  exporter.document.layers = {{"Cut", true, true, nullptr},
                              {"Configuration Layer", true, true, nullptr},
                              {"Cut", false, true, nullptr}};
  ASSERT_TRUE(exporter.run().ok());
  EXPECT_TRUE(holdsRun(dxfPairs(exporter.output.text()),
                       {{0, "TABLE"}, {2, "LAYER"}, {70, "3"},
                        {0, "LAYER"}, {2, "Cut"}, {70, "64"}, {62, "7"}, {6, "CONTINUOUS"},
                        {0, "LAYER"}, {2, "Cut_1"}, {70, "64"}, {62, "-7"}, {6, "CONTINUOUS"},
                        {0, "ENDTAB"}}));
}

TEST(DxfWriter, StoppedPassEndsTheFileWhereItStands) {
  struct Case {
    const char* name;
    HostResult result;
    int stopIn;  // 0 line types, 1 blocks, 2 entities
    std::string lastWritten;
  };
  const Case cases[] = {
      {"cancel in the line-type pass", kExportCancelled, 0, dxfLines({"  2", "LTYPE", " 70", "256"})},
      {"host error in a blocks pass", HOST_BAD_PARAMETER, 1, dxfLines({"  2", "BLOCKS"})},
      {"cancel in the entities pass", kExportCancelled, 2, dxfLines({"  2", "ENTITIES"})},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    MemoryExport exporter;
    exporter.passes.lineTypes = [&](DxfRecordWriter& writer) {
      writer.context().maxDepth = 1;
      return test.stopIn == 0 ? test.result : 0;
    };
    exporter.passes.blocks = [&](DxfRecordWriter&, int16_t) { return test.stopIn == 1 ? test.result : 0; };
    exporter.passes.entities = [&](DxfRecordWriter&) { return test.stopIn == 2 ? test.result : 0; };

    platform::Result<void> written = exporter.run();

    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().code, test.result);
    EXPECT_TRUE(exporter.output.text().ends_with(test.lastWritten));
    EXPECT_EQ(exporter.passes.calls.size(), static_cast<size_t>(test.stopIn + 1));
  }
}

TEST(DxfWriter, CancelledExportLeavesTheEarlierFile) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "drawing.dxf";
  { std::ofstream(path, std::ios::binary) << "the drawing saved before"; }
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  RecordingPasses passes;
  passes.entities = [](DxfRecordWriter& writer) {
    writeLine(writer, kNoLineType, kNoColor, {0, 0}, {1, 1}, "LAYER_1");
    return kExportCancelled;
  };
  auto context = std::make_unique<ExportContext>();

  platform::Result<void> written = writeDxf(*context, options, newDocument(), passes, path);

  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.error().code, kExportCancelled);
  EXPECT_EQ(readText(path), "the drawing saved before");
  EXPECT_EQ(entryNames(folder.path()), std::vector<std::string>{"drawing.dxf"}) << "no unfinished file is left";
}

/// An output whose destination takes only so many bytes.
class FullOutput final : public DxfOutput {
public:
  explicit FullOutput(size_t capacity) : capacity(capacity) {}
  std::string bytes;

protected:
  platform::Result<void> appendRecords(std::string_view records) override {
    std::string more;
    formatRecords(records, more);
    if (bytes.size() + more.size() > capacity) return platform::fail("no space left", "full.dxf", platform::ERROR_WRITE_FAULT);
    bytes.append(more);
    return {};
  }

private:
  size_t capacity;
};

TEST(DxfWriter, FailedWriteIsReportedAndStopsTheExport) {
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  RecordingPasses passes;
  auto context = std::make_unique<ExportContext>();
  FullOutput output(100);

  platform::Result<void> written = writeDxf(*context, options, newDocument(), passes, output);

  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.error().code, platform::ERROR_WRITE_FAULT);
  EXPECT_EQ(written.error().where, "full.dxf");
  EXPECT_LE(output.bytes.size(), 100u);
  EXPECT_TRUE(passes.calls.empty()) << "the art is not walked for a file that failed";
}

TEST(DxfWriter, FileThatCannotBeCreatedIsReported) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "missing" / "drawing.dxf";
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  RecordingPasses passes;
  auto context = std::make_unique<ExportContext>();

  platform::Result<void> written = writeDxf(*context, options, newDocument(), passes, path);

  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.error().code, platform::ERROR_WRITE_FAULT);
  EXPECT_EQ(written.error().where, path.string());
  EXPECT_TRUE(passes.calls.empty());
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace converter
