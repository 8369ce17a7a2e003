#include "host/suites/BlockHeap.h"

#include <cstdlib>
#include <cstring>

namespace host {

BlockHeap::~BlockHeap() {
  for (auto& [address, block] : blocks) std::free(const_cast<void*>(address));
}

void* BlockHeap::allocate(size_t size, std::string debugName) {
  // calloc of 0 bytes may return null; one byte keeps every block a distinct live address.
  void* memory = std::calloc(size == 0 ? 1 : size, 1);
  if (memory == nullptr) return nullptr;
  blocks.emplace(memory, Block{size, std::move(debugName)});
  return memory;
}

bool BlockHeap::free(void* block) {
  if (block == nullptr) return true;
  auto found = blocks.find(block);
  if (found == blocks.end()) return false;
  blocks.erase(found);
  std::free(block);
  return true;
}

void* BlockHeap::reallocate(void* block, size_t size, std::string debugName) {
  auto found = blocks.find(block);
  if (found == blocks.end()) return nullptr;
  size_t oldSize = found->second.size;
  void* memory = std::realloc(block, size == 0 ? 1 : size);
  if (memory == nullptr) return nullptr;
  if (size > oldSize) std::memset(static_cast<char*>(memory) + oldSize, 0, size - oldSize);
  blocks.erase(found);
  blocks.emplace(memory, Block{size, std::move(debugName)});
  return memory;
}

std::vector<std::string> BlockHeap::liveBlocks() const {
  std::vector<std::string> live;
  for (const auto& [address, block] : blocks) live.push_back(block.debugName + " (" + std::to_string(block.size) + " bytes)");
  return live;
}

}  // namespace host
