// "SP Blocks Suite" over the host's block heap.

#include "host/sdk/BlocksSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/suites/BlockHeap.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

HostResult allocateBlock(size_t size, const char* debugName, void** block) {
  return guarded([&] {
    if (block == nullptr) return HOST_BAD_PARAMETER;
    *block = services().blocks->allocate(size, debugName != nullptr ? debugName : "");
    return *block != nullptr ? HOST_NO_ERROR : HOST_OUT_OF_MEMORY;
  });
}

HostResult freeBlock(void* block) {
  return guarded([&] { return services().blocks->free(block) ? HOST_NO_ERROR : HOST_BAD_HANDLE; });
}

HostResult reallocateBlock(void* block, size_t newSize, const char* debugName, void** newBlock) {
  return guarded([&] {
    if (newBlock == nullptr) return HOST_BAD_PARAMETER;
    BlockHeap& heap = *services().blocks;
    if (!heap.owns(block)) return HOST_BAD_HANDLE;
    void* resized = heap.reallocate(block, newSize, debugName != nullptr ? debugName : "");
    if (resized == nullptr) return HOST_OUT_OF_MEMORY;
    *newBlock = resized;
    return HOST_NO_ERROR;
  });
}

constexpr BlocksSuite kBlocksSuite{allocateBlock, freeBlock, reallocateBlock};

}  // namespace

void registerBlocksSuite(SuiteRegistry& registry) { registry.add(SUITE_SP_BLOCKS, BLOCKS_SUITE_VERSION, &kBlocksSuite); }

}  // namespace host
