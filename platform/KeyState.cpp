#include "platform/KeyState.h"

#include <array>
#include <atomic>

namespace platform {
namespace {

// Lock-free atomics are the only shared state a signal handler may write (async-signal-safe); relaxed order
// suffices, since a key's state is one flag that nothing else is ordered against.
static_assert(std::atomic<bool>::is_always_lock_free, "a key-state write must be async-signal-safe");
std::array<std::atomic<bool>, KEY_COUNT> keysDown{};

bool isKeyNumber(int32_t key) { return key >= 0 && key < KEY_COUNT; }

}  // namespace

void setKeyDown(int32_t key, bool down) {
  if (isKeyNumber(key)) keysDown[static_cast<size_t>(key)].store(down, std::memory_order_relaxed);
}

bool isKeyDown(int32_t key) {
  return isKeyNumber(key) && keysDown[static_cast<size_t>(key)].load(std::memory_order_relaxed);
}

void releaseAllKeys() {
  for (std::atomic<bool>& key : keysDown) key.store(false, std::memory_order_relaxed);
}

}  // namespace platform
