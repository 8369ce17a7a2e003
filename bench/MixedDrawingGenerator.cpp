#include "MixedDrawingGenerator.h"

#include "SvgNumbers.h"

namespace bench {
namespace {

void appendPoint(std::string& out, std::int64_t x, std::int64_t y) {
  appendFixed(out, x, 1);
  out += ',';
  appendFixed(out, y, 1);
}

// One drawn element, its kind and place fixed by its serial number (positions in tenths of a millimetre on an
// A0 sheet).
void appendElement(std::string& out, std::int64_t serial) {
  const std::int64_t x = (serial * 7919) % 11000 + 500;
  const std::int64_t y = (serial * 104729) % 7800 + 500;
  const std::int64_t size = 20 + serial % 180;
  static constexpr const char* kStrokes[] = {"#000000", "#c00000", "#0000c0", "#008000", "#806000"};
  const char* stroke = kStrokes[serial / 5 % 5];
  out += "<path style=\"";
  if (serial % 5 != 4) out += "fill:none;";
  out += "stroke:";
  switch (serial % 5) {
    case 0:  // a line
      out += stroke;
      out += ";stroke-width:0.25\" d=\"M ";
      appendPoint(out, x, y);
      out += " L ";
      appendPoint(out, x + size, y + size / 3);
      break;
    case 1:  // a quarter arc and a line: a slot outline as drawn in CAD
      out += stroke;
      out += ";stroke-width:0.35\" d=\"M ";
      appendPoint(out, x, y);
      out += " A ";
      appendPoint(out, size, size);
      out += " 0 0 1 ";
      appendPoint(out, x + size, y + size);
      out += " L ";
      appendPoint(out, x + size, y + 2 * size);
      break;
    case 2:  // a free curve
      out += stroke;
      out += ";stroke-width:0.25;stroke-dasharray:2,1\" d=\"M ";
      appendPoint(out, x, y);
      out += " C ";
      appendPoint(out, x + size / 2, y - size / 3);
      out += ' ';
      appendPoint(out, x + size, y + size);
      out += ' ';
      appendPoint(out, x + 2 * size, y);
      out += " S ";
      appendPoint(out, x + 3 * size, y - size);
      out += ' ';
      appendPoint(out, x + 3 * size, y + size / 2);
      break;
    case 3:  // a circle of four arcs (a drilled hole)
      out += stroke;
      out += ";stroke-width:0.5\" d=\"M ";
      appendPoint(out, x - size / 2, y);
      out += " A ";
      appendPoint(out, size / 2, size / 2);
      out += " 0 0 1 ";
      appendPoint(out, x, y - size / 2);
      out += " A ";
      appendPoint(out, size / 2, size / 2);
      out += " 0 0 1 ";
      appendPoint(out, x + size / 2, y);
      out += " A ";
      appendPoint(out, size / 2, size / 2);
      out += " 0 0 1 ";
      appendPoint(out, x, y + size / 2);
      out += " A ";
      appendPoint(out, size / 2, size / 2);
      out += " 0 0 1 ";
      appendPoint(out, x - size / 2, y);
      out += " Z";
      break;
    default:  // a filled plate with rounded corners
      out += stroke;
      out += ";fill:#d0d0d0;stroke-width:0.25\" d=\"M ";
      appendPoint(out, x + size / 5, y);
      out += " H ";
      appendFixed(out, x + size, 1);
      out += " Q ";
      appendPoint(out, x + size + size / 5, y);
      out += ' ';
      appendPoint(out, x + size + size / 5, y + size / 5);
      out += " V ";
      appendFixed(out, y + size, 1);
      out += " H ";
      appendFixed(out, x, 1);
      out += " V ";
      appendFixed(out, y + size / 5, 1);
      out += " Z";
      break;
  }
  out += "\"/>\n";
}

}  // namespace

std::string generateMixedDrawing(std::int32_t paths, std::int32_t layers) {
  std::string svg;
  svg.reserve(static_cast<std::size_t>(paths) * 160 + 1024);
  svg += R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
   width="1189mm" height="841mm" viewBox="0 0 1189 841" version="1.1">
)";
  std::int64_t serial = 0;
  for (std::int32_t layer = 0; layer < layers; ++layer) {
    const std::int64_t count = paths / layers + (layer < paths % layers ? 1 : 0);
    svg += R"(<g inkscape:groupmode="layer" inkscape:label="Layer )";
    appendInteger(svg, layer + 1);
    svg += "\">\n";
    const std::int64_t grouped = count / 5 / 10 * 10;
    for (std::int64_t index = 0; index < count; ++index, ++serial) {
      if (index < grouped && index % 10 == 0) svg += "<g>\n";
      if (index < grouped && index % 10 == 5) svg += "<g>\n";
      appendElement(svg, serial);
      if (index < grouped && index % 10 == 9) svg += "</g>\n</g>\n";
    }
    svg += "</g>\n";
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace bench
