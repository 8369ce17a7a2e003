// What reaches the DXF file of `drawhost convert`, read back by ezdxf: exact coordinates, text in and out of
// the system code page, text frames of any line order.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/apps/drawhost/ProgramRun.h"

namespace {

namespace fs = std::filesystem;
using platform::test::CommandRun;
using platform::test::runCommand;
using platform::test::TemporaryFolder;
using platform::test::writeText;

/// Loads the file with ezdxf, then runs the checks (Python statements with doc, msp and near(a, b, tolerance)
/// at hand, and recovered: the document as ezdxf's loader for files of other programs reads it, which decodes
/// "\U+XXXX") and prints "checked" when they all hold.
constexpr const char* kReadScript = R"(
import sys
import ezdxf
from ezdxf import recover
doc = ezdxf.readfile(sys.argv[1])
msp = doc.modelspace()
recovered, auditor = recover.readfile(sys.argv[1])
def near(a, b, tolerance=1e-3):
    return abs(a - b) < tolerance
exec(open(sys.argv[2]).read())
print("checked")
)";

class ConvertedDxf : public ::testing::Test {
protected:
  /// Converts the SVG text with the converter settings given (KELMO-Pro.ini) on a system of the code page;
  /// returns drawhost's run.
  CommandRun convert(const std::string& svg, const std::string& settings = "", const std::string& codePage = "1252") {
    writeText(input, svg);
    writeText(folder.path() / "documents/Adobe/Illustrator/Prefs/KELMO-Pro.ini", settings);
    return runCommand("PLATFORM_DOCUMENTS='" + (folder.path() / "documents").string() + "' PLATFORM_CODEPAGE=" +
                      codePage + " " + DRAWHOST_PROGRAM + " convert '" + input.string() + "' '" + output.string() +
                      "' 2>&1");
  }

  /// Runs the checks on the DXF written; what ezdxf printed, with "checked" at the end when they held.
  std::string check(const std::string& checks) {
    writeText(folder.path() / "read.py", kReadScript);
    writeText(folder.path() / "checks.py", checks);
    return runCommand(std::string(PEER_PYTHON) + " '" + (folder.path() / "read.py").string() + "' '" +
                      output.string() + "' '" + (folder.path() / "checks.py").string() + "' 2>&1")
        .output;
  }

  TemporaryFolder folder;
  fs::path input = folder.path() / "drawing.svg";
  fs::path output = folder.path() / "drawing.dxf";
};

TEST_F(ConvertedDxf, PointsKeepTheirCoordinatesOnAPageOfNoWholePoints) {
  // 148 mm are 419.53 points: the page record holds 420, the drawing's points keep their places.
  const CommandRun run = convert(
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="210mm" height="148mm" viewBox="0 0 210 148">)"
      R"(<path d="M 10 20 L 100 140" stroke="black" fill="none"/></svg>)");
  ASSERT_EQ(run.status, 0) << run.output;
  // Millimetres, y upwards from the page's bottom edge; 0.35278 mm per point against 25.4 / 72 leaves 7 ppm.
  const std::string printed = check(R"(
(polyline,) = msp.query("POLYLINE")
points = [v.dxf.location for v in polyline.vertices]
assert near(points[0].x, 10) and near(points[0].y, 128) and near(points[1].x, 100) and near(points[1].y, 8), points
)");
  EXPECT_NE(printed.find("checked"), std::string::npos) << printed;
}

TEST_F(ConvertedDxf, ATextFrameWhoseSecondLineStandsAboveTheFirstConverts) {
  const CommandRun run = convert(R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200">)"
                                 R"(<text><tspan x="20" y="100">a</tspan><tspan x="40" y="90">b</tspan></text></svg>)");
  ASSERT_EQ(run.status, 0) << run.output;
  // 150 pt high; the baselines at 100 and 90 px are 75 and 82.5 pt above the bottom edge.
  const std::string printed = check(R"(
k = 0.35278
texts = {t.dxf.text: t for t in msp.query("TEXT")}
assert sorted(texts) == ["a", "b"], texts
assert near(texts["a"].dxf.insert.y, 75 * k) and near(texts["b"].dxf.insert.y, 82.5 * k)
)");
  EXPECT_NE(printed.find("checked"), std::string::npos) << printed;
}

TEST_F(ConvertedDxf, JapaneseTextOnAWesternSystemIsSaidAndComesBackFromEzdxf) {
  const std::string title = "\xE5\x9B\xB3\xE9\x9D\xA2 Plan \xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC";  // 図面 Plan é 日本
  const CommandRun run = convert(R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100">)"
                                 R"(<text x="10" y="50">)" + title + "</text></svg>",
                                 "", "1252");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("drawhost: " + output.string() +
                            ": 4 characters outside the system code page 1252: \xE5\x9B\xB3 \xE9\x9D\xA2 "
                            "\xE6\x97\xA5 \xE6\x9C\xAC (written as \\U+XXXX"),
            std::string::npos)
      << run.output;
  writeText(folder.path() / "title.txt", title);
  const std::string printed = check(R"(
(text,) = msp.query("TEXT")
assert text.dxf.text == "\\U+56F3\\U+9762 Plan \xe9 \\U+65E5\\U+672C", repr(text.dxf.text)
(back,) = recovered.modelspace().query("TEXT")
assert back.dxf.text == open(sys.argv[1][:-len("drawing.dxf")] + "title.txt", encoding="utf-8").read(), back.dxf.text
)");
  EXPECT_NE(printed.find("checked"), std::string::npos) << printed;
}

}  // namespace
