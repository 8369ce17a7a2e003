#pragma once
// The program that owns the windows (drawhost, wendrix, a test's recorder) serves the window services that the
// plug-ins call as they called Windows: beeps and cursors now, more later. It registers itself once; without an
// owner the services do nothing.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/PlatformApi.h"

namespace platform {

/// The window services, implemented by the program that owns the windows.
class PLATFORM_API WindowOwner {
public:
  /// Owners are destroyed through this class; unregister one (setWindowOwner(nullptr)) first.
  virtual ~WindowOwner();

  /// Sounds the system's default beep (MessageBeep(0)); headless, the owner records it.
  virtual void beep() = 0;
  /// Shows the cursor of that resource number of the calling plug-in.
  virtual void setCursor(int32_t cursorId) = 0;
  /// The titles of the desktop's top-level windows from the active one onward (EnumWindows order), in the
  /// system code page; an owner without windows has none.
  [[nodiscard]] virtual std::vector<std::string> topLevelWindowTitles() const { return {}; }
};

/// Makes owner serve the window services from now on; null unregisters. The owner is not taken over: it must
/// stay alive until it is unregistered.
PLATFORM_API void setWindowOwner(WindowOwner* owner);
/// The registered owner, or null.
[[nodiscard]] PLATFORM_API WindowOwner* windowOwner();

/// Asks the owner for a beep; nothing happens without one.
PLATFORM_API void beep();
/// Asks the owner to show the cursor; nothing happens without one.
PLATFORM_API void setCursor(int32_t cursorId);
/// The owner's top-level window titles, active first; none without an owner.
[[nodiscard]] PLATFORM_API std::vector<std::string> topLevelWindowTitles();

}  // namespace platform
