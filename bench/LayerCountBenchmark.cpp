// How the export grows with the number of layers: drawings of 1 000, 10 000 and 100 000 layers (one path on
// each) converted with `drawhost convert IN.svg OUT.dxf`, timed from start to exit. Time per layer that
// stays flat from the smallest to the largest drawing shows linear growth.
//
//   layer_count_bench [--runs R] [--largest N]

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "MixedDrawingGenerator.h"
#include "ProgramRun.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  int runs = 3;
  int largest = 100000;
  for (int index = 1; index < argc; ++index) {
    const std::string option = argv[index];
    if (index + 1 < argc && (option == "--runs" || option == "--largest")) {
      (option == "--runs" ? runs : largest) = std::atoi(argv[++index]);
    } else {
      std::fprintf(stderr, "usage: %s [--runs R] [--largest N]\n", argv[0]);
      return option == "--help" ? 0 : 2;
    }
  }
  if (runs < 1 || largest < 1000) {
    std::fprintf(stderr, "%s: --runs needs at least 1, --largest at least 1000\n", argv[0]);
    return 2;
  }

  const fs::path folder = fs::temp_directory_path() / ("layer-count-bench-" + std::to_string(getpid()));
  fs::create_directories(folder / "documents");  // an empty documents folder: the converter's defaults
  setenv("PLATFORM_DOCUMENTS", (folder / "documents").c_str(), 1);

  double firstPerLayer = 0;
  for (int layers = 1000; layers <= largest; layers *= 10) {
    const fs::path input = folder / ("layers-" + std::to_string(layers) + ".svg");
    const fs::path output = folder / ("layers-" + std::to_string(layers) + ".dxf");
    std::ofstream(input, std::ios::binary) << bench::generateMixedDrawing(layers, layers);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
      fs::remove(output);
      const bench::Measurement measurement =
          bench::measure({DRAWHOST_PROGRAM, "convert", "-q", input.string(), output.string()});
      if (measurement.status != 0 || !fs::exists(output)) {
        std::fprintf(stderr, "%d layers: run %d failed (exit %d)\n", layers, run + 1, measurement.status);
        return 1;
      }
      times.push_back(measurement.seconds);
    }
    const double seconds = bench::median(times);
    const double perLayer = seconds / layers * 1e6;
    if (firstPerLayer == 0) firstPerLayer = perLayer;
    std::printf("%7d layers: median %7.3f s, %6.2f us per layer (%.2f x the smallest drawing's)\n", layers, seconds,
                perLayer, perLayer / firstPerLayer);
  }
  fs::remove_all(folder);
  return 0;
}
