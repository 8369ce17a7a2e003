#pragma once
// The one interface between the run and whoever shows it: pages with their controls, message boxes, the
// progress page and the timer that drives the script. The headless implementation answers from an answers
// file; a window-system implementation draws the same pages.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "installer/ui/MessageBoxes.h"
#include "installer/ui/SetupControls.h"
#include "platform/Result.h"

namespace installer {

/// The pages of the main window.
enum class Page : int {
  COVER = 0,
  SET_AND_DIRECTORY = 1,
  OPTIONS = 2,
  PROGRESS = 3,
};

/// What a page shows, as text lines (UTF-8): the static texts, the list entries, the comment, the space line.
struct PageView {
  /// Which page.
  Page page = Page::COVER;
  /// Its texts, top to bottom.
  std::vector<std::string> lines;
};

/// The buttons that leave pages 0 to 2.
enum class PageButton {
  OK,
  CANCEL,
};

/// The run's side of the progress page: the timer's tick and the Break button.
class ProgressDriver {
public:
  virtual ~ProgressDriver() = default;
  /// One timer tick: runs the next step. False when the run has ended (the window closes).
  [[nodiscard]] virtual platform::Result<bool> tick() = 0;
  /// The Break button was pressed: asks whether to abort. False when the run has ended.
  [[nodiscard]] virtual platform::Result<bool> pressBreak() = 0;
  /// The step the run is at (0 before the first).
  [[nodiscard]] virtual size_t currentStep() const = 0;
};

/// Pages, boxes and the timer.
class UserInterface {
public:
  virtual ~UserInterface() = default;

  /// Shows page 0, 1 or 2 and lets the user work its controls until OK or Cancel; the controls change in place.
  [[nodiscard]] virtual platform::Result<PageButton> runPage(const PageView& view, SetupControls& controls) = 0;
  /// Shows the progress page.
  virtual void showProgressPage(const PageView& view) = 0;
  /// Shows a modal box and returns the button pressed; an error when no answer can be given.
  [[nodiscard]] virtual platform::Result<ButtonCode> showMessage(const MessageBoxRequest& box) = 0;
  /// The progress page's status line changed.
  virtual void showStatus(std::string_view text) = 0;
  /// The progress page's disk group changed: its number (from 1), label and description.
  virtual void showDiskGroup(size_t number, std::string_view label, std::string_view description) = 0;
  /// A step begins: the bar shows step of total; command is the script line that runs.
  virtual void showStep(size_t step, size_t total, std::string_view command) = 0;
  /// A remark for the record only (the log), not shown in a window.
  virtual void note(std::string_view text) = 0;
  /// Runs the timer: driver.tick() every period until it returns false; Break presses go to driver.pressBreak().
  [[nodiscard]] virtual platform::Result<void> runTimer(std::chrono::milliseconds period, ProgressDriver& driver) = 0;
};

}  // namespace installer
