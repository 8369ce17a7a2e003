// The writer's files read by a peer: ezdxf loads them, audits them, and finds in them what was written.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ExportTestSupport.h"
#include "converter/export/DxfBlocks.h"
#include "converter/export/DxfEntities.h"
#include "converter/export/DxfHatches.h"
#include "converter/export/DxfTableEntries.h"
#include "converter/export/DxfWriter.h"

namespace converter {
namespace {

using test::newDocument;
using test::RecordingPasses;
using test::TemporaryFolder;

constexpr double kQuarterTurnBulge = 0.41421356237309503;  // tan(π/8)

/// Loads the file with ezdxf, fails on anything its audit reports, then runs the checks (Python statements
/// with doc, msp and near(a, b) at hand) and prints "checked" when they all hold.
constexpr const char* kReadScript = R"(
import sys
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
for entry in auditor.errors + auditor.fixes:
    print("audit:", entry.code, entry.message)
assert not auditor.errors and not auditor.fixes, "the audit reported problems"
msp = doc.modelspace()
def near(a, b):
    return abs(a - b) < 1e-5
exec(open(sys.argv[2]).read())
print("checked")
)";

/// Runs the script on the file with the checks; returns what it printed (stdout and stderr) and whether it
/// ended well.
std::pair<bool, std::string> readWithEzdxf(const std::filesystem::path& folder, const std::filesystem::path& file,
                                           const std::string& checks) {
  std::filesystem::path script = folder / "read.py";
  std::filesystem::path checksFile = folder / "checks.py";
  std::ofstream(script) << kReadScript;
  std::ofstream(checksFile) << checks;
  std::string command = std::string(PEER_PYTHON) + " '" + script.string() + "' '" + file.string() + "' '" +
                        checksFile.string() + "' 2>&1";
  platform::test::CommandRun ran = platform::test::runCommand(command);
  return {ran.status == 0 && ran.output.find("checked") != std::string::npos, ran.output};
}

TEST(EzdxfRead, TablesBlocksAndEntitiesAsWritten) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "entities.dxf";
  plugin::ConverterOptions options = plugin::defaultConverterOptions();  // millimetres, scale 1, ruler origin
  ExportDocument document = newDocument();
  document.layers.push_back({"Layer 2", false, true, nullptr});
  const uint32_t key = makeBlockKey(1, 1, 1);
  RecordingPasses passes;
  passes.lineTypes = [](DxfRecordWriter& writer) {
    writeLineTypeEntry(writer, 0, LineTypeEntry{2, {6, 3}});
    writer.context().maxDepth = 1;
    return 0;
  };
  passes.blocks = [key](DxfRecordWriter& writer, int16_t) {
    writeBlockHeader(writer, key, kGroupBlockFlags, "LAYER_1");
    writeLine(writer, 0, 1, {0, 0}, {72, 0}, "LAYER_1");
    writeArc(writer, kNoLineType, 3, {0, 0, kQuarterTurnBulge}, {72, 0, 0}, "LAYER_1");
    writeCircle(writer, kNoLineType, 5, {36, 36}, 18, "LAYER_1");
    writeBlockEnd(writer);
    return 0;
  };
  passes.entities = [key](DxfRecordWriter& writer) {
    writeInsert(writer, key, "LAYER_1");
    writePolylineHeader(writer, kNoLineType, kNoColor, 50, true, "LAYER_2");
    writeVertex(writer, {0, 0, 0}, "LAYER_2");
    writeVertex(writer, {100, 0, 1}, "LAYER_2");
    writeVertex(writer, {100, 100, 0}, "LAYER_2");
    writeVertex(writer, {0, 100, 0}, "LAYER_2");
    writeSeqEnd(writer);
    writeTextEntity(writer, 24, 1, 1, 30, {100, 200}, "%%c25%%p0.1", "LAYER_2");
    writeLine(writer, kNoLineType, kNoColor, {10, 10}, {20, 20}, "");
    return 0;
  };
  auto context = std::make_unique<ExportContext>();
  platform::Result<void> written = writeDxf(*context, options, document, passes, path);
  ASSERT_TRUE(written.ok()) << written.error().describe();

