// "AI Layer Suite": the current document's layers and their switches.

#include <cstring>

#include "host/document/Document.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/LayerSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

Document& document() { return *services().document; }

/// Runs operation on the live layer behind handle; value must not be null.
template <class Value, class Operation>
HostResult withLayer(LayerHandle handle, Value* value, Operation&& operation) {
  return guarded([&]() -> HostResult {
    auto* layer = reinterpret_cast<Layer*>(handle);
    if (!document().isLiveLayer(layer)) return HOST_BAD_HANDLE;
    if (value == nullptr) return HOST_BAD_PARAMETER;
    operation(*layer, *value);
    return HOST_NO_ERROR;
  });
}

HostResult countLayers(int32_t* count) {
  return guarded([&] {
    if (count == nullptr) return HOST_BAD_PARAMETER;
    *count = document().layerCount();
    return HOST_NO_ERROR;
  });
}

HostResult getNthLayer(int32_t index, LayerHandle* layer) {
  return guarded([&] {
    Layer* found = document().layerAt(index);
    if (found == nullptr || layer == nullptr) return HOST_BAD_PARAMETER;
    *layer = reinterpret_cast<LayerHandle>(found);
    return HOST_NO_ERROR;
  });
}

HostResult getCurrentLayer(LayerHandle* layer) {
  return guarded([&] {
    if (layer == nullptr) return HOST_BAD_PARAMETER;
    *layer = reinterpret_cast<LayerHandle>(document().currentLayer());
    return HOST_NO_ERROR;
  });
}

HostResult getLayerTitle(LayerHandle layer, unsigned char* title) {
  return withLayer(layer, title, [](const Layer& found, unsigned char& prefixed) {
    char text[256];
    copyToBuffer(found.title(), text, sizeof text);  // titles are 255 bytes at most; cut only what is longer
    size_t length = std::strlen(text);
    (&prefixed)[0] = static_cast<unsigned char>(length);
    std::memcpy(&prefixed + 1, text, length);
  });
}

HostResult getLayerVisible(LayerHandle layer, HostBool* visible) {
  return withLayer(layer, visible, [](const Layer& found, HostBool& value) { value = found.visible() ? 1 : 0; });
}

HostResult getLayerEditable(LayerHandle layer, HostBool* editable) {
  return withLayer(layer, editable, [](const Layer& found, HostBool& value) { value = found.locked() ? 0 : 1; });
}

HostResult getLayerPrinted(LayerHandle layer, HostBool* printed) {
  return withLayer(layer, printed, [](const Layer& found, HostBool& value) { value = found.printable() ? 1 : 0; });
}

constexpr LayerSuite kLayerSuite{countLayers,     getNthLayer,      getCurrentLayer, getLayerTitle,
                                 getLayerVisible, getLayerEditable, getLayerPrinted};

}  // namespace

void registerLayerSuite(SuiteRegistry& registry) { registry.add(SUITE_LAYER, LAYER_SUITE_VERSION, &kLayerSuite); }

}  // namespace host
