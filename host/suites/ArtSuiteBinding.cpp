// "AI Art Suite": the current document's art tree. Handles are art addresses, checked against the live art.

#include <algorithm>

#include "host/document/ArtWalk.h"
#include "host/document/Document.h"
#include "host/sdk/ArtAppearanceSuites.h"
#include "host/sdk/ArtSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

Document& document() { return *services().document; }
ArtHandle handleOf(const Art* art) { return reinterpret_cast<ArtHandle>(const_cast<Art*>(art)); }

/// Runs operation on the live art behind handle; out must not be null.
template <class Out, class Operation>
HostResult withArt(ArtHandle handle, Out* out, Operation&& operation) {
  return guarded([&]() -> HostResult {
    auto* art = reinterpret_cast<Art*>(handle);
    if (!document().isLiveArt(art)) return HOST_BAD_HANDLE;
    if (out == nullptr) return HOST_BAD_PARAMETER;
    return operation(*art, *out);
  });
}

HostResult getFirstArtOfLayer(LayerHandle layer, ArtHandle* art) {
  return guarded([&] {
    auto* found = reinterpret_cast<Layer*>(layer);
    if (!document().isLiveLayer(found)) return HOST_BAD_HANDLE;
    if (art == nullptr) return HOST_BAD_PARAMETER;
    *art = handleOf(found->group());
    return HOST_NO_ERROR;
  });
}

/// A navigation operation: the art related to handle by step, or null.
template <Art* (Art::*Step)() const>
HostResult related(ArtHandle handle, ArtHandle* out) {
  return withArt(handle, out, [](const Art& art, ArtHandle& result) {
    result = handleOf((art.*Step)());
    return HOST_NO_ERROR;
  });
}

HostResult getArtType(ArtHandle handle, int16_t* type) {
  return withArt(handle, type, [](const Art& art, int16_t& result) {
    result = static_cast<int16_t>(art.type());
    return HOST_NO_ERROR;
  });
}

HostResult newArt(int16_t type, int16_t paintOrder, ArtHandle prefix, ArtHandle* art) {
  return guarded([&] {
    if (art == nullptr || paintOrder < PAINT_ORDER_ABOVE || paintOrder > PAINT_ORDER_BELOW_ALL) return HOST_BAD_PARAMETER;
    if (type != ART_TYPE_GROUP && type != ART_TYPE_PATH && type != ART_TYPE_COMPOUND_PATH) return HOST_BAD_PARAMETER;
    auto* prefixArt = reinterpret_cast<Art*>(prefix);
    if (prefixArt != nullptr && !document().isLiveArt(prefixArt)) return HOST_BAD_HANDLE;
    Layer* layer = prefixArt != nullptr ? prefixArt->layer() : document().currentLayer();
    if (layer != nullptr && (layer->locked() || !layer->visible())) return HOST_LAYER_LOCKED_OR_HIDDEN;
    platform::Result<Art*> created = document().newArt(static_cast<ArtType>(type), static_cast<PaintOrder>(paintOrder), prefixArt);
    if (!created) return created.error().code;
    *art = handleOf(*created);
    return HOST_NO_ERROR;
  });
}

HostResult disposeArt(ArtHandle handle) {
  return guarded([&] {
    auto* art = reinterpret_cast<Art*>(handle);
    if (!document().isLiveArt(art)) return HOST_BAD_HANDLE;
    platform::Result<void> disposed = document().disposeArt(art);
    return disposed ? HOST_NO_ERROR : disposed.error().code;
  });
}

HostResult getArtUserAttr(ArtHandle handle, int32_t whichAttr, int32_t* attr) {
  return withArt(handle, attr, [&](const Art& art, int32_t& result) {
    result = static_cast<int32_t>(art.attributes() & static_cast<ArtAttributes>(whichAttr));
    return HOST_NO_ERROR;
  });
}

HostResult setArtUserAttr(ArtHandle handle, int32_t whichAttr, int32_t attr) {
  int32_t unused = 0;
  return withArt(handle, &unused, [&](Art& art, int32_t&) {
    platform::Result<void> set = art.setAttributes(static_cast<ArtAttributes>(whichAttr), static_cast<ArtAttributes>(attr));
    return set ? HOST_NO_ERROR : set.error().code;
  });
}

