// Paths written into whole DXF files and read back by peers: ezdxf for files without HATCH, whose entities must
// trace the source path within the export tolerance (both sampled densely, compared both ways); LibreCAD for
// files with solid fills, whose drawing must show the fills where the paths are.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ExportTestSupport.h"
#include "PathTestHost.h"
#include "converter/export/DxfWriter.h"
#include "converter/export/PathConversion.h"

namespace converter {
namespace {

using test::corner;
using test::PathTestHost;
using test::RecordingPasses;
using test::smooth;
using test::TemporaryFolder;

/// Reads every file of a manifest with ezdxf, audits it, samples its entities and the source path, and prints
/// "checked" when every file traces its path within the tolerance.
constexpr const char* kTraceScript = R"(
import json, math, sys
import ezdxf
from ezdxf.math import bulge_to_arc

def arc_samples(cx, cy, r, a0, a1):
    sweep = (a1 - a0) % (2 * math.pi)
    if sweep == 0:
        sweep = 2 * math.pi
    n = max(4, int(math.degrees(sweep)))
    return [(cx + r * math.cos(a0 + sweep * i / n), cy + r * math.sin(a0 + sweep * i / n)) for i in range(n + 1)]

def bezier_samples(p0, p1, p2, p3, n=96):
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        out.append(tuple(u*u*u*p0[j] + 3*u*u*t*p1[j] + 3*u*t*t*p2[j] + t*t*t*p3[j] for j in range(2)))
    return out

def polyline_runs(entity, k):
    vertices = [(v.dxf.location.x / k, v.dxf.location.y / k, v.dxf.get("bulge", 0)) for v in entity.vertices]
    pairs = list(zip(vertices, vertices[1:]))
    if entity.is_closed:
        pairs.append((vertices[-1], vertices[0]))
    run = [vertices[0][:2]]
    for start, end in pairs:
        if abs(start[2]) > 1e-4:
            center, a0, a1, r = bulge_to_arc(start[:2], end[:2], start[2])
            samples = arc_samples(center[0], center[1], r, a0, a1)
            if start[2] < 0:
                samples.reverse()  # ezdxf gives a clockwise arc's angles counter-clockwise, from its end
            run += samples[1:]
        else:
            run.append(end[:2])
    return run

def entity_runs(doc, k, problems):
    runs = []
    for e in doc.modelspace():
        kind = e.dxftype()
        if kind == "LINE":
            runs.append([(e.dxf.start.x / k, e.dxf.start.y / k), (e.dxf.end.x / k, e.dxf.end.y / k)])
        elif kind == "ARC":
            runs.append(arc_samples(e.dxf.center.x / k, e.dxf.center.y / k, e.dxf.radius / k,
                                    math.radians(e.dxf.start_angle), math.radians(e.dxf.end_angle)))
        elif kind == "CIRCLE":
            runs.append(arc_samples(e.dxf.center.x / k, e.dxf.center.y / k, e.dxf.radius / k, 0, 2 * math.pi))
        elif kind == "POLYLINE":
            runs.append(polyline_runs(e, k))
        else:
            problems.append("unexpected entity " + kind)
    return runs

def source_runs(path):
    segments = path["segments"]
    pairs = list(zip(segments, segments[1:]))
    if path["closed"]:
        pairs.append((segments[-1], segments[0]))
    return [bezier_samples(a[0:2], a[4:6], b[2:4], b[0:2]) for a, b in pairs]

def segment_distance(p, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    length = dx * dx + dy * dy
    t = 0 if length == 0 else max(0, min(1, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / length))
    return math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy)

def farthest(points_runs, chord_runs):
    chords = [(run[i], run[i + 1]) for run in chord_runs for i in range(len(run) - 1)] or \
             [(run[0], run[0]) for run in chord_runs]
    worst = 0
    for run in points_runs:
        for p in run:
            worst = max(worst, min(segment_distance(p, a, b) for a, b in chords))
    return worst

failures = []
for case in json.load(open(sys.argv[1])):
    problems = []
    doc = ezdxf.readfile(case["file"])
    auditor = doc.audit()
    problems += ["audit: %s %s" % (entry.code, entry.message) for entry in auditor.errors + auditor.fixes]
    drawn = entity_runs(doc, case["unitFactor"], problems)
    source = source_runs(case["path"])
    if not drawn:
        problems.append("no entities")
    else:
        away = farthest(source, drawn)
        back = farthest(drawn, source)
        if max(away, back) > case["tolerance"]:
            problems.append("path to entities %.5f, entities to path %.5f" % (away, back))
    if problems:
        failures.append(case["name"] + ": " + "; ".join(problems))
for failure in failures:
    print(failure)
if not failures:
    print("checked")
)";

/// Runs a command; returns what it printed (stdout and stderr) and whether it exited with 0.
std::pair<bool, std::string> run(const std::string& command) {
  platform::test::CommandRun ran = platform::test::runCommand(command + " 2>&1");
  return {ran.status == 0, ran.output};
}

/// One path of the test document.
struct SourcePath {
  std::string name;
  std::vector<host::PathSegment> segments;
  bool closed = false;
};

/// A path as the script reads it: segments of [px, py, inx, iny, outx, outy].
std::string pathJson(const SourcePath& path) {
  std::ostringstream json;
  json.precision(9);
  json << "{\"closed\": " << (path.closed ? "true" : "false") << ", \"segments\": [";
  for (size_t index = 0; index < path.segments.size(); ++index) {
    const host::PathSegment& s = path.segments[index];
    json << (index == 0 ? "" : ", ") << "[" << s.p.h << ", " << s.p.v << ", " << s.in.h << ", " << s.in.v << ", "
         << s.out.h << ", " << s.out.v << "]";
  }
  json << "]}";
  return json.str();
}

/// Writes a whole DXF file of the one path art: its dash pattern in the line-type pass, its entities in the
/// entities pass.
void writeFileOf(ArtHandle art, plugin::ConverterOptions options, const std::filesystem::path& file) {
  RecordingPasses passes;
  passes.lineTypes = [art](DxfRecordWriter& writer) { return writePath(writer, art, ExportMode::LINE_TYPES, ""); };
  passes.entities = [art](DxfRecordWriter& writer) { return writePath(writer, art, ExportMode::ENTITIES, "LAYER_1"); };
  auto context = std::make_unique<ExportContext>();
  context->arcSegmentDetection = 1;
  platform::Result<void> written = writeDxf(*context, options, test::newDocument(), passes, file);
  ASSERT_TRUE(written.ok()) << written.error().describe();
}

/// Paths of every kind the conversion treats differently, none wider than 50 points so that a Bezier quarter
/// circle stays within 0.02 points of its true circle.
std::vector<SourcePath> sourcePaths() {
  auto handle = static_cast<float>(40 * 0.5522847498);
  return {
      {"rectangle", {corner(0, 0), corner(100, 0), corner(100, 50), corner(0, 50)}, true},
      {"circle", test::circleSegments(30, 40, 25), true},
      {"s-curve",
       {smooth({0, 0}, {0, 0}, {10, 40}), smooth({50, 0}, {40, -40}, {60, 40}), smooth({100, 0}, {90, -40}, {100, 0})},
       false},
      {"lines and an arc",
       {corner(0, 0), smooth({60, 0}, {60, 0}, {60 + handle, 0}), smooth({100, 40}, {100, 40 - handle}, {100, 40}),
        corner(100, 90)},
       false},
      {"closed mixed",
       {smooth({0, 0}, {-20, 30}, {20, -30}), smooth({80, 10}, {60, -20}, {90, 25}), corner(60, 60)},
       true},
      {"wave",
       {smooth({0, 0}, {0, 0}, {5, 15}), smooth({20, 0}, {15, -15}, {25, 15}), smooth({40, 0}, {35, -15}, {45, 15}),
        smooth({60, 0}, {55, -15}, {60, 0})},
       false},
  };
}

/// How many tolerances a smoothed arc may lie off the path it replaces.
constexpr double kSmoothingDrift = 3.0;

TEST(PathPeerRead, EzdxfReadsEntitiesThatTraceThePathWithinTheTolerance) {
  PathTestHost host;
  TemporaryFolder folder;
  struct Setting {
    const char* name;
    int16_t polyMode;
    int16_t fusesmoth;
    int16_t fuselnfix;
    int16_t fuseCircle;
  };
  const Setting settings[] = {
      {"polyline", plugin::POLY_MODE_POLYLINE, 1, 1, 1},
      {"polyline plain", plugin::POLY_MODE_POLYLINE, 0, 0, 0},
      {"polyline and arc", plugin::POLY_MODE_POLYLINE_AND_ARC, 1, 1, 0},
      {"line and arc", plugin::POLY_MODE_LINE_AND_ARC, 0, 1, 0},
      {"line and arc smoothed", plugin::POLY_MODE_LINE_AND_ARC, 1, 0, 1},
  };
  std::string manifest = "[";
  int fileNumber = 0;
  for (const SourcePath& source : sourcePaths()) {
    ArtHandle art = host.addPath(source.segments, source.closed, test::strokedStyle());
    for (const Setting& setting : settings) {
      plugin::ConverterOptions options = plugin::defaultConverterOptions();  // millimetres, scale 1, ruler origin
      options.polyMode = setting.polyMode;
      options.fusesmoth = setting.fusesmoth;
      options.fuselnfix = setting.fuselnfix;
      options.fuseCircle = setting.fuseCircle;
      std::filesystem::path file = folder.path() / ("path" + std::to_string(++fileNumber) + ".dxf");
      writeFileOf(art, options, file);
      // Arc smoothing extends an arc while each new triple's end stays within the tolerance of the arc so far;
      // the points in between are not measured again, so a long arc may wander a few tolerances off.
      double tolerance = options.cnvtAber * (setting.fusesmoth != 0 ? kSmoothingDrift : 1.0);
      manifest += std::string(manifest.size() > 1 ? ", " : "") + "{\"name\": \"" + source.name + ", " + setting.name +
                  "\", \"file\": \"" + file.string() +
                  "\", \"unitFactor\": 0.35278, \"tolerance\": " + std::to_string(tolerance) +
                  ", \"path\": " + pathJson(source) + "}";
    }
  }
  manifest += "]";
  std::ofstream(folder.path() / "manifest.json") << manifest;
  std::ofstream(folder.path() / "trace.py") << kTraceScript;
  auto [ok, printed] = run(std::string(PEER_PYTHON) + " '" + (folder.path() / "trace.py").string() + "' '" +
                           (folder.path() / "manifest.json").string() + "'");
  EXPECT_TRUE(ok && printed.find("checked") != std::string::npos) << printed;
}

/// A grayscale raster (binary PGM, as pdftoppm -gray writes it).
struct GrayImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;

