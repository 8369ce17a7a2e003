#pragma once
// The user interface without windows: every page, control and box exists as state, answered from an answers
// file and written to the log. It never waits for a person, so a box it cannot answer or a page it is sent back
// to ends the run with an error instead of a hang.

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "installer/script/SetupConfig.h"
#include "installer/ui/Answers.h"
#include "installer/ui/RunLog.h"
#include "installer/ui/UserInterface.h"

namespace installer {

/// Answers pages and boxes from Answers; logs everything it is shown.
class HeadlessUi final : public UserInterface {
public:
  /// The same box asked more than this many times with the same answer is a loop no answer file can end.
  static constexpr size_t kRepeatLimit = 3;

  /// Answers from answers for the configuration config (not owned; both must outlive this object).
  HeadlessUi(const Answers& answers, const SetupConfig& config, RunLog& log);

  // The user-interface operations, answered from the answers file and written to the log.
  platform::Result<PageButton> runPage(const PageView& view, SetupControls& controls) override;
  void showProgressPage(const PageView& view) override;
  platform::Result<ButtonCode> showMessage(const MessageBoxRequest& box) override;
  void showStatus(std::string_view text) override;
  void showDiskGroup(size_t number, std::string_view label, std::string_view description) override;
  void showStep(size_t step, size_t total, std::string_view command) override;
  void note(std::string_view text) override;
  platform::Result<void> runTimer(std::chrono::milliseconds period, ProgressDriver& driver) override;

private:
  platform::Result<void> applyChoices(SetupControls& controls) const;
  void logPage(const PageView& view);

  const Answers& answers;
  const SetupConfig& config;
  RunLog& log;
  bool choicesApplied = false;
  bool optionsPageShown = false;
  size_t setPageVisits = 0;
  std::map<std::string, size_t> seenBoxes;
  std::string lastAnswerText;
  std::optional<ButtonCode> lastAnswer;
};

}  // namespace installer