/// The union of a and b.
HostRealRect unite(const HostRealRect& a, const HostRealRect& b) {
  return HostRealRect{std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right), std::min(a.bottom, b.bottom)};
}

HostResult getArtBounds(ArtHandle handle, HostRealRect* bounds) {
  return withArt(handle, bounds, [](const Art& art, HostRealRect& result) {
    // FIXME: text frames have no extent here yet; their laid-out lines should count.
    bool found = false;
    HostRealRect extent{};
    auto include = [&](const Art& part) {
      if (part.type() != ArtType::PATH) return;
      if (std::optional<HostRealRect> own = part.path().bounds()) {
        extent = found ? unite(extent, *own) : *own;
        found = true;
      }
    };
    include(art);
    (void)walkArt(art, [&](const Art& inner) {
      include(inner);
      return WalkStep::CONTINUE;
    });
    result = extent;
    return HOST_NO_ERROR;
  });
}

HostResult getLayerOfArt(ArtHandle handle, LayerHandle* layer) {
  return withArt(handle, layer, [](const Art& art, LayerHandle& result) {
    result = reinterpret_cast<LayerHandle>(art.layer());
    return HOST_NO_ERROR;
  });
}

// --- The appearance suites: clip groups, styled art, opacity, plug-in result art ---

HostResult getGroupClipped(ArtHandle handle, HostBool* clipped) {
  return withArt(handle, clipped, [](const Art& art, HostBool& result) {
    result = art.type() == ArtType::GROUP && art.isClipGroup() ? 1 : 0;
    return HOST_NO_ERROR;
  });
}

HostResult getArtStyledArt(ArtHandle handle, ArtHandle* styled) {
  return withArt(handle, styled, [](const Art& art, ArtHandle& result) {
    result = handleOf(art.styledResult());
    return HOST_NO_ERROR;
  });
}

HostResult getOpacity(ArtHandle handle, HostReal* opacity) {
  return withArt(handle, opacity, [](const Art& art, HostReal& result) {
    result = art.opacity();
    return HOST_NO_ERROR;
  });
}

HostResult getPluginArtResultArt(ArtHandle handle, ArtHandle* result) {
  return withArt(handle, result, [](const Art& art, ArtHandle& found) {
    found = handleOf(art.pluginResult());
    return HOST_NO_ERROR;
  });
}

constexpr GroupSuite kGroupSuite{getGroupClipped};
constexpr ArtStyleSuite kArtStyleSuite{getArtStyledArt};
constexpr BlendStyleSuite kBlendStyleSuite{getOpacity};
constexpr PluginGroupSuite kPluginGroupSuite{getPluginArtResultArt};

constexpr ArtSuite kArtSuite{getFirstArtOfLayer,
                             related<&Art::parent>,
                             related<&Art::firstChild>,
                             related<&Art::nextSibling>,
                             related<&Art::priorSibling>,
                             getArtType,
                             newArt,
                             disposeArt,
                             getArtUserAttr,
                             setArtUserAttr,
                             getArtBounds,
                             getLayerOfArt};

}  // namespace

void registerArtSuite(SuiteRegistry& registry) {
  registry.add(SUITE_ART, ART_SUITE_VERSION_10, &kArtSuite);
  registry.add(SUITE_ART, ART_SUITE_VERSION_12, &kArtSuite);
  registry.add(SUITE_GROUP, GROUP_SUITE_VERSION, &kGroupSuite);
  registry.add(SUITE_ART_STYLE, ART_STYLE_SUITE_VERSION, &kArtStyleSuite);
  registry.add(SUITE_BLEND_STYLE, BLEND_STYLE_SUITE_VERSION, &kBlendStyleSuite);
  registry.add(SUITE_PLUGIN_GROUP, PLUGIN_GROUP_SUITE_VERSION, &kPluginGroupSuite);
}

}  // namespace host