  [[nodiscard]] bool dark(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)] < 200; }
};

GrayImage readPgm(const std::filesystem::path& file) {
  GrayImage image;
  std::ifstream in(file, std::ios::binary);
  std::string magic;
  int maximum = 0;
  in >> magic >> image.width >> image.height >> maximum;
  in.get();
  if (magic != "P5" || image.width <= 0 || image.height <= 0) return {};
  image.pixels.resize(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
  in.read(reinterpret_cast<char*>(image.pixels.data()), static_cast<std::streamsize>(image.pixels.size()));
  return in ? image : GrayImage{};
}

/// How LibreCAD draws a file: rendered to a PDF fitted to the page, then rasterised.
GrayImage drawnByLibreCad(const std::filesystem::path& folder, const std::string& name) {
  auto [printed, log] = run("cd '" + folder.string() + "' && QT_QPA_PLATFORM=offscreen librecad dxf2pdf -a -t '" +
                            folder.string() + "' '" + name + ".dxf'");
  EXPECT_TRUE(printed) << log;
  auto [rastered, rasterLog] = run("pdftoppm -gray -r 60 -singlefile '" + (folder / (name + ".pdf")).string() + "' '" +
                                   (folder / name).string() + "'");
  EXPECT_TRUE(rastered) << rasterLog;
  return readPgm(folder / (name + ".pgm"));
}

/// The drawing's dark area: its bounding box and the share of dark pixels in it.
struct DarkArea {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;
  double share = 0;
};

DarkArea darkArea(const GrayImage& image) {
  DarkArea area{image.width, image.height, -1, -1, 0};
  long darkCount = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!image.dark(x, y)) continue;
      ++darkCount;
      area.left = std::min(area.left, x);
      area.right = std::max(area.right, x);
      area.top = std::min(area.top, y);
      area.bottom = std::max(area.bottom, y);
    }
  }
  if (area.right >= area.left) {
    area.share = static_cast<double>(darkCount) / ((area.right - area.left + 1.0) * (area.bottom - area.top + 1.0));
  }
  return area;
}

