#pragma once
/* "AI Legacy Text Conversion Suite": text objects of an older kind, converted to text frames. Documents of this
   host hold none, so there is never anything to convert. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define LEGACY_TEXT_CONVERSION_SUITE_VERSION 1

typedef struct LegacyTextConversionSuite {
  /* *count receives the number of legacy text objects in the current document. Result 0. */
  HostResult (*countLegacyText)(int32_t* count);
  /* Converts every legacy text object of the current document; *converted receives how many. Result 0. */
  HostResult (*convertAllLegacyText)(int32_t* converted);
} LegacyTextConversionSuite;
