// "AI Text Frame Suite" and "AIATE Paint Suite": text frames as art, and colours between the document and the
// text engine.

#include <cmath>

#include "host/document/Document.h"
#include "host/sdk/ArtConstants.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/TextFrameSuite.h"
#include "host/suites/ColorConversion.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"
#include "host/suites/TextEngineObjects.h"
#include "host/text/FontCatalog.h"
#include "host/text/TextEditing.h"
#include "host/text/TextOutlines.h"

namespace host {
namespace {

Document& document() { return *services().document; }
TextEngineObjects& objects() { return *services().textObjects; }

/// The live text-frame art behind a handle, or null.
Art* textFrameArt(ArtHandle handle) {
  auto* art = reinterpret_cast<Art*>(handle);
  if (!document().isLiveArt(art) || art->type() != ArtType::TEXT_FRAME) return nullptr;
  return art;
}

/// Creates a frame where paintOrder and prefix say, unless the layer it would land on is locked or hidden.
HostResult newFrame(int16_t paintOrder, ArtHandle prefix, platform::Result<TextFrameData> frame, ArtHandle* art) {
  if (art == nullptr || paintOrder < PAINT_ORDER_ABOVE || paintOrder > PAINT_ORDER_BELOW_ALL) return HOST_BAD_PARAMETER;
  auto* prefixArt = reinterpret_cast<Art*>(prefix);
  if (prefixArt != nullptr && !document().isLiveArt(prefixArt)) return HOST_BAD_HANDLE;
  Layer* layer = prefixArt != nullptr ? prefixArt->layer() : document().currentLayer();
  if (layer != nullptr && (layer->locked() || !layer->visible())) return HOST_LAYER_LOCKED_OR_HIDDEN;
  if (!frame) return frame.error().code;
  platform::Result<Art*> created = newTextFrame(document(), static_cast<PaintOrder>(paintOrder), prefixArt, std::move(*frame));
  if (!created) return created.error().code;
  *art = reinterpret_cast<ArtHandle>(*created);
  return HOST_NO_ERROR;
}

HostResult newPointText(int16_t paintOrder, ArtHandle prefix, int16_t orientation, HostRealPoint anchor, ArtHandle* art) {
  return guarded([&] {
    if (orientation != TEXT_ORIENTATION_HORIZONTAL) return HOST_BAD_PARAMETER;
    return newFrame(paintOrder, prefix, makePointText(anchor, ""), art);
  });
}

HostResult newAreaText(int16_t paintOrder, ArtHandle prefix, int16_t orientation, const HostRealRect* area, ArtHandle* art) {
  return guarded([&] {
    if (orientation != TEXT_ORIENTATION_HORIZONTAL || area == nullptr) return HOST_BAD_PARAMETER;
    return newFrame(paintOrder, prefix, makeAreaText(*area, ""), art);
  });
}

HostResult getATETextFrame(ArtHandle art, TextFrameRef* frame) {
  return guarded([&] {
    Art* textFrame = textFrameArt(art);
    if (textFrame == nullptr) return HOST_BAD_HANDLE;
    if (frame == nullptr) return HOST_BAD_PARAMETER;
    *frame = static_cast<TextFrameRef>(objects().add(TextFrameObject{textFrame}));
    return HOST_NO_ERROR;
  });
}

HostResult getATETextRange(ArtHandle art, TextRangeRef* range) {
  return guarded([&] {
    Art* textFrame = textFrameArt(art);
    if (textFrame == nullptr) return HOST_BAD_HANDLE;
    if (range == nullptr) return HOST_BAD_PARAMETER;
    *range = static_cast<TextRangeRef>(objects().add(TextRangeObject{textFrame, 0, textFrame->textFrame().characterCount()}));
    return HOST_NO_ERROR;
  });
}

HostResult getTextFrameMatrix(ArtHandle art, HostRealMatrix* matrix) {
  return guarded([&] {
    Art* textFrame = textFrameArt(art);
    if (textFrame == nullptr) return HOST_BAD_HANDLE;
    if (matrix == nullptr) return HOST_BAD_PARAMETER;
    const AffineMatrix& frameMatrix = textFrame->textFrame().matrix;
    *matrix = HostRealMatrix{frameMatrix.a, frameMatrix.b, frameMatrix.c, frameMatrix.d, frameMatrix.tx, frameMatrix.ty};
    return HOST_NO_ERROR;
  });
}

HostResult setTextFrameMatrix(ArtHandle art, const HostRealMatrix* matrix) {
  return guarded([&] {
    Art* textFrame = textFrameArt(art);
    if (textFrame == nullptr) return HOST_BAD_HANDLE;
    if (matrix == nullptr) return HOST_BAD_PARAMETER;
    for (HostReal value : {matrix->a, matrix->b, matrix->c, matrix->d, matrix->tx, matrix->ty}) {
      if (!std::isfinite(value)) return HOST_BAD_PARAMETER;
    }
    platform::Result<TextFrameData*> data = textFrame->editTextFrame();
    if (!data) return data.error().code;
    (*data)->matrix = AffineMatrix{matrix->a, matrix->b, matrix->c, matrix->d, matrix->tx, matrix->ty};
    return HOST_NO_ERROR;
  });
}

HostResult createOutline(ArtHandle art, ArtHandle* outlines) {
  return guarded([&] {
    Art* textFrame = textFrameArt(art);
    if (textFrame == nullptr) return HOST_BAD_HANDLE;
    if (outlines == nullptr) return HOST_BAD_PARAMETER;
    platform::Result<const FontCatalog*> catalog = defaultFontCatalog();
    if (!catalog) return HOST_INTERNAL_ERROR;
    platform::Result<Art*> group = createOutlines(*textFrame, **catalog);
    if (!group) return group.error().code;
    // An empty group stands for no outline at all, as callers test for one.
    if ((*group)->firstChild() == nullptr) {
      (void)document().disposeArt(*group);  // just created by us: disposing it cannot fail for a reason to report
      *outlines = nullptr;
    } else {
      *outlines = reinterpret_cast<ArtHandle>(*group);
    }
    return HOST_NO_ERROR;
  });
}

constexpr TextFrameSuite kTextFrameSuite{newPointText,       newAreaText,        getATETextFrame, getATETextRange,
                                         getTextFrameMatrix, setTextFrameMatrix, createOutline};

HostResult getAIColor(ApplicationPaintRef paint, HostColor* color) {
  return guarded([&] {
    const PaintObject* found = objects().find<PaintObject>(paint);
    if (found == nullptr) return HOST_BAD_HANDLE;
    if (color == nullptr) return HOST_BAD_PARAMETER;
    *color = toHostColor(found->color);
    return HOST_NO_ERROR;
  });
}

HostResult getATEApplicationPaint(const HostColor* color, ApplicationPaintRef* paint) {
  return guarded([&] {
    if (color == nullptr || paint == nullptr) return HOST_BAD_PARAMETER;
    std::optional<Color> converted = fromHostColor(*color, document());
    if (!converted) return HOST_BAD_PARAMETER;
    *paint = static_cast<ApplicationPaintRef>(objects().add(PaintObject{*converted}));
    return HOST_NO_ERROR;
  });
}

constexpr AiAtePaintSuite kAiAtePaintSuite{getAIColor, getATEApplicationPaint};

}  // namespace

void registerTextFrameSuites(SuiteRegistry& registry) {
  registry.add(SUITE_TEXT_FRAME, TEXT_FRAME_SUITE_VERSION, &kTextFrameSuite);
  registry.add(SUITE_ATE_PAINT, AIATE_PAINT_SUITE_VERSION, &kAiAtePaintSuite);
}

}  // namespace host
