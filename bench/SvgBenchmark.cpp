// Loading and writing a large drawing: 100 000 paths with curves in ten layers, generated in memory.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "LargeSvgGenerator.h"
#include "host/document/ArtWalk.h"
#include "host/svg/SvgReader.h"
#include "host/svg/SvgWriter.h"

namespace {

constexpr std::int32_t kLayers = 10;
constexpr std::int32_t kPathsPerLayer = 10'000;

const std::string& largeSvg() {
  static const std::string text = bench::generateLayeredSvg(kLayers, kPathsPerLayer);
  return text;
}

// The drawing written to a file once, so that loading measures the file's way in, gzip detection included.
const std::filesystem::path& largeSvgFile() {
  static const std::filesystem::path file = [] {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("svg-bench-" + std::to_string(getpid()) + ".svg");
    std::ofstream(path, std::ios::binary) << largeSvg();
    return path;
  }();
  return file;
}

void loadLargeSvg(benchmark::State& state) {
  const std::filesystem::path& file = largeSvgFile();
  std::size_t paths = 0;
  for (auto _ : state) {
    platform::Result<host::svg::SvgReadResult> result = host::svg::readSvgFile(file);
    if (!result) {
      state.SkipWithError(result.error().describe().c_str());
      return;
    }
    paths = host::countArtOfType(*result->document, host::ArtType::PATH);
    benchmark::DoNotOptimize(paths);
  }
  state.counters["paths"] = static_cast<double>(paths);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * largeSvg().size()));
}

void writeLargeSvg(benchmark::State& state) {
  platform::Result<host::svg::SvgReadResult> read = host::svg::readSvgBytes(largeSvg(), "generated.svg");
  if (!read) {
    state.SkipWithError(read.error().describe().c_str());
    return;
  }
  const std::filesystem::path output =
      std::filesystem::temp_directory_path() / ("svg-bench-out-" + std::to_string(getpid()) + ".svg");
  for (auto _ : state) {
    platform::Result<std::vector<host::svg::SvgDiagnostic>> written = host::svg::writeSvgFile(*read->document, output);
    if (!written) {
      state.SkipWithError(written.error().describe().c_str());
      break;
    }
  }
  std::filesystem::remove(output);
}

BENCHMARK(loadLargeSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(writeLargeSvg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(largeSvgFile());
  return 0;
}
