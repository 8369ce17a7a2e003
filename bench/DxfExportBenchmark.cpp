// DXF export of a large generated drawing, as a person runs it: `drawhost convert IN.svg OUT.dxf` with the
// converter's default settings, timed from start to exit, with the peak memory of the process and the size of
// the DXF file; optionally next to Inkscape's own DXF export of a drawing of the same kind.
//
//   dxf_export_bench [--paths N] [--runs R] [--inkscape-paths M] [--keep]
//
// --inkscape-paths M converts a drawing of M paths with `inkscape --export-type=dxf` (R times) and scales its
// time linearly to N paths; 0 (the default) leaves Inkscape out. The drawings are written to the temporary
// folder and removed at the end unless --keep is given.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MixedDrawingGenerator.h"
#include "ProgramRun.h"

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
}

/// Runs the command R times; prints every run and returns the median time and memory.
bench::Measurement repeat(const char* label, const std::vector<std::string>& command, int runs,
                          const fs::path& output) {
  std::vector<double> times;
  std::vector<double> peaks;
  for (int run = 1; run <= runs; ++run) {
    fs::remove(output);
    const bench::Measurement measurement = bench::measure(command);
    if (measurement.status != 0 || !fs::exists(output)) {
      std::fprintf(stderr, "%s: run %d failed (exit %d)\n", label, run, measurement.status);
      std::exit(1);
    }
    std::printf("%-9s run %d: %8.2f s, peak %8.1f MB\n", label, run, measurement.seconds, measurement.peakMegabytes);
    times.push_back(measurement.seconds);
    peaks.push_back(measurement.peakMegabytes);
  }
  return {bench::median(times), bench::median(peaks), 0};
}

}  // namespace

int main(int argc, char** argv) {
  int paths = 100000;
  int runs = 3;
  int inkscapePaths = 0;
  bool keep = false;
  for (int index = 1; index < argc; ++index) {
    const std::string option = argv[index];
    if (option == "--keep") {
      keep = true;
    } else if (index + 1 < argc && (option == "--paths" || option == "--runs" || option == "--inkscape-paths")) {
      const int value = std::atoi(argv[++index]);
      (option == "--paths" ? paths : option == "--runs" ? runs : inkscapePaths) = value;
    } else {
      std::fprintf(stderr, "usage: %s [--paths N] [--runs R] [--inkscape-paths M] [--keep]\n", argv[0]);
      return option == "--help" ? 0 : 2;
    }
  }
  if (paths < 10 || runs < 1 || inkscapePaths < 0) {
    std::fprintf(stderr, "%s: --paths needs at least 10, --runs at least 1\n", argv[0]);
    return 2;
  }

  const fs::path folder = fs::temp_directory_path() / ("dxf-export-bench-" + std::to_string(getpid()));
  fs::create_directories(folder / "documents");  // an empty documents folder: the converter's defaults
  setenv("PLATFORM_DOCUMENTS", (folder / "documents").c_str(), 1);

  const fs::path input = folder / "drawing.svg";
  const fs::path output = folder / "drawing.dxf";
  writeFile(input, bench::generateMixedDrawing(paths, 10));
  std::printf("drawing: %d paths on 10 layers, %.1f MB of SVG in %s\n", paths,
              static_cast<double>(fs::file_size(input)) / 1e6, folder.c_str());

  const bench::Measurement ours = repeat("drawhost", {DRAWHOST_PROGRAM, "convert", "-q", "--force", input.string(),
                                               output.string()}, runs, output);
  const double dxfMegabytes = static_cast<double>(fs::file_size(output)) / 1e6;
  std::printf("drawhost: median %.2f s, %.1f MB of DXF, %.1f MB/s written, peak %.1f MB = %.2f x the DXF\n",
              ours.seconds, dxfMegabytes, dxfMegabytes / ours.seconds, ours.peakMegabytes,
              ours.peakMegabytes / dxfMegabytes);

  if (inkscapePaths > 0) {
    const fs::path smaller = folder / "inkscape-drawing.svg";
    const fs::path inkscapeOutput = folder / "inkscape-drawing.dxf";
    writeFile(smaller, bench::generateMixedDrawing(inkscapePaths, 10));
    // Inkscape's DXF export is a Python extension run by the first python3 on the PATH; it needs Debian's
    // (with lxml, numpy and cssselect), not another one that may stand earlier.
    const char* path = std::getenv("PATH");
    setenv("PATH", ("/usr/bin:" + std::string(path != nullptr ? path : "")).c_str(), 1);
    const bench::Measurement inkscape =
        repeat("inkscape", {"inkscape", smaller.string(), "--export-type=dxf", "--export-filename=" +
                                                                                   inkscapeOutput.string()},
               runs, inkscapeOutput);
    const double scaled = inkscape.seconds * paths / inkscapePaths;
    std::printf("inkscape: median %.2f s for %d paths, %.1f MB of DXF, peak %.1f MB; scaled to %d paths: %.1f s\n",
                inkscape.seconds, inkscapePaths, static_cast<double>(fs::file_size(inkscapeOutput)) / 1e6,
                inkscape.peakMegabytes, paths, scaled);
    std::printf("drawhost is %.0f times faster than inkscape (scaled linearly)\n", scaled / ours.seconds);
  }
  if (!keep) fs::remove_all(folder);
  return 0;
}
