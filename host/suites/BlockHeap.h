#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace host {

/// Host memory handed to plug-ins in blocks, each with the debug name it was allocated under, so that the host
/// can tell which blocks a plug-in never freed.
class BlockHeap {
public:
  BlockHeap() = default;
  BlockHeap(const BlockHeap&) = delete;
  BlockHeap& operator=(const BlockHeap&) = delete;
  /// Frees what is still allocated.
  ~BlockHeap();

  /// A zero-filled block of size bytes, or null when memory runs out.
  [[nodiscard]] void* allocate(size_t size, std::string debugName);
  /// Frees a block; false when block is not one of ours (null is accepted and true).
  bool free(void* block);
  /// Resizes a block (new bytes zero-filled): the new address, or null (block unchanged) when memory runs out.
  [[nodiscard]] void* reallocate(void* block, size_t size, std::string debugName);
  /// Whether block is a live block of ours.
  [[nodiscard]] bool owns(const void* block) const { return blocks.contains(block); }

  /// Blocks allocated and not freed, as "debug name (size bytes)".
  [[nodiscard]] std::vector<std::string> liveBlocks() const;
  [[nodiscard]] size_t liveCount() const { return blocks.size(); }

private:
  struct Block {
    size_t size = 0;
    std::string debugName;
  };
  std::unordered_map<const void*, Block> blocks;
};

}  // namespace host
