#include "converter/export/DxfEntities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ExportTestSupport.h"
#include "converter/export/DxfBlocks.h"

namespace converter {
namespace {

using test::countOf;
using test::dxfLines;
using test::DxfPair;
using test::dxfPairs;
using test::MemoryRecords;
using test::valuesOf;

constexpr double kMillimetresPerPoint = 0.35278;

TEST(DxfEntities, LineWithAndWithoutItsOptionalRecords) {
  MemoryRecords plain;
  writeLine(plain.writer(), kNoLineType, kNoColor, {1, 2}, {3, 4}, "");
  EXPECT_EQ(plain.text(), dxfLines({"  0", "LINE", "  8", "0", " 10", "1.000000", " 20", "2.000000", " 11",
                                    "3.000000", " 21", "4.000000"}));

  MemoryRecords styled;
  writeLine(styled.writer(), 0, 5, {-1, -2}, {3, 4}, "Cut");
  EXPECT_EQ(styled.text(), dxfLines({"  0", "LINE", "  8", "Cut", "  6", "AIGENLINE001", " 62", "5", " 10",
                                     "-1.000000", " 20", "-2.000000", " 11", "3.000000", " 21", "4.000000"}));
}

TEST(DxfEntities, PointsAreScaledThenShiftedByTheOrigin) {
  MemoryRecords records;
  records.context().unitFactor = kMillimetresPerPoint;
  records.context().originX = 1;
  records.context().originY = 2;
  writeCircle(records.writer(), kNoLineType, 7, {100, 10}, 10, "LAYER_1");
  // X = 100 × 0.35278 − 1, Y = 10 × 0.35278 − 2; the radius is only scaled.
  EXPECT_EQ(records.text(), dxfLines({"  0", "CIRCLE", "  8", "LAYER_1", " 62", "7", " 10", "34.278000", " 20",
                                      "1.527800", " 40", "3.527800"}));
}

TEST(DxfEntities, ArcOfABulgeWithTheConvertersConstants) {
  MemoryRecords records;
  records.context().unitFactor = kMillimetresPerPoint;
  records.context().originX = 1;
  records.context().originY = 2;
  writeArc(records.writer(), 1, kNoColor, {0, 0, std::tan(3.14159265358979 / 8)}, {10, 0, 0}, "A");
  // Centre (5, 5.000002), radius 7.071069, from 225.000025 to 314.999995 degrees, as the converter's decimal
  // constants for π/2, 2π and π make them; then scaled and shifted.
  EXPECT_EQ(records.text(), dxfLines({"  0", "ARC", "  8", "A", "  6", "AIGENLINE002", " 10", "0.763900", " 20",
                                      "-0.236099", " 40", "2.494532", " 50", "225.000025", " 51", "314.999995"}));
}

TEST(DxfEntities, StraightArcIsWrittenAsALine) {
  MemoryRecords records;
  writeArc(records.writer(), kNoLineType, kNoColor, {0, 0, 0.00005}, {10, 0, 0}, "");
  EXPECT_EQ(records.text(), dxfLines({"  0", "LINE", "  8", "0", " 10", "0.000000", " 20", "0.000000", " 11",
                                      "10.000000", " 21", "0.000000"}));
}

TEST(DxfEntities, ArcBecomesStraightSegmentsForReadersWithoutArcs) {
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  options.ftiipcomp = plugin::TIIP_TORAY_CREACOMPO;
  options.cnvtAber = 1000;  // so loose that two segments do
  MemoryRecords records(options);
  records.context().curWidthCode = 50;
  writeArc(records.writer(), kNoLineType, 3, {0, 0, 1}, {10, 0, 0}, "1");
  // A half circle below the chord about (5, 0): its ends and its middle point, (5, -5) but for the converter's
  // decimal constants for π/2 and 2π.
  EXPECT_EQ(records.text(),
            dxfLines({"  0", "POLYLINE", "  8", "1", " 40", "0.500000", " 41", "0.500000", " 62", "3", " 66", "1",
                      " 10", "0", " 20", "0", " 30", "0",
                      "  0", "VERTEX", "  8", "1", " 10", "0.000000", " 20", "0.000000",
                      "  0", "VERTEX", "  8", "1", " 10", "5.000003", " 20", "-4.999999",
                      "  0", "VERTEX", "  8", "1", " 10", "10.000000", " 20", "0.000000",
                      "  0", "SEQEND"}));
}

TEST(DxfEntities, ArcSegmentsFollowTheExportTolerance) {
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  options.ftiipcomp = plugin::TIIP_TORAY_CREACOMPO;
  options.cnvtAber = 0;
  MemoryRecords records(options);
  writeArc(records.writer(), kNoLineType, kNoColor, {0, 0, 1}, {10, 0, 0}, "1");
  std::vector<DxfPair> pairs = dxfPairs(records.text());
  EXPECT_EQ(countOf(pairs, {0, "VERTEX"}), 64u) << "a tolerance of 0 gives the most segments, 63";
  EXPECT_EQ(countOf(pairs, {0, "ARC"}), 0u);
}

struct PolylineHeaderCase {
  const char* name;
  int16_t lineType;
  int16_t color;
  int32_t widthCode;
  bool closed;
  int16_t fuseWidth;
  std::string expected;
};

TEST(DxfEntities, PolylineHeaderFlagsAndWidths) {
  const std::string verticesFollow = dxfLines({" 66", "1", " 10", "0", " 20", "0", " 30", "0"});
  const PolylineHeaderCase cases[] = {
      {"open, solid, no width", kNoLineType, kNoColor, 0, false, 1,
       dxfLines({"  0", "POLYLINE", "  8", "L"}) + verticesFollow},
      // An unstroked path's width code 14 is a fixed 0.05, not scaled.
      {"unstroked, closed", kNoLineType, kNoColor, kUnstrokedWidthCode, true, 1,
       dxfLines({"  0", "POLYLINE", "  8", "L", " 40", "0.050000", " 41", "0.050000"}) + verticesFollow +
           dxfLines({" 70", "1"})},
      // A 0.5 point stroke (code 50) is 0.5 points scaled, not a truncated 0.
      {"stroked, dashed", 2, 3, 50, false, 1,
       dxfLines({"  0", "POLYLINE", "  8", "L", "  6", "AIGENLINE003", " 40", "0.176390", " 41", "0.176390", " 62",
                 "3"}) +
           verticesFollow + dxfLines({" 70", "128"})},
      {"widths switched off", 2, 3, 100, true, 0,
       dxfLines({"  0", "POLYLINE", "  8", "L", "  6", "AIGENLINE003", " 62", "3"}) + verticesFollow +
           dxfLines({" 70", "129"})},
  };
  for (const PolylineHeaderCase& test : cases) {
    SCOPED_TRACE(test.name);
    plugin::ConverterOptions options = plugin::defaultConverterOptions();
    options.fuseWidth = test.fuseWidth;
    MemoryRecords records(options);
    records.context().unitFactor = kMillimetresPerPoint;
    writePolylineHeader(records.writer(), test.lineType, test.color, test.widthCode, test.closed, "L");
    EXPECT_EQ(records.text(), test.expected);
  }
}

TEST(DxfEntities, VertexBulgeOnlyWhenNotStraight) {
  MemoryRecords records;
  writeVertex(records.writer(), {1, 2, 0.0001}, "L");
  writeVertex(records.writer(), {3, 4, -0.00011}, "L");
  writeVertex(records.writer(), {5, 6, 0.41421356}, "L");
  writeSeqEnd(records.writer());
  EXPECT_EQ(records.text(), dxfLines({"  0", "VERTEX", "  8", "L", " 10", "1.000000", " 20", "2.000000",
                                      "  0", "VERTEX", "  8", "L", " 10", "3.000000", " 20", "4.000000", " 42",
                                      "-0.000110",
                                      "  0", "VERTEX", "  8", "L", " 10", "5.000000", " 20", "6.000000", " 42",
                                      "0.414214",
                                      "  0", "SEQEND"}));
}

TEST(DxfEntities, TextWithAndWithoutRotationColourAndJustification) {
  MemoryRecords records;
  records.context().unitFactor = 0.5;
  writeTextEntity(records.writer(), 24, kNoColor, 0, 0, {10, 20}, "%%c25%%p0.1", "LAYER_1");
  writeTextEntity(records.writer(), 12, 1, 2, 30, {10, 20}, "Right", "LAYER_1");
  EXPECT_EQ(records.text(),
            dxfLines({"  0", "TEXT", "  8", "LAYER_1", " 10", "5.000000", " 20", "10.000000", " 11", "5.000000",
                      " 21", "10.000000", " 40", "12.000000", " 41", "0.500000", "  1", "%%c25%%p0.1",
                      "  0", "TEXT", "  8", "LAYER_1", " 10", "5.000000", " 20", "10.000000", " 11", "5.000000",
                      " 21", "10.000000", " 40", "6.000000", " 41", "0.500000", " 50", "30.000000", " 62", "1",
                      " 72", "2", "  1", "Right"}));
}

TEST(DxfEntities, ValuesCannotBreakTheGroupStructure) {
  MemoryRecords records;
  writeTextEntity(records.writer(), 10, kNoColor, 0, 0, {0, 0}, "two\r\nlines\t", "Lay\ner");
  // Every line still pairs a code with its value, and the breaks are gone from the values.
  std::vector<DxfPair> pairs = dxfPairs(records.text());
  EXPECT_EQ(valuesOf(pairs, 0), std::vector<std::string>{"TEXT"});
  EXPECT_EQ(valuesOf(pairs, 8), std::vector<std::string>{"Layer"});
  EXPECT_EQ(valuesOf(pairs, 1), std::vector<std::string>{"twolines"});
}

TEST(DxfBlocks, NamedByLayerDepthAndSequence) {
  EXPECT_EQ(blockName(makeBlockKey(3, 1, 10)), "AIGNBL0301000A");
  EXPECT_EQ(blockName(makeBlockKey(0, 1, 1)), "AIGNBL00010001");
  EXPECT_EQ(blockName(makeBlockKey(255, 254, 0xBEEF)), "AIGNBLFFFEBEEF");

  MemoryRecords records;
  writeBlockHeader(records.writer(), makeBlockKey(3, 1, 10), kGroupBlockFlags, "LAYER_3");
  writeBlockEnd(records.writer());
  writeInsert(records.writer(), makeBlockKey(3, 1, 10), "LAYER_3");
  EXPECT_EQ(records.text(), dxfLines({"  0", "BLOCK", "  8", "LAYER_3", "  2", "AIGNBL0301000A", " 70", "64", " 10",
                                      "0", " 20", "0", " 30", "0", "  3", "AIGNBL0301000A",
                                      "  0", "ENDBLK",
                                      "  0", "INSERT", "  8", "LAYER_3", "  2", "AIGNBL0301000A", " 10", "0", " 20",
                                      "0", " 30", "0"}));
}

TEST(DxfBlocks, KeysWithoutSequenceHaveNoName) {
  MemoryRecords records;
  writeBlockHeader(records.writer(), makeBlockKey(3, 1, 0), kGroupBlockFlags, "");
  writeInsert(records.writer(), makeBlockKey(3, 1, 0), "");
  EXPECT_EQ(records.text(), dxfLines({"  0", "BLOCK", "  8", "0", " 70", "64", " 10", "0", " 20", "0", " 30", "0",
                                      "  0", "INSERT", "  8", "0", " 10", "0", " 20", "0", " 30", "0"}));
}

}  // namespace
}  // namespace converter
