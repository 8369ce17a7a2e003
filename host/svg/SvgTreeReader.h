#pragma once
// The walk over a parsed SVG document that builds the host document's layers and art: layer groups, groups,
// clip groups, paths and shapes, <use> instances and text. Painting properties are computed on the way down
// and every transform is folded into one matrix per element.

#include <cstdint>
#include <vector>

#include <pugixml.hpp>

#include "host/document/Art.h"
#include "host/document/Document.h"
#include "host/svg/SourceLines.h"
#include "host/svg/SvgDiagnostics.h"
#include "host/svg/SvgElementIndex.h"
#include "host/svg/SvgElementState.h"
#include "host/svg/SvgGeometry.h"
#include "host/svg/SvgPage.h"
#include "host/svg/SvgReader.h"
#include "host/svg/SvgStyle.h"
#include "platform/Result.h"

namespace host::svg {

/// Elements nested more deeply than this are skipped (and reported), so no input exhausts the call stack.
inline constexpr std::int32_t kMaxElementDepth = 256;

/// Elements instantiated through <use> in one document at most; beyond, <use> is skipped and reported. This
/// bounds the work of nested uses that multiply (each level using the one below several times).
inline constexpr std::int64_t kMaxInstancedElements = 100'000;

/// Builds a document's content from the root element of a parsed SVG document.
class SvgTreeReader {
public:
  /// A reader that adds to document (new, with its page already set) and reports to diagnostics; progress
  /// (may be empty) is told how far the reading got and may stop it.
  SvgTreeReader(Document& document, SvgDiagnosticList& diagnostics, const SourceLocator& locator,
                const PageLayout& page, const pugi::xml_node& root, SvgReadProgress progress = {});

  /// Reads the root's content into layers. Fails only for input that is broken beyond skipping (path data).
  [[nodiscard]] platform::Result<void> readRoot();

private:
  // Content of an element: what the reader does with it.
  enum class ElementKind { CONTAINER, SWITCH, PATH, SHAPE, USE, TEXT, NOT_RENDERED, UNSUPPORTED };

  [[nodiscard]] ElementKind kindOf(const pugi::xml_node& node, std::string_view name) const;
  [[nodiscard]] bool isLayer(const pugi::xml_node& node) const;
  [[nodiscard]] ElementState elementState(const pugi::xml_node& node, const ElementState& parent) {
    return states.stateOf(node, parent);
  }
  [[nodiscard]] LengthContext lengthContext(const SvgStyle& style) const { return states.lengthContext(style); }
  void reportEffects(const SvgStyle& style, bool drawsMarkers);

  [[nodiscard]] platform::Result<void> readLayer(const pugi::xml_node& node, const ElementState& rootState);
  [[nodiscard]] platform::Result<void> readChildren(const pugi::xml_node& node, const ElementState& state);
  [[nodiscard]] platform::Result<void> readElement(const pugi::xml_node& node, const ElementState& parent);
  [[nodiscard]] platform::Result<void> readContainer(const pugi::xml_node& node, const ElementState& state,
                                                     ElementKind kind);
  [[nodiscard]] platform::Result<void> readGeometry(const pugi::xml_node& node, const ElementState& state,
                                                    std::string_view name);
  [[nodiscard]] platform::Result<void> readText(const pugi::xml_node& node, const ElementState& state);
  [[nodiscard]] platform::Result<void> readUse(const pugi::xml_node& node, const ElementState& state);
  [[nodiscard]] platform::Result<void> readSymbol(const pugi::xml_node& symbol, const pugi::xml_node& use,
                                                  const ElementState& useState);

  // The geometry of a path or shape in its own user space; fails for broken path data.
  [[nodiscard]] platform::Result<PathGeometry> elementGeometry(const pugi::xml_node& node, std::string_view name,
                                                               const SvgStyle& style);
  // The clipPath element an element's style refers to, or an empty node (a bad reference is reported).
  [[nodiscard]] pugi::xml_node clipPathOf(const SvgStyle& style);
  // A group (a clip group when clipPath is given) on top of container.
  [[nodiscard]] platform::Result<Art*> newGroup(Art& container, bool clip);
  // Adds the clipping path made from clipPath's children as the clip group's last child; a clip path with
  // nothing in it hides the group's content.
  [[nodiscard]] platform::Result<void> addClippingPath(Art& clipGroup, const pugi::xml_node& clipPath,
                                                       const ElementState& clipped);
  // Applies display, sodipodi:insensitive and inkscape:label to the art that stands for an element.
  void decorate(Art& art, const pugi::xml_node& node, const ElementState& state, bool leaf);

  Document& document;
  SvgDiagnosticList& diagnostics;
  const SourceLocator& locator;
  const PageLayout& page;
  pugi::xml_node root;
  SvgElementIndex elements;
  ElementStateBuilder states;
  // The targets of the <use> elements being expanded, innermost last.
  std::vector<pugi::xml_node> useTargets;
  std::int64_t instancedElements = 0;
  SvgReadProgress progress;
  std::int64_t elementsRead = 0;
};

}  // namespace host::svg
