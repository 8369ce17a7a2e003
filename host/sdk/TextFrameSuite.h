#pragma once
/* "AI Text Frame Suite": text frames as art, and their way into the text engine. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"
#include "host/sdk/TextEngineSuites.h"

#define TEXT_FRAME_SUITE_VERSION 1

#define TEXT_ORIENTATION_HORIZONTAL 0

typedef struct TextFrameSuite {
  /* Creates an empty point-text frame anchored at anchor (artwork points), placed by paintOrder relative to
     prefix (PAINT_ORDER_...; prefix may be null for ABOVE_ALL and BELOW_ALL, meaning the current layer). *art
     receives it, owned by the document. Result 0, HOST_BAD_PARAMETER, HOST_BAD_HANDLE or
     HOST_LAYER_LOCKED_OR_HIDDEN. */
  HostResult (*newPointText)(int16_t paintOrder, ArtHandle prefix, int16_t orientation, HostRealPoint anchor,
                             ArtHandle* art);
  /* Creates an empty area-text frame whose text flows in area (artwork points), placed as newPointText. */
  HostResult (*newAreaText)(int16_t paintOrder, ArtHandle prefix, int16_t orientation, const HostRealRect* area,
                            ArtHandle* art);
  /* The frame's text-engine object; release it with the TextFrame suite. Result 0 or HOST_BAD_HANDLE (not a
     live text frame). */
  HostResult (*getATETextFrame)(ArtHandle art, TextFrameRef* frame);
  /* A text range over the frame's whole story; release it with the TextRange suite. */
  HostResult (*getATETextRange)(ArtHandle art, TextRangeRef* range);
  /* The frame's matrix (its own coordinates to artwork). */
  HostResult (*getTextFrameMatrix)(ArtHandle art, HostRealMatrix* matrix);
  /* Sets the frame's matrix. Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER (not finite). */
  HostResult (*setTextFrameMatrix)(ArtHandle art, const HostRealMatrix* matrix);
  /* Converts the frame to outlines: a group of filled paths placed above the frame, which stays. *outlines
     receives the group (null when the frame has no visible character). */
  HostResult (*createOutline)(ArtHandle art, ArtHandle* outlines);
} TextFrameSuite;
