#pragma once
// Walks over the art tree. The walk follows the tree's links without recursion or allocation, so deep
// nesting and large documents cost nothing beyond the visit itself. Result groups (styled and plug-in)
// are not part of the tree and are not entered; walk them from Art::styledResult or Art::pluginResult.

#include <cstddef>
#include <utility>

#include "host/document/Art.h"
#include "host/document/Document.h"
#include "host/document/Layer.h"

namespace host {

/// What a visitor tells the walk to do next.
enum class WalkStep { CONTINUE, SKIP_CHILDREN, STOP };

/// The art after current in a depth-first walk of root's descendants (containers before their children,
/// siblings back to front: from the last child to the first), or null at the end; current must lie below
/// root. With enterChildren false, current's children are skipped.
[[nodiscard]] Art* nextInWalk(const Art& root, const Art& current, bool enterChildren);

/// Visits root's descendants depth first, back to front; root itself is not visited. The visitor takes an
/// Art& and returns a WalkStep; it must not dispose or move art while the walk runs. Returns false when the
/// visitor stopped the walk.
template <class Visitor>
[[nodiscard]] bool walkArt(const Art& root, Visitor&& visitor) {
  Art* art = root.lastChild();
  while (art != nullptr) {
    const WalkStep step = visitor(*art);
    if (step == WalkStep::STOP) return false;
    art = nextInWalk(root, *art, step == WalkStep::CONTINUE);
  }
  return true;
}

/// Visits a layer's art (the descendants of its group); see walkArt.
template <class Visitor>
[[nodiscard]] bool walkLayerArt(const Layer& layer, Visitor&& visitor) {
  return walkArt(*layer.group(), std::forward<Visitor>(visitor));
}

/// Number of art objects of a type in a layer's tree (nested art included, result groups not).
[[nodiscard]] std::size_t countArtOfType(const Layer& layer, ArtType type);

/// Number of art objects of a type in all layers' trees.
[[nodiscard]] std::size_t countArtOfType(const Document& document, ArtType type);

}  // namespace host