bool libreCadAvailable() { return run("command -v librecad && command -v pdftoppm").first; }

TEST(PathPeerRead, LibreCadFillsTheHatchesOfFilledPathsAndCompoundPaths) {
  if (!libreCadAvailable()) GTEST_SKIP() << "LibreCAD or pdftoppm is not installed";
  PathTestHost host;
  TemporaryFolder folder;
  plugin::ConverterOptions options = plugin::defaultConverterOptions();

  struct Case {
    const char* name;
    double share;  // the filled share of the drawing's bounding box
  };
  // A filled circle (HATCH with a circular edge) fills π/4 of its box.
  ArtHandle circle = host.addPath(test::circleSegments(50, 50, 40), true, test::filledStyle());
  writeFileOf(circle, options, folder.path() / "circle.dxf");
  // A filled triangle (HATCH of a polyline) fills half its box.
  ArtHandle triangle = host.addPath({corner(0, 0), corner(100, 0), corner(0, 100)}, true, test::filledStyle());
  writeFileOf(triangle, options, folder.path() / "triangle.dxf");
  // A square with a round hole (one HATCH of two loops).
  host::Art* compound = host.addCompoundPath();
  host.addPath({corner(0, 0), corner(100, 0), corner(100, 100), corner(0, 100)}, true, test::filledStyle(), compound);
  ArtHandle hole = host.addPath(test::circleSegments(50, 50, 30), true, test::filledStyle(), compound);
  RecordingPasses passes;
  passes.entities = [&](DxfRecordWriter& writer) {
    for (host::Art* member = compound->lastChild(); member != nullptr; member = member->priorSibling()) {
      auto art = reinterpret_cast<ArtHandle>(member);
      if (HostResult error = writePath(writer, art, ExportMode::ENTITIES, "")) return error;
    }
    return HostResult{0};
  };
  auto context = std::make_unique<ExportContext>();
  context->arcSegmentDetection = 1;
  ASSERT_TRUE(writeDxf(*context, options, test::newDocument(), passes, folder.path() / "compound.dxf").ok());
  (void)hole;

  ASSERT_EQ(test::countOf(test::dxfPairs(test::readText(folder.path() / "compound.dxf")), {0, "HATCH"}), 1u);
  const Case cases[] = {{"circle", M_PI / 4}, {"triangle", 0.5}, {"compound", 1 - M_PI * 0.09}};
  for (const Case& expected : cases) {
    GrayImage image = drawnByLibreCad(folder.path(), expected.name);
    ASSERT_GT(image.width, 0) << expected.name;
    DarkArea area = darkArea(image);
    ASSERT_GT(area.right - area.left, 20) << expected.name;
    EXPECT_NEAR(area.share, expected.share, 0.06) << expected.name;
    if (std::string(expected.name) == "compound") {
      // The hole in the middle stays empty; the ring around it is filled.
      int middleX = (area.left + area.right) / 2;
      int middleY = (area.top + area.bottom) / 2;
      EXPECT_FALSE(image.dark(middleX, middleY));
      EXPECT_TRUE(image.dark(area.left + (area.right - area.left) / 10, middleY));
    }
  }
}

}  // namespace
}  // namespace converter
