// An SVG or SVGZ drawing as `drawhost convert` takes it: read into a document (gzip data is inflated first),
// then written as SVG again, as a conversion to SVG does.

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/svg/SvgReader.h"
#include "host/svg/SvgWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::Result<host::svg::SvgReadResult> read =
      host::svg::readSvgBytes(std::string(reinterpret_cast<const char*>(data), size), "fuzzed.svg");
  if (read) {
    const host::svg::SvgText written = host::svg::formatSvg(*read->document);
    // What the writer makes, the reader takes.
    if (!host::svg::readSvgBytes(written.text, "written.svg")) __builtin_trap();
  }
  return 0;
}
