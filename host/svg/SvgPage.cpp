#include "host/svg/SvgPage.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/svg/NumberScanner.h"
#include "host/svg/SvgLength.h"

namespace host::svg {
namespace {

// A page record stores whole points in 32 bits; far beyond any paper, and well inside that range.
constexpr double kMaxPagePoints = 1e7;

struct ViewBox {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

std::optional<ViewBox> parseViewBox(std::string_view text) {
  std::optional<std::vector<double>> numbers = parseNumberList(text);
  if (!numbers || numbers->size() != 4 || (*numbers)[2] <= 0 || (*numbers)[3] <= 0) return std::nullopt;
  return ViewBox{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
}

/// A page dimension as written: an absolute length in pixels, or a percentage of the viewBox's dimension.
struct PageLength {
  double value = 0;
  bool percent = false;
};

bool usablePageSize(double pixels) { return pixels > 0 && pixels * kPointsPerPixel <= kMaxPagePoints; }

std::string notUsable(std::string_view name, std::string_view text) {
  return "the page " + std::string(name) + " \"" + std::string(text) + "\" is not a usable page size";
}

// A page dimension; an error message for anything but a positive absolute length or percentage.
std::optional<PageLength> pageLength(std::string_view name, std::string_view text, std::string& message) {
  std::optional<Length> length = parseLength(text);
  if (length && length->unit == LengthUnit::PERCENT) {
    if (!(length->value > 0) || !std::isfinite(length->value)) {
      message = notUsable(name, text);
      return std::nullopt;
    }
    return PageLength{length->value, true};
  }
  std::optional<double> pixels = length ? pixelsPerUnit(length->unit) : std::nullopt;
  if (!pixels) {
    message = "the page " + std::string(name) + " \"" + std::string(text) +
              "\" needs a number with an absolute unit (px, pt, pc, mm, cm, in, or %) or none";
    return std::nullopt;
  }
  const double value = length->value * *pixels;
  if (!usablePageSize(value)) {
    message = notUsable(name, text);
    return std::nullopt;
  }
  return PageLength{value, false};
}

struct AspectRatio {
  bool none = false;
  // 0 min, 1 mid, 2 max along each axis.
  int alignX = 1;
  int alignY = 1;
  bool slice = false;
};

std::optional<AspectRatio> parseAspectRatio(std::string_view text) {
  text = trimSpaces(text);
  if (text.starts_with("defer")) text = trimSpaces(text.substr(5));
  const std::size_t space = text.find_first_of(" \t\r\n");
  const std::string_view align = text.substr(0, space);
  const std::string_view meetOrSlice =
      space == std::string_view::npos ? std::string_view{} : trimSpaces(text.substr(space));
  AspectRatio ratio;
  if (meetOrSlice == "slice") {
    ratio.slice = true;
  } else if (!meetOrSlice.empty() && meetOrSlice != "meet") {
    return std::nullopt;
  }
  if (align == "none") {
    ratio.none = true;
    return ratio;
  }
  auto position = [](std::string_view word) { return word == "Min" ? 0 : word == "Mid" ? 1 : word == "Max" ? 2 : -1; };
  if (align.size() != 8 || align[0] != 'x' || align[4] != 'Y') return std::nullopt;
  ratio.alignX = position(align.substr(1, 3));
  ratio.alignY = position(align.substr(5, 3));
  if (ratio.alignX < 0 || ratio.alignY < 0) return std::nullopt;
  return ratio;
}

// Maps the viewBox onto a viewport of the given pixel size.
TransformMatrix viewBoxMatrix(const ViewBox& box, const AspectRatio& ratio, double width, double height) {
  double scaleX = width / box.width;
  double scaleY = height / box.height;
  if (ratio.none) return scalingMatrix(scaleX, scaleY) * translationMatrix(-box.x, -box.y);
  const double scale = ratio.slice ? std::max(scaleX, scaleY) : std::min(scaleX, scaleY);
  const double offsetX = (width - box.width * scale) * ratio.alignX / 2;
  const double offsetY = (height - box.height * scale) * ratio.alignY / 2;
  return translationMatrix(offsetX, offsetY) * scalingMatrix(scale, scale) * translationMatrix(-box.x, -box.y);
}

}  // namespace

std::optional<TransformMatrix> viewBoxToViewport(std::string_view viewBox, std::string_view preserveAspectRatio,
                                                 double width, double height) {
  std::optional<ViewBox> box = parseViewBox(viewBox);
  std::optional<AspectRatio> ratio =
      trimSpaces(preserveAspectRatio).empty() ? AspectRatio{} : parseAspectRatio(preserveAspectRatio);
  if (!box || !ratio) return std::nullopt;
  return viewBoxMatrix(*box, *ratio, width, height);
}

PageLayoutResult layOutPage(const PageAttributes& attributes) {
  PageLayoutResult result;
  PageLayout& layout = result.layout;

  std::optional<ViewBox> viewBox;
  if (attributes.viewBox) {
    viewBox = parseViewBox(*attributes.viewBox);
    if (!viewBox) layout.ignoredAttribute = "viewBox";
  }
  AspectRatio ratio;
  if (attributes.preserveAspectRatio) {
    if (std::optional<AspectRatio> parsed = parseAspectRatio(*attributes.preserveAspectRatio)) {
      ratio = *parsed;
    } else {
      layout.ignoredAttribute = "preserveAspectRatio";
    }
  }

  std::optional<PageLength> writtenWidth;
  std::optional<PageLength> writtenHeight;
  std::string message;
  if (attributes.width) {
    writtenWidth = pageLength("width", *attributes.width, message);
    if (!writtenWidth) {
      result.problem = PageProblem{PageAttribute::WIDTH, message};
      return result;
    }
  }
  if (attributes.height) {
    writtenHeight = pageLength("height", *attributes.height, message);
    if (!writtenHeight) {
      result.problem = PageProblem{PageAttribute::HEIGHT, message};
      return result;
    }
  }
  // A percentage is of the viewBox's dimension, as browsers and editors size a drawing that stands alone;
  // without a viewBox it counts as not given.
  const auto resolve = [&](const std::optional<PageLength>& written, double viewBoxSize, PageAttribute attribute,
                           std::string_view name, std::string_view text) -> std::optional<double> {
    if (!written || !written->percent) return written ? std::optional(written->value) : std::nullopt;
    if (!viewBox) return std::nullopt;
    const double pixels = written->value * viewBoxSize / 100;
    if (!usablePageSize(pixels)) result.problem = PageProblem{attribute, notUsable(name, text)};
    return pixels;
  };
  std::optional<double> width = resolve(writtenWidth, viewBox ? viewBox->width : 0, PageAttribute::WIDTH, "width",
                                        attributes.width.value_or(""));
  std::optional<double> height = resolve(writtenHeight, viewBox ? viewBox->height : 0, PageAttribute::HEIGHT,
                                         "height", attributes.height.value_or(""));
  if (result.problem) return result;
  const PageSetupRecord defaults = defaultPageSetup();
  const double defaultWidth = (defaults.paper.right - defaults.paper.left) / kPointsPerPixel;
  const double defaultHeight = (defaults.paper.bottom - defaults.paper.top) / kPointsPerPixel;
  if (viewBox) {
    // A missing dimension follows the viewBox: its size, or its aspect ratio when the other one is given.
    if (!width && !height) {
      width = viewBox->width;
      height = viewBox->height;
    } else if (!width) {
      width = *height * viewBox->width / viewBox->height;
    } else if (!height) {
      height = *width * viewBox->height / viewBox->width;
    }
  }
  const double pixelWidth = width.value_or(defaultWidth);
  const double pixelHeight = height.value_or(defaultHeight);
  // A size taken from the viewBox needs the same check as one written out.
  if (!usablePageSize(pixelWidth) || !usablePageSize(pixelHeight)) {
    const bool wide = !usablePageSize(pixelWidth);
    result.problem = PageProblem{wide ? PageAttribute::WIDTH : PageAttribute::HEIGHT,
                                 std::string("the page ") + (wide ? "width" : "height") +
                                     " that the viewBox gives is not a usable page size"};
    return result;
  }

  const auto wholePoints = [](double pixels) {
    return static_cast<std::int32_t>(std::max(1.0, std::round(pixels * kPointsPerPixel)));
  };
  layout.record.paper = {0, 0, wholePoints(pixelWidth), wholePoints(pixelHeight)};
  layout.record.printableArea = layout.record.paper;

  TransformMatrix userToPixels;
  if (viewBox) {
    userToPixels = viewBoxMatrix(*viewBox, ratio, pixelWidth, pixelHeight);
    layout.viewportWidth = viewBox->width;
    layout.viewportHeight = viewBox->height;
  } else {
    layout.viewportWidth = pixelWidth;
    layout.viewportHeight = pixelHeight;
  }
  // The exact height, not the record's whole points: every y of the drawing keeps its place.
  const TransformMatrix flip{1, 0, 0, -1, 0, pixelHeight * kPointsPerPixel};
  layout.userToArtwork = flip * scalingMatrix(kPointsPerPixel, kPointsPerPixel) * userToPixels;
  return result;
}

}  // namespace host::svg
