#pragma once
/* The basic suite: the table every message carries, through which a plug-in reaches every other suite. */

#include "host/sdk/HostTypes.h"

typedef struct BasicSuite {
  /* Acquires the suite registered as name at version. On success *suite points at its operation table,
     owned by the host and valid until the matching releaseSuite. Result 0, HOST_SUITE_NOT_FOUND (and *suite
     null) or HOST_BAD_PARAMETER. */
  HostResult (*acquireSuite)(const char* name, int32_t version, const void** suite);
  /* Gives back one acquisition of name at version. Result 0 or HOST_SUITE_NOT_ACQUIRED. */
  HostResult (*releaseSuite)(const char* name, int32_t version);
  /* Compares two caller or selector strings; non-zero when they are equal. */
  HostBool (*isEqual)(const char* token1, const char* token2);
} BasicSuite;
