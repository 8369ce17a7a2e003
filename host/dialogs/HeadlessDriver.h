#pragma once

#include <cstdio>
#include <deque>
#include <string_view>
#include <string>
#include <vector>

#include "host/dialogs/Answer.h"
#include "host/dialogs/DialogDriver.h"

namespace host {

class DialogItem;

/// Answers modal dialogs from a queue, as a person would: the answers at the head of the queue that name the
/// open dialog are applied in order; then, unless one of them closed it, OK (item 1) is pressed. A dialog that
/// still does not close is cancelled (result 2), so a headless run never hangs. Alerts are dismissed.
class HeadlessDriver : public DialogDriver {
public:
  /// Queues an answer at the end.
  void queue(Answer answer) { answers.push_back(std::move(answer)); }
  /// Answers not used yet.
  [[nodiscard]] const std::deque<Answer>& pending() const { return answers; }

  /// Draws the progress bars of modeless dialogs as one line on stream (a terminal), or nowhere when null.
  void showProgressOn(std::FILE* stream) { progressStream = stream; }
  /// Draws a bar of the host's own work (reading a drawing) on the same line; percent 0 to 100.
  void showProgress(std::string_view title, int percent);
  /// Ends the line of a bar on show, if any.
  void endProgress();

  void runModal(Dialog& dialog, DialogManager& manager) override;
  void modelessChanged(Dialog& dialog) override;
  void modelessDestroyed(Dialog& dialog) override;
  void alert(AlertKind, std::string_view) override {}

private:
  void apply(const Answer& answer, Dialog& dialog, DialogManager& manager);
  void setValue(DialogItem& item, const std::string& value, DialogManager& manager);
  void press(DialogItem& item, DialogManager& manager);

  std::deque<Answer> answers;
  std::FILE* progressStream = nullptr;
  /// The percentage on the terminal's current line, or -1 when no bar is on show.
  int shownPercent = -1;
};

/// True when the answer names the dialog by number, title or name.
[[nodiscard]] bool answerNames(const Answer& answer, const Dialog& dialog);

}  // namespace host
