#include "converter/export/DxfHatches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportTestSupport.h"

namespace converter {
namespace {

using test::MemoryRecords;

// The HATCH records keep the spacing that earlier files had, with the subclass markers added; every byte is
// checked.

TEST(DxfHatches, PolylineBoundaryWithBulges) {
  MemoryRecords records;
  const std::vector<PolyVertex> vertices{{0, 0, 0}, {10, 0, 0.00009}, {10, 10, -0.5}};
  writeHatchPolyline(records.writer(), 5, vertices, true, "LAYER_1");
  EXPECT_EQ(records.text(),
            "  0\r\nHATCH\r\n100\r\nAcDbEntity\r\n  8\r\nLAYER_1\r\n 62\r\n5\r\n100\r\nAcDbHatch\r\n"
            " 10\r\n0.0\r\n 20\r\n0.0\r\n 30\r\n0.0\r\n"
            " 210\r\n0.0\r\n 220\r\n0.0\r\n 230\r\n1.0\r\n"
            "  2\r\nSOLID\r\n 70\r\n     1\r\n 71\r\n     1\r\n 91\r\n     1\r\n 92\r\n     2\r\n 72\r\n     1\r\n"
            " 73\r\n     1\r\n 93\r\n     3\r\n"
            " 10\r\n0.000000\r\n 20\r\n0.000000\r\n 42\r\n0.000000\r\n"
            " 10\r\n10.000000\r\n 20\r\n0.000000\r\n 42\r\n0.000000\r\n"
            " 10\r\n10.000000\r\n 20\r\n10.000000\r\n 42\r\n-0.500000\r\n"
            " 97\r\n     0\r\n 75\r\n     0\r\n 76\r\n     1\r\n 98\r\n     1\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n");
}

TEST(DxfHatches, EmptyPolylineWritesNothing) {
  MemoryRecords records;
  writeHatchPolyline(records.writer(), 5, {}, true, "LAYER_1");
  EXPECT_EQ(records.text(), "");
}

TEST(DxfHatches, CircleBoundary) {
  MemoryRecords records;
  records.context().unitFactor = 2;
  writeHatchCircle(records.writer(), 0, {1, 2}, 3, "");
  EXPECT_EQ(records.text(),
            "  0\r\nHATCH\r\n100\r\nAcDbEntity\r\n  8\r\n0\r\n100\r\nAcDbHatch\r\n"
            "  10\r\n0.0\r\n20\r\n0.0\r\n30\r\n0.0\r\n"
            "  210\r\n0.0\r\n220\r\n0.0\r\n230\r\n1.0\r\n"
            "  2\r\nSOLID\r\n 70\r\n     1\r\n 71\r\n     1\r\n 91\r\n     1\r\n 92\r\n     1\r\n 93\r\n     1\r\n"
            " 72\r\n     2\r\n"
            " 10\r\n2.000000\r\n 20\r\n4.000000\r\n 40\r\n6.000000\r\n"
            " 50\r\n0.0\r\n 51\r\n360.0\r\n 73\r\n     1\r\n 97\r\n     0\r\n 75\r\n     0\r\n 76\r\n     1\r\n"
            " 98\r\n     1\r\n  10\r\n0.0\r\n20\r\n0.0\r\n");
}

TEST(DxfHatches, CompoundPathWithACircleAndAPolylineLoop) {
  MemoryRecords records;
  const std::vector<PolyVertex> square{{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}};
  beginHatchCompound(records.writer(), 250, 2, "Fill");
  writeHatchCircleLoop(records.writer(), {2, 2}, 1);
  writeHatchPolylineLoop(records.writer(), square, false);
  endHatchCompound(records.writer());
  EXPECT_EQ(records.text(),
            "  0\r\nHATCH\r\n100\r\nAcDbEntity\r\n  8\r\nFill\r\n 62\r\n250\r\n100\r\nAcDbHatch\r\n"
            "  10\r\n0.0\r\n  20\r\n0.0\r\n  30\r\n0.0\r\n"
            "   210\r\n0.0\r\n 220\r\n0.0\r\n 230\r\n1.0\r\n"
            "  2\r\nSOLID\r\n 70\r\n     1\r\n 71\r\n     1\r\n 91\r\n     2\r\n"
            " 92\r\n     1\r\n 93\r\n     1\r\n 72\r\n     2\r\n"
            " 10\r\n2.000000\r\n 20\r\n2.000000\r\n 40\r\n1.000000\r\n"
            " 50\r\n0.0\r\n 51\r\n360.0\r\n 73\r\n     1\r\n 97\r\n     0\r\n"
            " 92\r\n     2\r\n 72\r\n     1\r\n 73\r\n     0\r\n 93\r\n     4\r\n"
            " 10\r\n0.000000\r\n 20\r\n0.000000\r\n 42\r\n0.000000\r\n"
            " 10\r\n4.000000\r\n 20\r\n0.000000\r\n 42\r\n0.000000\r\n"
            " 10\r\n4.000000\r\n 20\r\n4.000000\r\n 42\r\n0.000000\r\n"
            " 10\r\n0.000000\r\n 20\r\n4.000000\r\n 42\r\n0.000000\r\n"
            " 97\r\n     0\r\n"
            " 75\r\n     0\r\n 76\r\n     1\r\n 98\r\n     1\r\n 10\r\n0.0\r\n 20\r\n0.0\r\n");
}

}  // namespace
}  // namespace converter
