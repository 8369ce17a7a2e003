#pragma once
// The modeless progress dialog of long operations: a bar the plug-in draws itself, "Stop ESC" and the version
// label. The percentage lives in the operation's own state; the dialog only reads it when the bar is drawn.

#include <cstdint>

#include "host/sdk/HostTypes.h"
#include "plugin-common/LanguageId.h"

namespace plugin {

/// The Japanese number of the progress dialog: 1 the bar, 2 "Stop ESC", 3 the version label.
inline constexpr int32_t kProgressDialog = 16155;
/// The bar item.
inline constexpr int32_t kProgressBarItem = 1;

/// An open progress dialog; destroying it closes the dialog, whether the operation finished or was cancelled.
class ProgressDialog {
public:
  /// Opens the dialog of language, placed in the middle of the screen and a third down, and shows it. The bar
  /// draws *percent (0 to 100), which must outlive the dialog. With tiip the version label shows the TIIP
  /// product word. When the host cannot make the dialog the operation runs without one.
  ProgressDialog(PluginRef plugin, LanguageId language, bool tiip, const int16_t* percent);
  ~ProgressDialog();
  ProgressDialog(const ProgressDialog&) = delete;
  ProgressDialog& operator=(const ProgressDialog&) = delete;

  /// Redraws the bar at once with the current percentage.
  void redraw() const;

  /// The dialog and its bar item, or null when it could not be made.
  [[nodiscard]] DialogRef dialog() const { return handle; }
  [[nodiscard]] ItemRef bar() const { return barItem; }

private:
  DialogRef handle = nullptr;
  ItemRef barItem = nullptr;
};

}  // namespace plugin
