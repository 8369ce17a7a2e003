#pragma once
/* "AI Art Suite": the art tree of the current document. A layer's art hangs below its top group; a group's
   first child is its front-most object, each next sibling lies below the one before, and a clip group's
   clipping path is its last child. */

#include "host/sdk/ArtConstants.h"
#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

/* Both versions plug-ins ask for share one table. */
#define ART_SUITE_VERSION_10 10
#define ART_SUITE_VERSION_12 12

typedef struct ArtSuite {
  /* The top group of a layer. Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getFirstArtOfLayer)(LayerHandle layer, ArtHandle* art);
  /* Navigation; *related receives null where there is no such art. Result 0, HOST_BAD_HANDLE or
     HOST_BAD_PARAMETER. */
  HostResult (*getArtParent)(ArtHandle art, ArtHandle* parent);
  HostResult (*getArtFirstChild)(ArtHandle art, ArtHandle* child);
  HostResult (*getArtSibling)(ArtHandle art, ArtHandle* sibling);
  HostResult (*getArtPriorSibling)(ArtHandle art, ArtHandle* sibling);
  /* ART_TYPE_... */
  HostResult (*getArtType)(ArtHandle art, int16_t* type);
  /* Creates empty art of type (group, path, compound path) placed by paintOrder relative to prefix (null
     for ABOVE_ALL and BELOW_ALL: the current layer). Result 0, HOST_BAD_PARAMETER, HOST_BAD_HANDLE or
     HOST_LAYER_LOCKED_OR_HIDDEN. */
  HostResult (*newArt)(int16_t type, int16_t paintOrder, ArtHandle prefix, ArtHandle* art);
  /* Removes art with everything below it; every handle into it becomes invalid. */
  HostResult (*disposeArt)(ArtHandle art);
  /* User attributes (ART_ATTRIBUTE_...): get all, or set those in whichAttr to the bits of attr. */
  HostResult (*getArtUserAttr)(ArtHandle art, int32_t whichAttr, int32_t* attr);
  HostResult (*setArtUserAttr)(ArtHandle art, int32_t whichAttr, int32_t attr);
  /* The extent of the art's geometry, artwork points (top above bottom). */
  HostResult (*getArtBounds)(ArtHandle art, HostRealRect* bounds);
  /* The layer the art belongs to (styled and plug-in result art: their owner's layer). Result 0,
     HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getLayerOfArt)(ArtHandle art, LayerHandle* layer);
} ArtSuite;