  const std::string checks = R"(
k = 0.35278
assert doc.dxfversion == "AC1009", doc.dxfversion
assert near(doc.header["$EXTMAX"][0], 595 * k) and near(doc.header["$EXTMAX"][1], 842 * k)
pattern = {tag.code: [] for tag in doc.linetypes.get("AIGENLINE001").pattern_tags.tags}
for tag in doc.linetypes.get("AIGENLINE001").pattern_tags.tags:
    pattern[tag.code].append(tag.value)
assert near(pattern[40][0], 9 * k) and [round(v / k, 6) for v in pattern[49]] == [6, -3], pattern
assert doc.layers.get("LAYER_1").is_on() and doc.layers.get("LAYER_2").is_off()

block = doc.blocks.get("AIGNBL01010001")
line, arc, circle = list(block)
assert line.dxftype() == "LINE" and line.dxf.linetype == "AIGENLINE001" and line.dxf.color == 1
assert near(line.dxf.end.x, 72 * k) and near(line.dxf.end.y, 0)
assert arc.dxftype() == "ARC" and arc.dxf.color == 3
assert abs(arc.dxf.center.x - 36 * k) < 1e-4 and abs(arc.dxf.center.y - 36 * k) < 1e-4, arc.dxf.center
assert abs(arc.dxf.radius - 36 * 2 ** 0.5 * k) < 1e-4 and abs(arc.dxf.start_angle - 225) < 1e-3 and abs(arc.dxf.end_angle - 315) < 1e-3
assert circle.dxftype() == "CIRCLE" and near(circle.dxf.radius, 18 * k) and circle.dxf.color == 5

insert, polyline, text, loose = list(msp)
assert insert.dxftype() == "INSERT" and insert.dxf.name == "AIGNBL01010001" and insert.dxf.layer == "LAYER_1"
assert polyline.dxftype() == "POLYLINE" and polyline.is_closed and len(polyline.vertices) == 4
assert near(polyline.dxf.default_start_width, 0.5 * k)
assert [round(v.dxf.bulge, 6) for v in polyline.vertices] == [0, 1, 0, 0]
assert near(polyline.vertices[2].dxf.location.x, 100 * k)
assert text.dxftype() == "TEXT" and text.dxf.text == "%%c25%%p0.1"
assert near(text.dxf.height, 24 * k) and near(text.dxf.rotation, 30) and text.dxf.halign == 1 and text.dxf.width == 0.5
assert loose.dxftype() == "LINE" and loose.dxf.layer == "0"
)";
  auto [ok, printed] = readWithEzdxf(folder.path(), path, checks);
  EXPECT_TRUE(ok) << printed;
}

TEST(EzdxfRead, ArcsAsStraightSegmentsForTheTiipVariant) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "segments.dxf";
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  options.ftiipcomp = plugin::TIIP_TORAY_CREACOMPO;
  RecordingPasses passes;
  passes.entities = [](DxfRecordWriter& writer) {
    writeArc(writer, kNoLineType, kNoColor, {0, 0, -kQuarterTurnBulge}, {72, 0, 0}, "1");
    return 0;
  };
  auto context = std::make_unique<ExportContext>();
  platform::Result<void> written = writeDxf(*context, options, newDocument(), passes, path);
  ASSERT_TRUE(written.ok()) << written.error().describe();

  const std::string checks = R"(
k = 0.35278
(polyline,) = list(msp)
assert polyline.dxftype() == "POLYLINE" and not polyline.is_closed and polyline.dxf.layer == "1"
points = [v.dxf.location for v in polyline.vertices]
assert 3 <= len(points) <= 64
centre = (36 * k, -36 * k)
for p in points:
    assert abs(((p.x - centre[0]) ** 2 + (p.y - centre[1]) ** 2) ** 0.5 - 36 * 2 ** 0.5 * k) < 1e-4
assert near(points[0].x, 72 * k) and near(points[-1].x, 0)
)";
  auto [ok, printed] = readWithEzdxf(folder.path(), path, checks);
  EXPECT_TRUE(ok) << printed;
}

// ezdxf 0.18 cannot load a HATCH without its subclass markers; with them it reads all three kinds of boundary.
// (In a release 12 file it takes the common groups only from before the first marker, so it sees neither the
// layer nor the colour; LibreCAD reads both.)
TEST(EzdxfRead, HatchesOfAPolylineACircleAndACompoundPath) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "hatches.dxf";
  RecordingPasses passes;
  passes.entities = [](DxfRecordWriter& writer) {
    const std::vector<PolyVertex> triangle{{0, 0, 0}, {72, 0, kQuarterTurnBulge}, {72, 72, 0}};
    writeHatchPolyline(writer, 1, triangle, true, "LAYER_1");
    writeHatchCircle(writer, kNoColor, {36, 36}, 18, "LAYER_1");
    beginHatchCompound(writer, 5, 2, "LAYER_1");
    writeHatchCircleLoop(writer, {36, 36}, 9);
    writeHatchPolylineLoop(writer, triangle, true);
    endHatchCompound(writer);
    return 0;
  };
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  auto context = std::make_unique<ExportContext>();
  platform::Result<void> written = writeDxf(*context, options, newDocument(), passes, path);
  ASSERT_TRUE(written.ok()) << written.error().describe();

  const std::string checks = R"(
k = 0.35278
polyline, circle, compound = list(msp)
assert [h.dxftype() for h in (polyline, circle, compound)] == ["HATCH"] * 3
(loop,) = polyline.paths
assert loop.is_closed and [round(v[0] / k, 4) for v in loop.vertices] == [0, 72, 72]
assert abs(loop.vertices[1][2] - 0.414214) < 1e-6, loop.vertices
(ring,) = circle.paths
(edge,) = ring.edges
assert edge.type == ezdxf.entities.EdgeType.ARC and near(edge.radius, 18 * k) and near(edge.center.x, 36 * k)
assert len(compound.paths) == 2 and near(compound.paths[0].edges[0].radius, 9 * k)
assert len(compound.paths[1].vertices) == 3
)";
  auto [ok, printed] = readWithEzdxf(folder.path(), path, checks);
  EXPECT_TRUE(ok) << printed;
}

}  // namespace
}  // namespace converter
