#include "LargeSvgGenerator.h"

#include "SvgNumbers.h"

namespace bench {

std::string generateLayeredSvg(std::int32_t layers, std::int32_t pathsPerLayer) {
  std::string svg;
  svg.reserve(static_cast<std::size_t>(layers) * static_cast<std::size_t>(pathsPerLayer) * 200);
  svg += R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
   xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd" width="1189mm" height="841mm"
   viewBox="0 0 1189 841" version="1.1">
)";
  std::int64_t serial = 0;
  for (std::int32_t layer = 0; layer < layers; ++layer) {
    svg += R"(  <g inkscape:groupmode="layer" inkscape:label="Layer )";
    appendInteger(svg, layer + 1);
    svg += R"(" id="layer)";
    appendInteger(svg, layer + 1);
    svg += "\">\n";
    for (std::int32_t index = 0; index < pathsPerLayer; ++index, ++serial) {
      // A pseudo-random but fixed position and shape from the serial number.
      const std::int64_t x = (serial * 7919) % 110000 + 500;
      const std::int64_t y = (serial * 104729) % 78000 + 500;
      const std::int64_t size = 100 + serial % 900;
      svg += R"(    <path id="path)";
      appendInteger(svg, serial);
      svg += R"(" style="fill:#)";
      static constexpr char kDigits[] = "0123456789abcdef";
      for (int shift = 20; shift >= 0; shift -= 4) svg += kDigits[(serial * 2654435761) >> shift & 15];
      svg += R"(;fill-opacity:1;stroke:#000000;stroke-width:0.26458;stroke-linejoin:round" d="m )";
      appendFixed(svg, x, 2);
      svg += ',';
      appendFixed(svg, y, 2);
      const std::int64_t turns[4][6] = {{size / 2, -size / 4, size, -size / 4, size, 0},
                                        {size / 4, size / 2, size / 4, size, 0, size},
                                        {-size / 2, size / 4, -size, size / 4, -size, 0},
                                        {-size / 4, -size / 2, -size / 4, -size, 0, -size}};
      svg += " c";
      for (const auto& curve : turns) {
        for (std::int64_t value : curve) {
          svg += ' ';
          appendFixed(svg, value, 2);
        }
      }
      svg += " z\" />\n";
    }
    svg += "  </g>\n";
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace bench
