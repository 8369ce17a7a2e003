#pragma once
/* "AI Path Style Suite": how a path is painted. */

#include "host/sdk/HostColor.h"
#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

/* Both versions plug-ins ask for share one table. */
#define PATH_STYLE_SUITE_VERSION_5 5
#define PATH_STYLE_SUITE_VERSION_8 8

#define PATH_STYLE_MAX_DASHES 6

typedef struct HostFillStyle {
  HostColor color;
  /* Non-zero: the even-odd rule, else non-zero winding. */
  HostBool evenOdd;
} HostFillStyle;

typedef struct HostDashStyle {
  HostReal offset;
  /* Number of lengths, 0 (solid) to 6. */
  int16_t length;
  HostReal array[PATH_STYLE_MAX_DASHES];
} HostDashStyle;

typedef struct HostStrokeStyle {
  HostColor color;
  HostReal width;
  HostDashStyle dash;
  /* 0 butt, 1 round, 2 projecting. */
  int32_t cap;
  /* 0 miter, 1 round, 2 bevel. */
  int32_t join;
  HostReal miterLimit;
} HostStrokeStyle;

typedef struct HostPathStyle {
  HostBool fillPaint;
  HostFillStyle fill;
  HostBool strokePaint;
  HostStrokeStyle stroke;
} HostPathStyle;

typedef struct PathStyleSuite {
  /* The style of a path or compound path. Result 0, HOST_BAD_HANDLE or HOST_BAD_PARAMETER. */
  HostResult (*getPathStyle)(ArtHandle art, HostPathStyle* style);
  /* Replaces it. Result 0, HOST_BAD_HANDLE, or HOST_BAD_PARAMETER (a value out of range, a colour not of this
     document, more than six dashes). */
  HostResult (*setPathStyle)(ArtHandle art, const HostPathStyle* style);
} PathStyleSuite;
