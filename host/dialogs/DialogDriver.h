#pragma once

#include <cstdint>
#include <string_view>

namespace host {

class Dialog;
class DialogManager;

/// Kinds of alert the dialog manager shows.
enum class AlertKind { ERROR, MESSAGE };

/// What stands between the dialogs and a person: the headless driver answers from a queue; a window system
/// shows them.
class DialogDriver {
public:
  virtual ~DialogDriver() = default;
  /// Runs an initialised modal dialog until it has a modal result.
  virtual void runModal(Dialog& dialog, DialogManager& manager) = 0;
  /// A modeless dialog was shown, hidden, redrawn or destroyed.
  virtual void modelessChanged(Dialog& dialog) = 0;
  virtual void modelessDestroyed(Dialog& dialog) = 0;
  /// Shows an alert and waits for it to be dismissed.
  virtual void alert(AlertKind kind, std::string_view text) = 0;
};

}  // namespace host
