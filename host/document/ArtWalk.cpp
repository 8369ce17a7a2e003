#include "host/document/ArtWalk.h"

#include <cstdint>

namespace host {

Art* nextInWalk(const Art& root, const Art& current, bool enterChildren) {
  // Back to front: a container's children from its last (back-most) child to its first.
  if (enterChildren && current.lastChild() != nullptr) return current.lastChild();
  // Climb until an ancestor below root has a sibling in front of it.
  for (const Art* art = &current; art != &root && art != nullptr; art = art->parent()) {
    if (art->priorSibling() != nullptr) return art->priorSibling();
  }
  return nullptr;
}

std::size_t countArtOfType(const Layer& layer, ArtType type) {
  std::size_t count = 0;
  // The visitor never stops the walk, so its outcome says nothing.
  static_cast<void>(walkLayerArt(layer, [&](const Art& art) {
    if (art.type() == type) ++count;
    return WalkStep::CONTINUE;
  }));
  return count;
}

std::size_t countArtOfType(const Document& document, ArtType type) {
  std::size_t count = 0;
  for (std::int32_t index = 0; index < document.layerCount(); ++index) {
    count += countArtOfType(*document.layerAt(index), type);
  }
  return count;
}

}  // namespace host
