#pragma once
/* "AI Path Suite": the segments and flags of a path. A path's curve from segment i to segment i + 1 runs from
   anchor p[i] through out[i] and in[i + 1] to p[i + 1]; a closed path also runs from its last segment back to
   its first. Handles are art handles of type ART_TYPE_PATH; the host owns the path, and the plug-in owns the
   buffers it passes. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

/* Both versions plug-ins ask for share one table. */
#define PATH_SUITE_VERSION_5 5
#define PATH_SUITE_VERSION_6 6

/* One anchor of a path with its two handles, artwork points. */
typedef struct HostPathSegment {
  /* The anchor. */
  HostRealPoint p;
  /* The handle of the curve arriving at the anchor. */
  HostRealPoint in;
  /* The handle of the curve leaving the anchor. */
  HostRealPoint out;
  /* Non-zero for a corner (handles move independently), zero for a smooth point. */
  HostBool corner;
} HostPathSegment;

typedef struct PathSuite {
  /* Number of segments (0 to 32767). Result 0, HOST_BAD_HANDLE (not a live path) or HOST_BAD_PARAMETER
     (count null). */
  HostResult (*getPathSegmentCount)(ArtHandle path, int16_t* count);
  /* Copies count segments from index first on into segments, which holds at least count records. Result 0,
     HOST_BAD_HANDLE, or HOST_BAD_PARAMETER (segments null, count negative, or first .. first + count - 1 not
     all existing segments); nothing is copied on an error. */
  HostResult (*getPathSegments)(ArtHandle path, int16_t first, int16_t count, HostPathSegment* segments);
  /* Non-zero when the last segment joins the first. Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getPathClosed)(ArtHandle path, HostBool* closed);
  /* Non-zero when the path is a guide (drawn as a guide line, never printed). Result 0, HOST_BAD_HANDLE or
     HOST_BAD_PARAMETER. */
  HostResult (*getPathGuide)(ArtHandle path, HostBool* guide);
} PathSuite;
