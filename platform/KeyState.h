#pragma once
// The key-state table (GetAsyncKeyState): the program that owns the windows sets it from its input, the
// plug-ins read it. Keys are Windows virtual-key numbers, 0 to 255; other numbers are never down.
// Everything runs on one thread, except that setKeyDown may also be called from a signal handler (the host's
// SIGINT holds Escape down): it is async-signal-safe.

#include <cstdint>

#include "platform/PlatformApi.h"

namespace platform {

// Virtual-key numbers, with the names Windows gives them (VK_...).
/// The left mouse button (VK_LBUTTON).
inline constexpr int32_t KEY_LBUTTON = 0x01;
/// The right mouse button (VK_RBUTTON).
inline constexpr int32_t KEY_RBUTTON = 0x02;
/// The middle mouse button (VK_MBUTTON).
inline constexpr int32_t KEY_MBUTTON = 0x04;
/// Backspace (VK_BACK).
inline constexpr int32_t KEY_BACK = 0x08;
/// Tab (VK_TAB).
inline constexpr int32_t KEY_TAB = 0x09;
/// Enter (VK_RETURN).
inline constexpr int32_t KEY_RETURN = 0x0D;
/// Either Shift key (VK_SHIFT).
inline constexpr int32_t KEY_SHIFT = 0x10;
/// Either Ctrl key (VK_CONTROL).
inline constexpr int32_t KEY_CONTROL = 0x11;
/// Either Alt key (VK_MENU).
inline constexpr int32_t KEY_MENU = 0x12;
/// Esc (VK_ESCAPE); the host's SIGINT handler holds it down.
inline constexpr int32_t KEY_ESCAPE = 0x1B;
/// The space bar (VK_SPACE).
inline constexpr int32_t KEY_SPACE = 0x20;
/// Arrow left (VK_LEFT).
inline constexpr int32_t KEY_LEFT = 0x25;
/// Arrow up (VK_UP).
inline constexpr int32_t KEY_UP = 0x26;
/// Arrow right (VK_RIGHT).
inline constexpr int32_t KEY_RIGHT = 0x27;
/// Arrow down (VK_DOWN).
inline constexpr int32_t KEY_DOWN = 0x28;
/// Delete (VK_DELETE).
inline constexpr int32_t KEY_DELETE = 0x2E;
/// The numeric keypad's decimal point (VK_DECIMAL); with Ctrl, the plug-ins' second cancel key.
inline constexpr int32_t KEY_DECIMAL = 0x6E;
/// One more than the highest virtual-key number.
inline constexpr int32_t KEY_COUNT = 256;

/// Marks the key as held down or released; numbers outside 0 to 255 are ignored. Async-signal-safe.
PLATFORM_API void setKeyDown(int32_t key, bool down);
/// True while the key is held down.
[[nodiscard]] PLATFORM_API bool isKeyDown(int32_t key);
/// Releases every key (the window lost the focus, a test starts afresh).
PLATFORM_API void releaseAllKeys();

}  // namespace platform
