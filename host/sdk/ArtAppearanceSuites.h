#pragma once
/* What the export asks of art besides its tree: "AI Group Suite" (clip groups), "AI Art Style Suite" (the art
   as its appearance renders it), "AI Blend Style Suite" (opacity) and "AI Plugin Group Suite" (the art a
   plug-in object draws as). Handles are checked against the live art of the current document. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define GROUP_SUITE_VERSION 3
#define ART_STYLE_SUITE_VERSION 4
#define BLEND_STYLE_SUITE_VERSION 3
#define PLUGIN_GROUP_SUITE_VERSION 4

typedef struct GroupSuite {
  /* Whether the group's last child clips the others (false for art that is not a group). Result 0,
     HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getGroupClipped)(ArtHandle group, HostBool* clipped);
} GroupSuite;

typedef struct ArtStyleSuite {
  /* The group of art the host drew as art's appearance, or null when art draws as itself. The styled art
     belongs to the host and lives as long as art is unchanged. Result 0, HOST_BAD_HANDLE or
     HOST_BAD_PARAMETER. */
  HostResult (*getArtStyledArt)(ArtHandle art, ArtHandle* styled);
} ArtStyleSuite;

typedef struct BlendStyleSuite {
  /* The art's opacity, 0 (transparent) to 1 (opaque). Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getOpacity)(ArtHandle art, HostReal* opacity);
} BlendStyleSuite;

typedef struct PluginGroupSuite {
  /* The group a plug-in art object draws as, or null for art of other types. Result 0, HOST_BAD_HANDLE or
     HOST_BAD_PARAMETER. */
  HostResult (*getPluginArtResultArt)(ArtHandle art, ArtHandle* result);
} PluginGroupSuite;
