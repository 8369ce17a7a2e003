#include "tests/converter/Renderings.h"

#include <png.h>

#include <algorithm>
#include <functional>

namespace converter::test {
namespace {

constexpr unsigned kInkGrid = 24;
// Colours are sampled finer than ink: a fill covers many cells, a line only a few.
constexpr unsigned kColourGrid = 48;
// The DXF palette approximates every colour; its steps are well inside this distance in RGB.
constexpr int kColourTolerance = 100;

/// The bounding box of the pixels that ink() accepts, or nothing.
std::optional<Box> inkBox(const Image& image, const std::function<bool(unsigned, unsigned)>& ink) {
  Box box{image.width, image.height, 0, 0};
  for (unsigned y = 0; y < image.height; ++y) {
    for (unsigned x = 0; x < image.width; ++x) {
      if (!ink(x, y)) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    }
  }
  if (box.left > box.right) return std::nullopt;
  return box;
}

/// The colour of the ink at each cell centre of a grid over the ink's bounding box.
ColourCells sampleCells(const Image& image, const std::function<std::optional<Rgb>(unsigned, unsigned)>& ink) {
  const std::optional<Box> box = inkBox(image, [&](unsigned x, unsigned y) { return ink(x, y).has_value(); });
  if (!box) return {};
  ColourCells cells(kColourGrid * kColourGrid);
  const double cellWidth = (box->right - box->left + 1) / static_cast<double>(kColourGrid);
  const double cellHeight = (box->bottom - box->top + 1) / static_cast<double>(kColourGrid);
  for (unsigned row = 0; row < kColourGrid; ++row) {
    for (unsigned column = 0; column < kColourGrid; ++column) {
      const auto x = static_cast<unsigned>(box->left + (column + 0.5) * cellWidth);
      const auto y = static_cast<unsigned>(box->top + (row + 0.5) * cellHeight);
      cells[row * kColourGrid + column] = ink(x, y);
    }
  }
  return cells;
}

bool isWhite(const Rgb& colour) { return std::min({colour.red, colour.green, colour.blue}) >= 200; }

bool near(const Rgb& a, const Rgb& b) {
  const int red = a.red - b.red;
  const int green = a.green - b.green;
  const int blue = a.blue - b.blue;
  return red * red + green * green + blue * blue < kColourTolerance * kColourTolerance;
}

/// Counts the cells of `from` with ink and those of them that `to` matches within one cell.
template <class Cells, class Matches>
void countMatches(const Cells& from, unsigned grid, Matches&& matches, unsigned& inked, unsigned& matched) {
  for (unsigned row = 0; row < grid; ++row) {
    for (unsigned column = 0; column < grid; ++column) {
      if (!from[row * grid + column]) continue;
      ++inked;
      bool found = false;
      for (unsigned y = row > 0 ? row - 1 : 0; y <= std::min(grid - 1, row + 1) && !found; ++y) {
        for (unsigned x = column > 0 ? column - 1 : 0; x <= std::min(grid - 1, column + 1) && !found; ++x) {
          found = matches(row * grid + column, y * grid + x);
        }
      }
      matched += found ? 1 : 0;
    }
  }
}

}  // namespace

bool readPng(const std::filesystem::path& path, Image& image) {
  png_image decoded{};
  decoded.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&decoded, path.c_str()) == 0) return false;
  decoded.format = PNG_FORMAT_RGB;
  image.width = decoded.width;
  image.height = decoded.height;
  image.pixels.resize(PNG_IMAGE_SIZE(decoded));
  return png_image_finish_read(&decoded, nullptr, image.pixels.data(), 0, nullptr) != 0;
}

Rgb pixelAt(const Image& image, unsigned x, unsigned y) {
  const unsigned char* pixel = &image.pixels[(static_cast<size_t>(y) * image.width + x) * 3];
  return {pixel[0], pixel[1], pixel[2]};
}

bool isInk(const Image& image, unsigned x, unsigned y) { return !isWhite(pixelAt(image, x, y)); }

std::optional<Box> inkBoxOf(const Image& image) {
  return inkBox(image, [&](unsigned x, unsigned y) { return isInk(image, x, y); });
}

std::vector<bool> inkCells(const Image& image) {
  const std::optional<Box> box = inkBoxOf(image);
  if (!box) return {};
  std::vector<bool> cells(kInkGrid * kInkGrid, false);
  const double cellWidth = (box->right - box->left + 1) / static_cast<double>(kInkGrid);
  const double cellHeight = (box->bottom - box->top + 1) / static_cast<double>(kInkGrid);
  for (unsigned y = box->top; y <= box->bottom; ++y) {
    for (unsigned x = box->left; x <= box->right; ++x) {
      if (!isInk(image, x, y)) continue;
      const auto column = std::min(kInkGrid - 1, static_cast<unsigned>((x - box->left) / cellWidth));
      const auto row = std::min(kInkGrid - 1, static_cast<unsigned>((y - box->top) / cellHeight));
      cells[row * kInkGrid + column] = true;
    }
  }
  return cells;
}

double inkAgreement(const Image& a, const Image& b) {
  const std::vector<bool> first = inkCells(a);
  const std::vector<bool> second = inkCells(b);
  if (first.empty() || second.empty()) return first.empty() && second.empty() ? 1 : 0;
  unsigned inked = 0;
  unsigned matched = 0;
  countMatches(first, kInkGrid, [&](unsigned, unsigned other) { return second[other]; }, inked, matched);
  countMatches(second, kInkGrid, [&](unsigned, unsigned other) { return first[other]; }, inked, matched);
  return static_cast<double>(matched) / inked;
}

ColourCells colourCells(const Image& printed) {
  return sampleCells(printed, [&](unsigned x, unsigned y) -> std::optional<Rgb> {
    const Rgb colour = pixelAt(printed, x, y);
    if (isWhite(colour)) return std::nullopt;
    return colour;
  });
}

ColourCells printedColourCells(const Image& onWhite, const Image& onBlack) {
  return sampleCells(onWhite, [&](unsigned x, unsigned y) -> std::optional<Rgb> {
    const Rgb colour = pixelAt(onWhite, x, y);
    if (!isWhite(colour)) return colour;
    if (x < onBlack.width && y < onBlack.height && isWhite(pixelAt(onBlack, x, y))) return Rgb{0, 0, 0};
    return std::nullopt;
  });
}

double colourAgreement(const ColourCells& a, const ColourCells& b) {
  if (a.empty() || b.empty()) return a.empty() && b.empty() ? 1 : 0;
  unsigned inked = 0;
  unsigned matched = 0;
  auto matches = [](const ColourCells& from, const ColourCells& to) {
    return [&from, &to](unsigned own, unsigned other) { return to[other] && near(*from[own], *to[other]); };
  };
  countMatches(a, kColourGrid, matches(a, b), inked, matched);
  countMatches(b, kColourGrid, matches(b, a), inked, matched);
  return static_cast<double>(matched) / inked;
}

}  // namespace converter::test
