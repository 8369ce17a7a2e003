#pragma once
/* "AI Hard Soft Suite": between the coordinates art stores ("hard") and those shown against the rulers
   ("soft"). This host stores art in page coordinates, so both conversions keep the point as it is. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define HARD_SOFT_SUITE_VERSION 2

typedef struct HardSoftSuite {
  /* The stored coordinates of a point given against the rulers. Result 0 or HOST_BAD_PARAMETER. */
  HostResult (*realPointHarden)(const HostRealPoint* soft, HostRealPoint* hard);
  /* The ruler coordinates of a stored point. Result 0 or HOST_BAD_PARAMETER. */
  HostResult (*realPointSoften)(const HostRealPoint* hard, HostRealPoint* soft);
} HardSoftSuite;
