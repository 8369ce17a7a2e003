#pragma once
// The page of an SVG document: its size from the root's width and height (or its viewBox), the viewBox
// mapping with preserveAspectRatio, and the one matrix that takes root user space to artwork points with
// y upwards. The page record holds whole points; y is flipped with the exact page height, so that every point
// keeps its distance from the page's bottom edge, the page origin.

#include <optional>
#include <string>
#include <string_view>

#include "host/document/PageSetup.h"
#include "host/svg/SvgGeometry.h"

namespace host::svg {

/// The root attributes that lay out the page; absent attributes are nullopt.
struct PageAttributes {
  /// width.
  std::optional<std::string_view> width;
  /// height.
  std::optional<std::string_view> height;
  /// viewBox.
  std::optional<std::string_view> viewBox;
  /// preserveAspectRatio.
  std::optional<std::string_view> preserveAspectRatio;
};

/// The page and how root user space maps onto it.
struct PageLayout {
  /// The page as the host records it: paper = printable area, whole points.
  PageSetupRecord record = defaultPageSetup();
  /// Root user space to artwork points, y upwards.
  TransformMatrix userToArtwork;
  /// The viewport width in root user units (100 % of a horizontal length).
  double viewportWidth = 0;
  /// The viewport height in root user units (100 % of a vertical length).
  double viewportHeight = 0;
  /// Set when a viewBox or preserveAspectRatio was present but malformed and so ignored.
  std::optional<std::string> ignoredAttribute;
};

/// The attribute that makes a page impossible to lay out.
enum class PageAttribute { WIDTH, HEIGHT };

/// Why the page cannot be laid out.
struct PageProblem {
  /// The attribute at fault.
  PageAttribute attribute = PageAttribute::WIDTH;
  /// What is wrong, for a person.
  std::string message;
};

/// The layout, or the problem with width or height: an unknown unit, a size that is not positive or that
/// exceeds what a page record holds. A percentage is of the viewBox's dimension (100 % is the viewBox's size)
/// and counts as not given without a viewBox. Without width and height the viewBox gives the size in pixels;
/// without either, the host's default page is used with user units in pixels.
struct PageLayoutResult {
  /// The layout, when there is no problem.
  PageLayout layout;
  /// The problem, if any.
  std::optional<PageProblem> problem;
};

/// The matrix that fits a viewBox (and preserveAspectRatio, empty for the default) into a viewport of the
/// given size, as for the root or a symbol; nullopt when either attribute is malformed.
[[nodiscard]] std::optional<TransformMatrix> viewBoxToViewport(std::string_view viewBox,
                                                               std::string_view preserveAspectRatio, double width,
                                                               double height);

/// Lays out the page from the root attributes.
[[nodiscard]] PageLayoutResult layOutPage(const PageAttributes& attributes);

}  // namespace host::svg
