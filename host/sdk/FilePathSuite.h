#pragma once
/* "AI File Path Suite": the file a file-format message names, as a path text. */

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define FILE_PATH_SUITE_VERSION 1

/* A file specification the host passes in file-format messages; valid during the message. */
typedef struct HostFilePathOpaque* FilePathRef;

typedef struct FilePathSuite {
  /* The full path (UTF-8, '/' separated), at most maxLength bytes with the terminating zero. Result 0,
     HOST_BAD_HANDLE, or HOST_BAD_PARAMETER when the path does not fit (path then empty). */
  HostResult (*getFullPath)(FilePathRef file, char* path, int32_t maxLength);
} FilePathSuite;
