#pragma once
// Renderings of a drawing by two programs, compared on a coarse grid laid over each image's ink: where one
// has ink the other has ink too (outlines), and of the same colour (what lies on top).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace converter::test {

/// An RGB image.
struct Image {
  unsigned width = 0;
  unsigned height = 0;
  std::vector<unsigned char> pixels;  // RGB
};

/// One pixel's colour.
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

/// Reads a PNG file as RGB; false when it cannot be read.
[[nodiscard]] bool readPng(const std::filesystem::path& path, Image& image);

/// The colour at (x, y), inside the image.
[[nodiscard]] Rgb pixelAt(const Image& image, unsigned x, unsigned y);

/// A pixel with ink: any colour clearly off the white paper (light tints do not count).
[[nodiscard]] bool isInk(const Image& image, unsigned x, unsigned y);

/// The pixels from (left, top) to (right, bottom), both included.
struct Box {
  unsigned left;
  unsigned top;
  unsigned right;
  unsigned bottom;
};

/// The bounding box of an image's ink, or nothing without ink.
[[nodiscard]] std::optional<Box> inkBoxOf(const Image& image);

/// The ink of an image on a grid laid over its ink's bounding box; empty without ink.
[[nodiscard]] std::vector<bool> inkCells(const Image& image);

/// The share of ink cells of both images that the other image matches with ink within one cell (so that
/// line widths and a pixel of shift do not count), from 0 to 1; 1 when both are blank.
[[nodiscard]] double inkAgreement(const Image& a, const Image& b);

/// The colour of each cell of a grid over an image's ink, sampled at the cell's centre; empty where the
/// centre has no ink.
using ColourCells = std::vector<std::optional<Rgb>>;

/// The cells of a rendering on white paper (as LibreCAD prints).
[[nodiscard]] ColourCells colourCells(const Image& printed);

/// The cells of an SVG rendered once on white and once on black paper, as a CAD program prints it: what is
/// white on both papers is an opaque white fill, which prints black; what is white on white paper alone is
/// paper.
[[nodiscard]] ColourCells printedColourCells(const Image& onWhite, const Image& onBlack);

/// The share of ink cells of both grids that the other grid matches within one cell with a colour near the
/// cell's own (palette approximations count as the same colour), from 0 to 1; 1 when both are blank.
[[nodiscard]] double colourAgreement(const ColourCells& a, const ColourCells& b);

}  // namespace converter::test
