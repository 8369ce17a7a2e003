#pragma once
// Test support for the file commands: a user interface that answers boxes from a list and records what it was
// shown, and a fixture with a Windows world in a temporary folder, a setup directory and a command context.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "installer/commands/CommandContext.h"
#include "installer/commands/RunState.h"
#include "installer/script/SetupConfig.h"
#include "installer/ui/UserInterface.h"
#include "platform/DriveMap.h"
#include "tests/platform/TestSupport.h"

namespace installer::test {

/// One box the commands showed, with the answer it got.
struct ShownBox {
  /// The message number.
  int number = 0;
  /// The formatted text.
  std::string text;
  /// The title.
  std::string title;
  /// The style.
  uint32_t style = 0;
  /// The answer given.
  ButtonCode answer = ButtonCode::OK;
};

/// Answers boxes from a list, in order; a box with no answer left is an error (the test fails on it).
class ScriptedUi final : public UserInterface {
public:
  /// The answers still to give.
  std::deque<ButtonCode> answers;
  /// Runs after each answer, before the command goes on (a test makes a missing file appear here).
  std::function<void(const ShownBox&)> afterAnswer;
  /// Every box shown, in order.
  std::vector<ShownBox> boxes;
  /// Every status line, in order.
  std::vector<std::string> statuses;
  /// Every note for the log.
  std::vector<std::string> notes;

  platform::Result<PageButton> runPage(const PageView&, SetupControls&) override;
  void showProgressPage(const PageView&) override {}
  platform::Result<ButtonCode> showMessage(const MessageBoxRequest& box) override;
  void showStatus(std::string_view text) override { statuses.emplace_back(text); }
  void showDiskGroup(size_t, std::string_view, std::string_view) override {}
  void showStep(size_t, size_t, std::string_view) override {}
  void note(std::string_view text) override { notes.emplace_back(text); }
  platform::Result<void> runTimer(std::chrono::milliseconds, ProgressDriver&) override;

  /// The numbers of the boxes shown, in order.
  [[nodiscard]] std::vector<int> boxNumbers() const;
  /// How many status lines contain text.
  [[nodiscard]] size_t statusesContaining(std::string_view text) const;
};

/// A Windows world (drive C: in a temporary folder), a setup directory beside it that is the source folder,
/// $A = C:\APP, English messages.
class FileCommandTest : public ::testing::Test {
protected:
  void SetUp() override;

  /// Runs a command handler on arguments written as in a script (so "C:\\DIR" for C:\DIR).
  StepResult run(CommandHandler handler, std::string_view arguments);

  /// Drive C: on Linux.
  [[nodiscard]] std::filesystem::path cDrive() const { return folder.path() / "root" / "c"; }

  /// Gives a file a modification time this many seconds from a fixed moment (2020-06-15 12:00:00 UTC).
  static void setTime(const std::filesystem::path& path, int secondsFromBase);
  /// The file's modification time as seconds from the same moment.
  [[nodiscard]] static long long timeOf(const std::filesystem::path& path);

  platform::test::TemporaryFolder folder;
  std::filesystem::path setupDirectory = folder.path() / "media" / "DISK1";
  platform::DriveMap drives{folder.path() / "root"};
  RunState state;
  SetupConfig config;
  MacroValues macros;
  ScriptedUi ui;
  CommandContext context{state, ui, drives, config, macros, setupDirectory};
};

}  // namespace installer::test
