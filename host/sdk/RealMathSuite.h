#pragma once
/* "AI Real Math Suite": arithmetic on artwork points and matrices. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define REAL_MATH_SUITE_VERSION 1

typedef struct RealMathSuite {
  /* The image of point under matrix: (a h + c v + tx, b h + d v + ty). Result 0 or HOST_BAD_PARAMETER (a
     null argument). */
  HostResult (*realMatrixTransformPoint)(const HostRealMatrix* matrix, const HostRealPoint* point,
                                         HostRealPoint* result);
  /* The matrix that applies first then second. Result 0 or HOST_BAD_PARAMETER. */
  HostResult (*realMatrixConcatenate)(const HostRealMatrix* first, const HostRealMatrix* second,
                                      HostRealMatrix* result);
} RealMathSuite;
