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

#include <png.h>

#include "tests/platform/TestSupport.h"

namespace {

namespace fs = std::filesystem;

/// One drawing of the sample, and whether its rendering can be compared: drawings whose look rests on what a
/// DXF file cannot hold (filters, see-through gradients, text along a path) are only checked to render.
struct Sample {
  fs::path file;
  bool comparesRendering;
};

const fs::path kInkscapeExamples = "/usr/share/inkscape/examples";

/// A modest sample: every adwaita icon of the fixtures, and Inkscape examples with layers, groups, clip
/// groups, hidden layers, markers, text, circles, many curves and transforms.
std::vector<Sample> sample() {
  std::vector<Sample> drawings;
  for (const auto& entry : fs::directory_iterator(fs::path(SVG_FIXTURES) / "adwaita")) {
    if (entry.path().extension() == ".svg") drawings.push_back({entry.path(), true});
  }
  struct Example {
    const char* name;
    bool comparesRendering;
  };
  static constexpr Example kExamples[] = {
      {"animated-clock.svg", true},
      {"art-nouveau-P3.svg", true},
      {"blend_modes.svg", true},
      {"car.svgz", true},  // gradients painted flat still cover the same areas
      {"flow-go.svg", true},  // sized in per cent of its viewBox
      {"glass.svg", false},  // see-through gradients make the shape
      {"gradient.svg", true},
      {"gradient-mesh-experimental.svgz", true},
      {"l-systems.svgz", true},
      {"lighting_filters.svg", false},
      {"markers.svg", true},  // markers are not drawn, but the lines are most of the ink
      {"stars.svgz", true},
      {"text-on-path.svg", false},  // text along a path is not read
      {"tiger.svgz", true},  // sized in per cent of its viewBox
      {"turbulence_filters.svg", false},
  };
  for (const Example& example : kExamples) {
    const fs::path path = kInkscapeExamples / example.name;
    if (fs::exists(path)) drawings.push_back({path, example.comparesRendering});
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

// Renderings: both images are cut to their ink and laid on one coarse grid, and the cells with ink compared.

struct Image {
  unsigned width = 0;
  unsigned height = 0;
  std::vector<unsigned char> pixels;  // RGB
};

bool readPng(const fs::path& path, Image& image) {
  png_image decoded{};
  decoded.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&decoded, path.c_str()) == 0) return false;
  decoded.format = PNG_FORMAT_RGB;
  image.width = decoded.width;
  image.height = decoded.height;
  image.pixels.resize(PNG_IMAGE_SIZE(decoded));
  return png_image_finish_read(&decoded, nullptr, image.pixels.data(), 0, nullptr) != 0;
}

/// A pixel with ink: any colour clearly off the white paper (light tints do not count).
bool isInk(const Image& image, unsigned x, unsigned y) {
  const unsigned char* pixel = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 3];
  return std::min({pixel[0], pixel[1], pixel[2]}) < 200;
}

constexpr unsigned kGrid = 24;

/// The ink of an image on a kGrid x kGrid grid laid over its ink's bounding box; empty without ink.
std::vector<bool> inkCells(const Image& image) {
  unsigned left = image.width;
  unsigned top = image.height;
  unsigned right = 0;
  unsigned bottom = 0;
  for (unsigned y = 0; y < image.height; ++y) {
    for (unsigned x = 0; x < image.width; ++x) {
      if (!isInk(image, x, y)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (left > right) return {};
  std::vector<bool> cells(kGrid * kGrid, false);
  const double cellWidth = (right - left + 1) / static_cast<double>(kGrid);
  const double cellHeight = (bottom - top + 1) / static_cast<double>(kGrid);
  for (unsigned y = top; y <= bottom; ++y) {
    for (unsigned x = left; x <= right; ++x) {
      if (!isInk(image, x, y)) continue;
      const auto column = std::min(kGrid - 1, static_cast<unsigned>((x - left) / cellWidth));
      const auto row = std::min(kGrid - 1, static_cast<unsigned>((y - top) / cellHeight));
      cells[row * kGrid + column] = true;
    }
  }
  return cells;
}

/// True when cells has ink at (row, column) or in one of the eight cells around it.
bool inkNear(const std::vector<bool>& cells, unsigned row, unsigned column) {
  for (unsigned y = row > 0 ? row - 1 : 0; y <= std::min(kGrid - 1, row + 1); ++y) {
    for (unsigned x = column > 0 ? column - 1 : 0; x <= std::min(kGrid - 1, column + 1); ++x) {
      if (cells[y * kGrid + x]) return true;
    }
  }
  return false;
}

/// The share of ink cells of both images that the other image matches with ink within one cell (so that
/// line widths and a pixel of shift do not count), from 0 to 1; 1 when both are blank.
double inkAgreement(const Image& a, const Image& b) {
  const std::vector<bool> first = inkCells(a);
  const std::vector<bool> second = inkCells(b);
  if (first.empty() || second.empty()) return first.empty() && second.empty() ? 1 : 0;
  unsigned matched = 0;
  unsigned inked = 0;
  for (unsigned row = 0; row < kGrid; ++row) {
    for (unsigned column = 0; column < kGrid; ++column) {
      const unsigned index = row * kGrid + column;
      if (first[index]) {
        ++inked;
        matched += inkNear(second, row, column);
      }
      if (second[index]) {
        ++inked;
        matched += inkNear(first, row, column);
      }
    }
  }
  return static_cast<double>(matched) / inked;
}

TEST(RealDrawings, LibreCadRendersEveryOutputAndTheDrawingsLookLikeTheSvg) {
  const std::vector<Sample> drawings = sample();
  platform::test::TemporaryFolder folder;
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

    const fs::path original = folder.path() / (name + "-svg.png");
    const CommandRun rsvg =
        runCommand("rsvg-convert -w 256 -b white " + quoted(drawing.file) + " -o " + quoted(original));
    ASSERT_EQ(rsvg.status, 0) << rsvg.output;
    Image reference;
    ASSERT_TRUE(readPng(original, reference));
    const double agreement = inkAgreement(reference, rendered);
    RecordProperty(name, std::to_string(agreement));
    if (drawing.comparesRendering) {
      EXPECT_GE(agreement, 0.75) << "ink cells that agree";
    }
  }
}

}  // namespace
