// drawhost against files made to exhaust it, measured from outside as a person would see it: the program
// ends with a clear error and its peak memory (GNU time's maximum resident set) stays under a stated bound.

#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/apps/drawhost/ProgramRun.h"

namespace {

namespace fs = std::filesystem;

/// One gzip member holding `size` zero bytes, compressed as far as zlib goes (about a thousandth).
std::string gzipOfZeros(std::size_t size) {
  z_stream stream{};
  EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY), Z_OK);
  std::vector<unsigned char> zeros(1 << 20, 0);
  std::vector<unsigned char> out(1 << 20);
  std::string compressed;
  for (std::size_t left = size; left > 0 || stream.avail_in > 0;) {
    if (stream.avail_in == 0) {
      const std::size_t piece = std::min(left, zeros.size());
      stream.next_in = zeros.data();
      stream.avail_in = static_cast<uInt>(piece);
      left -= piece;
    }
    const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    do {
      stream.next_out = out.data();
      stream.avail_out = static_cast<uInt>(out.size());
      deflate(&stream, flush);
      compressed.append(reinterpret_cast<const char*>(out.data()), out.size() - stream.avail_out);
    } while (stream.avail_out == 0);
    if (flush == Z_FINISH) break;
  }
  deflateEnd(&stream);
  return compressed;
}

TEST(DrawhostHostileInput, ACompressedDrawingOfTwoGigabytesOfZerosIsRefusedWithinAGigabyte) {
  const fs::path folder = fs::temp_directory_path() / ("drawhost-bomb-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const fs::path bomb = folder / "bomb.svgz";
  {
    // Members of 64 MiB each, joined: gzip readers take the concatenation as one stream of 2 GiB.
    const std::string member = gzipOfZeros(std::size_t{64} << 20);
    std::ofstream file(bomb, std::ios::binary);
    for (int copy = 0; copy < 32; ++copy) file << member;
  }
  const drawhost::testing::ProgramRun run = platform::test::runCommand(
      std::string(platform::test::kPeakMemoryPrefix) + DRAWHOST_PROGRAM + " convert " + bomb.string() + " " +
      (folder / "bomb.dxf").string() + " 2>&1");
  EXPECT_NE(run.status, 0) << run.output;
  EXPECT_NE(run.output.find(bomb.string()), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("inflates to more than 512 MiB"), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(folder / "bomb.dxf"));
  const double peak = platform::test::peakMegabytes(run.output);
  EXPECT_GT(peak, 0) << run.output;
  EXPECT_LT(peak, 1024) << "MB at the peak";
  fs::remove_all(folder);
}

}  // namespace
