#pragma once
/* "SP Blocks Suite": blocks of host memory, such as a plug-in's global-state record. */

#include <stddef.h>

#include "host/sdk/HostTypes.h"
#include "host/sdk/SuiteNames.h"

#define BLOCKS_SUITE_VERSION 2

typedef struct BlocksSuite {
  /* Allocates size zero-filled bytes; debugName names the block in leak reports. *block receives it; the
     caller owns it until freeBlock. Result 0, HOST_OUT_OF_MEMORY (*block null) or HOST_BAD_PARAMETER. */
  HostResult (*allocateBlock)(size_t size, const char* debugName, void** block);
  /* Frees a block from allocateBlock; null is accepted. Result 0 or HOST_BAD_HANDLE (block unknown). */
  HostResult (*freeBlock)(void* block);
  /* Resizes a block (new bytes zero-filled); on success *newBlock replaces block, which is no longer valid.
     On failure block stays as it was. Result 0, HOST_OUT_OF_MEMORY or HOST_BAD_HANDLE. */
  HostResult (*reallocateBlock)(void* block, size_t newSize, const char* debugName, void** newBlock);
} BlocksSuite;
