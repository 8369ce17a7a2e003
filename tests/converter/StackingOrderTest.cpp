// What lies on top in a drawing lies on top in its DXF file: a viewer paints the entities in the order the
// file lists them, so the file lists the drawing back to front, as the SVG does.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/converter/Renderings.h"
#include "tests/platform/TestSupport.h"

namespace {

namespace fs = std::filesystem;

using converter::test::Image;
using converter::test::pixelAt;
using converter::test::readPng;
using converter::test::Rgb;

// In SVG order, back to front: a blue rectangle over the whole page, a red disc on it, a black line on top.
constexpr const char* kStackedDrawing = R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200">
  <rect width="200" height="200" fill="#0000ff" stroke="none"/>
  <circle cx="100" cy="90" r="50" fill="#ff0000" stroke="none"/>
  <path d="M 20 170 H 180" fill="none" stroke="#000000" stroke-width="4"/>
</svg>
)";

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

/// One entity of the ENTITIES section: its type and its colour number (-1 without a colour record).
struct Entity {
  std::string type;
  int colour = -1;
};

/// The entities of a DXF file in file order, VERTEX and SEQEND left out.
std::vector<Entity> entitiesOf(const fs::path& dxf) {
  std::ifstream stream(dxf, std::ios::binary);
  std::vector<Entity> entities;
  std::string code;
  std::string value;
  std::string section;
  bool sectionName = false;
  auto trim = [](std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text.substr(text.find_first_not_of(' ') == std::string::npos ? text.size() : text.find_first_not_of(' '));
  };
  while (std::getline(stream, code) && std::getline(stream, value)) {
    code = trim(code);
    value = trim(value);
    if (code == "0") {
      sectionName = value == "SECTION";
      if (value == "ENDSEC") section.clear();
      if (section == "ENTITIES" && value != "VERTEX" && value != "SEQEND") entities.push_back({value});
    } else if (code == "2" && sectionName) {
      section = value;
      sectionName = false;
    } else if (code == "62" && section == "ENTITIES" && !entities.empty()) {
      entities.back().colour = std::stoi(value);
    }
  }
  return entities;
}

/// The colour at a point given as a share of the ink's bounding box (0, 0 top left; 1, 1 bottom right).
Rgb colourAt(const Image& image, double across, double down) {
  const std::optional<converter::test::Box> box = converter::test::inkBoxOf(image);
  EXPECT_TRUE(box) << "no ink";
  if (!box) return {};
  return pixelAt(image, box->left + static_cast<unsigned>(across * (box->right - box->left)),
                 box->top + static_cast<unsigned>(down * (box->bottom - box->top)));
}

/// The colour's strongest component, by name, to compare a peer's rendering with the drawing's colours.
std::string dominant(const Rgb& colour) {
  if (colour.red > 150 && colour.green < 100 && colour.blue < 100) return "red";
  if (colour.blue > 150 && colour.red < 100 && colour.green < 100) return "blue";
  if (colour.red < 80 && colour.green < 80 && colour.blue < 80) return "black";
  return "other";
}

TEST(StackingOrder, TheDxfListsTheDrawingBackToFrontAndLibreCadPaintsItSo) {
  platform::test::TemporaryFolder folder;
  const fs::path svg = folder.path() / "stacked.svg";
  const fs::path dxf = folder.path() / "stacked.dxf";
  platform::test::writeText(svg, kStackedDrawing);
  const fs::path documents = folder.path() / "documents";
  fs::create_directories(documents);
  const platform::test::CommandRun convert = platform::test::runCommand(
      "PLATFORM_DOCUMENTS=" + quoted(documents) + " " + DRAWHOST_PROGRAM + " convert -q " + quoted(svg) + " " +
      quoted(dxf) + " 2>&1");
  ASSERT_EQ(convert.status, 0) << convert.output;

  // The rectangle's fill (blue, 5) comes first, the disc's (red, 1) next, the line (black: no colour) last.
  std::vector<Entity> entities = entitiesOf(dxf);
  std::string order;
  for (const Entity& entity : entities) order += entity.type + "/" + std::to_string(entity.colour) + " ";
  ASSERT_GE(entities.size(), 3u) << order;
  EXPECT_EQ(entities.front().colour, 5) << order;
  EXPECT_EQ(entities.back().colour, -1) << order;
  int lastBlue = -1;
  int firstRed = -1;
  for (int index = 0; index < static_cast<int>(entities.size()); ++index) {
    if (entities[index].colour == 5) lastBlue = index;
    if (entities[index].colour == 1 && firstRed < 0) firstRed = index;
  }
  EXPECT_LT(lastBlue, firstRed) << order;

  // LibreCAD shows the disc over the rectangle and the line over the rectangle, where rsvg-convert does.
  const platform::test::CommandRun librecad = platform::test::runCommand(
      "QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" + quoted(folder.path()) + " librecad dxf2pdf -a -t " +
      quoted(folder.path()) + " " + quoted(dxf) + " 2>&1 && pdftoppm -png -r 40 -singlefile " +
      quoted(folder.path() / "stacked.pdf") + " " + quoted(folder.path() / "stacked-dxf") + " 2>&1");
  ASSERT_EQ(librecad.status, 0) << librecad.output;
  const platform::test::CommandRun rsvg = platform::test::runCommand(
      "rsvg-convert -w 200 -b white " + quoted(svg) + " -o " + quoted(folder.path() / "stacked-svg.png") + " 2>&1");
  ASSERT_EQ(rsvg.status, 0) << rsvg.output;
  Image ours;
  Image reference;
  ASSERT_TRUE(readPng(folder.path() / "stacked-dxf.png", ours));
  ASSERT_TRUE(readPng(folder.path() / "stacked-svg.png", reference));
  struct Probe {
    const char* where;
    double across;
    double down;
    const char* colour;
  };
  const Probe probes[] = {
      {"the disc's centre", 0.5, 0.45, "red"},
      {"a corner of the rectangle", 0.05, 0.05, "blue"},
      {"the rectangle below the disc", 0.5, 0.75, "blue"},
  };
  for (const Probe& probe : probes) {
    SCOPED_TRACE(probe.where);
    EXPECT_EQ(dominant(colourAt(reference, probe.across, probe.down)), probe.colour) << "rsvg-convert";
    EXPECT_EQ(dominant(colourAt(ours, probe.across, probe.down)), probe.colour) << "LibreCAD";
  }
}

}  // namespace
