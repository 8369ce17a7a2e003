#pragma once
// The state an SVG element's content is read in: its computed style (inherited from the parent, then its
// presentation attributes, then its style attribute) and the matrix from its user space to artwork points
// (the parent's matrix times its transform). Values that cannot be read are reported and ignored.

#include <cstdint>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "host/document/Art.h"
#include "host/svg/SvgDiagnostics.h"
#include "host/svg/SvgGeometry.h"
#include "host/svg/SvgLength.h"
#include "host/svg/SvgPage.h"
#include "host/svg/SvgStyle.h"

namespace host::svg {

/// The state an element's children start from.
struct ElementState {
  /// The computed style.
  SvgStyle style;
  /// Maps the element's user space (after its own transform) to artwork points.
  TransformMatrix toArtwork;
  /// Where art made for the children goes.
  Art* container = nullptr;
  /// Nesting depth below the root.
  std::int32_t depth = 0;
};

/// Computes element states for one document.
class ElementStateBuilder {
public:
  /// A builder for a page's viewport that reports to diagnostics; both must outlive it.
  ElementStateBuilder(SvgDiagnosticList& diagnostics, const PageLayout& page) : diagnostics(diagnostics), page(page) {}

  /// The state of node as a child of parent (same container, one level deeper).
  [[nodiscard]] ElementState stateOf(const pugi::xml_node& node, const ElementState& parent);
  /// What relative lengths resolve against for an element with this style.
  [[nodiscard]] LengthContext lengthContext(const SvgStyle& style) const;
  /// A length attribute of node in user units; 0 when absent or malformed.
  [[nodiscard]] double lengthAttribute(const pugi::xml_node& node, const char* name, const SvgStyle& style,
                                       LengthAxis axis) const;

private:
  SvgDiagnosticList& diagnostics;
  const PageLayout& page;
  std::vector<std::string> invalidProperties;
};

}  // namespace host::svg
