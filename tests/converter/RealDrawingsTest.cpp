// Drawings that no one here wrote (from Debian packages), converted by drawhost and KELMO-Pro as a person runs
// them, and checked by peers: ezdxf reads every output, the outlines, layers and extents match what
// svgelements reads from the SVG, and LibreCAD's rendering of the DXF looks like rsvg-convert's of the SVG.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/converter/Renderings.h"
#include "tests/platform/TestSupport.h"

namespace {

namespace fs = std::filesystem;

using converter::test::colourAgreement;
using converter::test::colourCells;
using converter::test::Image;
using converter::test::inkAgreement;
using converter::test::inkCells;
using converter::test::printedColourCells;
using converter::test::readPng;

/// One drawing of the sample, whether its rendering can be compared, and how much of its colour must agree:
/// drawings whose look rests on what a DXF file cannot hold (filters, see-through gradients, text along a
/// path) are only checked to render; colours are compared where the DXF holds them (no transparency, no
/// gradients, text a small part of the ink), and there they tell whether what lies on top came out on top.
struct Sample {
  fs::path file;
  bool comparesRendering;
  double colourAgreement = 0;
};

const fs::path kInkscapeExamples = "/usr/share/inkscape/examples";

/// A modest sample: every adwaita icon of the fixtures, and Inkscape examples with layers, groups, clip
/// groups, hidden layers, markers, text, circles, many curves and transforms.
std::vector<Sample> sample() {
  std::vector<Sample> drawings;
  for (const auto& entry : fs::directory_iterator(fs::path(SVG_FIXTURES) / "adwaita")) {
    if (entry.path().extension() != ".svg") continue;
    // This icon's light gray is a dark gray drawn see-through, which a DXF colour cannot hold.
    const bool opaque = entry.path().filename() != "user-idle-symbolic.svg";
    drawings.push_back({entry.path(), true, opaque ? 0.9 : 0});
  }
  struct Example {
    const char* name;
    bool comparesRendering;
    double colourAgreement;
  };
  static constexpr Example kExamples[] = {
      {"animated-clock.svg", true, 0.8},
      {"art-nouveau-P3.svg", true, 0},  // much of its ink is text, which lays out otherwise in a DXF viewer
      {"blend_modes.svg", true, 0},     // the modes mix colours
      {"car.svgz", true, 0.55},         // gradients painted flat still cover the same areas
      {"flow-go.svg", true, 0},         // sized in per cent of its viewBox
      {"glass.svg", false, 0},          // see-through gradients make the shape
      {"gradient.svg", true, 0},
      {"gradient-mesh-experimental.svgz", true, 0},
      {"l-systems.svgz", true, 0},  // mostly text
      {"lighting_filters.svg", false, 0},
      {"markers.svg", true, 0},  // markers are not drawn, but the lines are most of the ink
      {"stars.svgz", true, 0},
      {"text-on-path.svg", false, 0},  // text along a path is not read
      {"tiger.svgz", true, 0},         // sized in per cent of its viewBox
      {"turbulence_filters.svg", false, 0},
  };
  for (const Example& example : kExamples) {
    const fs::path path = kInkscapeExamples / example.name;
    if (fs::exists(path)) drawings.push_back({path, example.comparesRendering, example.colourAgreement});
  }
  std::sort(drawings.begin(), drawings.end(), [](const Sample& a, const Sample& b) { return a.file < b.file; });
  return drawings;
}

/// The output drawhost names after a drawing ("car.svgz" gives "car.dxf").
fs::path outputFor(const fs::path& folder, const fs::path& drawing) {
  return folder / (drawing.stem().stem().string() + ".dxf");
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

using platform::test::CommandRun;

/// Runs a shell command and collects what it writes to stdout (stderr too when asked).
CommandRun runCommand(const std::string& command, bool withErrors = true) {
  return platform::test::runCommand(command + (withErrors ? " 2>&1" : " 2>/dev/null"));
}

/// Converts every drawing of the sample into folder with the converter settings given, in one drawhost call.
void convertAll(const std::vector<Sample>& drawings, const fs::path& folder, const std::string& settings) {
  const fs::path documents = folder / "documents";
  platform::test::writeText(documents / "Adobe/Illustrator/Prefs/KELMO-Pro.ini", settings);
  std::string command = "PLATFORM_DOCUMENTS=" + quoted(documents) + " " + std::string(DRAWHOST_PROGRAM) + " convert -q --to dxf";
  for (const Sample& drawing : drawings) command += " " + quoted(drawing.file);
  command += " " + quoted(folder) + "/";
  const CommandRun run = runCommand(command);
  ASSERT_EQ(run.status, 0) << run.output;
  for (const Sample& drawing : drawings) EXPECT_TRUE(fs::exists(outputFor(folder, drawing.file))) << drawing.file;
}

/// The facts real_drawing_facts.py tells about one file, by key.
using Facts = std::map<std::string, std::string>;

/// Runs the peer script on files of one kind ("svg" or "dxf"); the facts by file path.
std::map<std::string, Facts> peerFacts(const std::string& kind, const std::vector<fs::path>& files) {
  std::string command = std::string(PEER_PYTHON) + " " + quoted(fs::path(PROJECT_SOURCE_ROOT) /
                                                                 "tests/converter/real_drawing_facts.py") +
                        " " + kind;
  for (const fs::path& file : files) command += " " + quoted(file);
  const CommandRun run = runCommand(command, false);
  EXPECT_EQ(run.status, 0) << command;
  std::map<std::string, Facts> facts;
  std::istringstream lines(run.output);
  Facts* current = nullptr;
  for (std::string line; std::getline(lines, line);) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const std::string value = line.substr(equals + 1);
    if (key == "file") {
      current = &facts[value];
    } else if (current != nullptr) {
      (*current)[key] = value;
    }
  }
  return facts;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

std::array<double, 4> extentsOf(const std::string& text) {
  std::array<double, 4> box{};
  std::istringstream stream(text);
  for (double& value : box) stream >> value;
  return box;
}

/// The names the host gives to what stands outside any layer group of an SVG file ("Outside layers",
/// "Outside layers 2", ...): the SVG names no such layer itself.
bool isOutsideLayersName(const std::string& name) { return name.rfind("Outside layers", 0) == 0; }

TEST(RealDrawings, EveryOneConvertsAndMatchesTheSvgInOutlinesLayersAndExtents) {
  const std::vector<Sample> drawings = sample();
  ASSERT_GE(drawings.size(), 7u);
  platform::test::TemporaryFolder folder;
  // With fills (ezdxf reads every HATCH), without clipping paths (svgelements does not draw them), with the
  // layers' own names and polylines long enough to hold every path in one piece.
  convertAll(drawings, folder.path(), "fcnvMask = 0\nfuselname = 1\nvertexLimit = 4096\n");

  std::vector<fs::path> svgFiles;
  std::vector<fs::path> dxfFiles;
  for (const Sample& drawing : drawings) {
    svgFiles.push_back(drawing.file);
    dxfFiles.push_back(outputFor(folder.path(), drawing.file));
  }
  std::map<std::string, Facts> svg = peerFacts("svg", svgFiles);
  std::map<std::string, Facts> dxf = peerFacts("dxf", dxfFiles);
  int hatches = 0;

  for (const Sample& drawing : drawings) {
    SCOPED_TRACE(drawing.file.string());
    ASSERT_EQ(svg.count(drawing.file.string()), 1u) << "svgelements told nothing";
    ASSERT_EQ(dxf.count(outputFor(folder.path(), drawing.file).string()), 1u) << "ezdxf told nothing";
    Facts& expected = svg[drawing.file.string()];
    Facts& written = dxf[outputFor(folder.path(), drawing.file).string()];
    ASSERT_EQ(expected.count("error"), 0u) << expected["error"];
    ASSERT_EQ(written.count("error"), 0u) << "ezdxf cannot read the output: " << written["error"];
    EXPECT_EQ(written["audit"], "0");
    hatches += std::stoi("0" + written["hatches"]);
    // A path longer than the vertex limit would be written in pieces and counted twice.
    EXPECT_LT(std::stoi("0" + written["longest"]), 4096);

    EXPECT_EQ(written["paths"], expected["paths"]);

    const std::vector<std::string> table = split(written["layers"], '|');
    for (const std::string& used : split(written["used"], '|')) {
      EXPECT_NE(std::find(table.begin(), table.end(), used), table.end())
          << "an entity stands on the layer " << used << ", which the LAYER table does not hold";
    }
    std::vector<std::string> layers = table;
    std::vector<std::string> svgLayers = split(expected["layers"], '|');
    std::erase_if(layers, isOutsideLayersName);
    std::sort(layers.begin(), layers.end());
    std::sort(svgLayers.begin(), svgLayers.end());
    EXPECT_EQ(layers, svgLayers);

    ASSERT_EQ(written.count("extents"), expected.count("extents"));
    if (expected.count("extents") == 0) continue;
    const std::array<double, 4> want = extentsOf(expected["extents"]);
    const std::array<double, 4> got = extentsOf(written["extents"]);
    // Points keep their coordinates; curves are flattened and refitted with arcs within a few hundredths of a
    // point.
    const double tolerance = 0.02 + 0.001 * std::hypot(want[2] - want[0], want[3] - want[1]);
    for (size_t index = 0; index < want.size(); ++index) {
      EXPECT_NEAR(got[index], want[index], tolerance) << "extents " << written["extents"] << " against "
                                                      << expected["extents"] << " (mm)";
    }
  }
  // Fills were on: the filled drawings of the sample gave HATCH entities, and ezdxf read their boundaries.
  EXPECT_GT(hatches, 0);
}

/// Plots as matplotlib writes them (generated here): a white background rectangle under everything, which
/// a DXF viewer paints first only when the file lists the drawing back to front.
std::vector<Sample> plots(const fs::path& folder) {
  fs::create_directories(folder);
  const CommandRun run = runCommand(std::string(PEER_PYTHON) + " " +
                                    quoted(fs::path(PROJECT_SOURCE_ROOT) / "tests/converter/matplotlib_plots.py") +
                                    " " + quoted(folder));
  EXPECT_EQ(run.status, 0) << run.output;
  return {{folder / "bars.svg", true, 0.9}, {folder / "waves.svg", true, 0.9}};
}

/// rsvg-convert's rendering of an SVG, 256 pixels wide, on paper of a colour.
Image renderSvg(const fs::path& svg, const fs::path& png, const char* paper) {
  const CommandRun rsvg = runCommand("rsvg-convert -w 256 -b " + std::string(paper) + " " + quoted(svg) + " -o " +
                                     quoted(png));
  EXPECT_EQ(rsvg.status, 0) << rsvg.output;
  Image image;
  EXPECT_TRUE(readPng(png, image)) << png;
  return image;
}

TEST(RealDrawings, LibreCadRendersEveryOutputAndTheDrawingsLookLikeTheSvg) {
  platform::test::TemporaryFolder folder;
  std::vector<Sample> drawings = sample();
  for (Sample& plot : plots(folder.path() / "plots")) drawings.push_back(std::move(plot));
  convertAll(drawings, folder.path(), "");  // the defaults: fills, clipping paths, arcs and circles

  // One LibreCAD start for all files; it writes NAME.pdf for NAME.dxf into the folder given.
  const fs::path pdfs = folder.path() / "pdf";
  fs::create_directories(pdfs);
  std::string command = "QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" + quoted(folder.path()) +
                        " librecad dxf2pdf -a -t " + quoted(pdfs);
  for (const Sample& drawing : drawings) command += " " + quoted(outputFor(folder.path(), drawing.file));
  const CommandRun librecad = runCommand(command);
  ASSERT_EQ(librecad.status, 0) << librecad.output;

  for (const Sample& drawing : drawings) {
    SCOPED_TRACE(drawing.file.string());
    const std::string name = drawing.file.stem().stem().string();
    const fs::path pdf = pdfs / (name + ".pdf");
    ASSERT_TRUE(fs::exists(pdf)) << librecad.output;
    const fs::path ours = folder.path() / (name + "-dxf");
    const CommandRun raster = runCommand("pdftoppm -png -r 40 -singlefile " + quoted(pdf) + " " + quoted(ours));
    ASSERT_EQ(raster.status, 0) << raster.output;
    Image rendered;
    ASSERT_TRUE(readPng(ours.string() + ".png", rendered));
    EXPECT_FALSE(inkCells(rendered).empty()) << "LibreCAD drew nothing";

    const Image reference = renderSvg(drawing.file, folder.path() / (name + "-svg.png"), "white");
    const double agreement = inkAgreement(reference, rendered);
    RecordProperty(name, std::to_string(agreement));
    if (drawing.comparesRendering) {
      EXPECT_GE(agreement, 0.75) << "ink cells that agree";
    }
    if (drawing.colourAgreement > 0) {
      // LibreCAD prints white as black, as CAD programs do on white paper; the reference is printed alike.
      const Image onBlack = renderSvg(drawing.file, folder.path() / (name + "-svg-on-black.png"), "black");
      const double colours = colourAgreement(printedColourCells(reference, onBlack), colourCells(rendered));
      RecordProperty(name + "-colours", std::to_string(colours));
      EXPECT_GE(colours, drawing.colourAgreement) << "cells of the same colour";
    }
  }
}

}  // namespace
