#pragma once
/* "AI Layer Suite": the current document's layers, index 0 the back-most. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define LAYER_SUITE_VERSION 9

typedef struct LayerSuite {
  /* Number of layers, at least 1. Result 0. */
  HostResult (*countLayers)(int32_t* count);
  /* The layer at index (0 the back-most, count - 1 the top-most). Handles stay valid until the layer is
     deleted or the document closes. Result 0 or HOST_BAD_PARAMETER. */
  HostResult (*getNthLayer)(int32_t index, LayerHandle* layer);
  /* The current layer, where new art goes. Result 0. */
  HostResult (*getCurrentLayer)(LayerHandle* layer);
  /* The layer's title, length-prefixed (at most 255 bytes, cut at a character boundary) into a buffer of 256
     bytes. Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getLayerTitle)(LayerHandle layer, unsigned char* title);
  /* The layer's switches. Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getLayerVisible)(LayerHandle layer, HostBool* visible);
  HostResult (*getLayerEditable)(LayerHandle layer, HostBool* editable);
  HostResult (*getLayerPrinted)(LayerHandle layer, HostBool* printed);
} LayerSuite;
