#include "host/document/Art.h"

#include <string>
#include <utility>

#include "host/document/Document.h"
#include "host/document/DocumentError.h"

namespace host {
namespace {

const char* typeName(ArtType type) {
  switch (type) {
    case ArtType::GROUP: return "group";
    case ArtType::PATH: return "path";
    case ArtType::COMPOUND_PATH: return "compound path";
    case ArtType::PLUGIN: return "plug-in art";
    case ArtType::TEXT_FRAME: return "text frame";
  }
  return "unknown art";
}

// Selection and targeting follow the user's clicks; they do not make a document need saving.
constexpr ArtAttributes kSelectionAttributes =
    ArtAttribute::SELECTED | ArtAttribute::FULLY_SELECTED | bitOf(ArtAttribute::TARGETED);

}  // namespace

bool isKnownArtType(ArtType type) {
  switch (type) {
    case ArtType::GROUP:
    case ArtType::PATH:
    case ArtType::COMPOUND_PATH:
    case ArtType::PLUGIN:
    case ArtType::TEXT_FRAME:
      return true;
  }
  return false;
}

bool isContainerType(ArtType type) { return type == ArtType::GROUP || type == ArtType::COMPOUND_PATH; }

Layer* Art::layer() const {
  const Art* art = this;
  while (true) {
    while (art->parentArt != nullptr) art = art->parentArt;
    if (art->groupOfLayer != nullptr) return art->groupOfLayer;
    if (art->ownerOfResult == nullptr) return nullptr;
    art = art->ownerOfResult;
  }
}

platform::Result<void> Art::checkType(ArtType expected, const char* what) const {
  if (artType == expected) return {};
  return badParameter(std::string(what) + " belongs to a " + typeName(expected) + ", not a " + typeName(artType));
}

platform::Result<void> Art::setClipGroup(bool clip) {
  if (platform::Result<void> type = checkType(ArtType::GROUP, "the clip flag"); !type) return type;
  clipGroup = clip;
  owner.noteModified();
  return {};
}

platform::Result<void> Art::setClipping(bool clip) {
  if (artType != ArtType::PATH && artType != ArtType::COMPOUND_PATH) {
    return badParameter(std::string("only paths and compound paths clip, not a ") + typeName(artType));
  }
  clipping = clip;
  owner.noteModified();
  return {};
}

platform::Result<void> Art::setPath(PathData path) {
  if (platform::Result<void> type = checkType(ArtType::PATH, "path data"); !type) return type;
  pathData = std::move(path);
  owner.noteModified();
  return {};
}

platform::Result<PathData*> Art::editPath() {
  if (platform::Result<void> type = checkType(ArtType::PATH, "path data"); !type) return type.error();
  owner.noteModified();
  return &pathData;
}

platform::Result<void> Art::setStyle(const PathStyle& style) {
  if (platform::Result<void> type = checkType(ArtType::PATH, "a path style"); !type) return type;
  if (platform::Result<void> valid = owner.checkPathStyle(style); !valid) return valid;
  pathStyle = style;
  owner.noteModified();
  return {};
}

platform::Result<void> Art::setOpacity(HostReal opacity) {
  if (!(opacity >= 0 && opacity <= 1)) return badParameter("opacity must lie in 0..1");
  artOpacity = opacity;
  owner.noteModified();
  return {};
}

platform::Result<TextFrameData*> Art::editTextFrame() {
  if (platform::Result<void> type = checkType(ArtType::TEXT_FRAME, "text"); !type) return type.error();
  owner.noteModified();
  return &textFrameData;
}

platform::Result<void> Art::setAttributes(ArtAttributes mask, ArtAttributes values) {
  if ((mask & ~kKnownArtAttributes) != 0) return badParameter("unknown art attribute bits");
  const ArtAttributes updated = (userAttributes & ~mask) | (values & mask);
  const ArtAttributes changed = updated ^ userAttributes;
  userAttributes = updated;
  if ((changed & ~kSelectionAttributes) != 0) owner.noteModified();
  return {};
}

void Art::setName(std::string name) {
  artName = std::move(name);
  owner.noteModified();
}

void Art::unlink() {
  if (parentArt == nullptr) return;
  (priorSiblingArt != nullptr ? priorSiblingArt->nextSiblingArt : parentArt->firstChildArt) = nextSiblingArt;
  (nextSiblingArt != nullptr ? nextSiblingArt->priorSiblingArt : parentArt->lastChildArt) = priorSiblingArt;
  parentArt = nullptr;
  nextSiblingArt = nullptr;
  priorSiblingArt = nullptr;
}

void Art::linkInto(Art& container, Art* before) {
  parentArt = &container;
  nextSiblingArt = before;
  priorSiblingArt = before != nullptr ? before->priorSiblingArt : container.lastChildArt;
  (priorSiblingArt != nullptr ? priorSiblingArt->nextSiblingArt : container.firstChildArt) = this;
  (before != nullptr ? before->priorSiblingArt : container.lastChildArt) = this;
}

}  // namespace host
