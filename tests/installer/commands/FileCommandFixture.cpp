#include "tests/installer/commands/FileCommandFixture.h"

#include <algorithm>
#include <chrono>

namespace installer::test {

namespace fs = std::filesystem;

platform::Result<PageButton> ScriptedUi::runPage(const PageView&, SetupControls&) {
  return platform::fail("the file commands show no pages");
}

platform::Result<ButtonCode> ScriptedUi::showMessage(const MessageBoxRequest& box) {
  if (answers.empty()) {
    ADD_FAILURE() << "no answer left for message " << box.number << ": " << box.text;
    return platform::fail("no answer left");
  }
  ShownBox shown{box.number, box.text, box.title, box.style, answers.front()};
  answers.pop_front();
  boxes.push_back(shown);
  if (afterAnswer) afterAnswer(shown);
  return shown.answer;
}

platform::Result<void> ScriptedUi::runTimer(std::chrono::milliseconds, ProgressDriver&) {
  return platform::fail("the file commands run no timer");
}

std::vector<int> ScriptedUi::boxNumbers() const {
  std::vector<int> numbers;
  for (const ShownBox& box : boxes) numbers.push_back(box.number);
  return numbers;
}

size_t ScriptedUi::statusesContaining(std::string_view text) const {
  return static_cast<size_t>(std::count_if(statuses.begin(), statuses.end(), [&](const std::string& status) {
    return status.find(text) != std::string::npos;
  }));
}

void FileCommandTest::SetUp() {
  ASSERT_TRUE(drives.prepare().ok());
  fs::create_directories(setupDirectory);
  state.sourceFolder = setupDirectory;
  config.language = LanguageId::ENGLISH;
  macros.installDirectory = "C:\\APP";
  macros.windowsDirectory = "C:\\WINDOWS";
  macros.systemDirectory = "C:\\WINDOWS\\SYSTEM";
}

StepResult FileCommandTest::run(CommandHandler handler, std::string_view arguments) {
  context.commandName = "TEST";
  return handler(context, arguments);
}

namespace {
// 2020-06-15 12:00:00 UTC.
constexpr std::chrono::sys_seconds kBaseTime{std::chrono::seconds{1592222400}};
}  // namespace

void FileCommandTest::setTime(const fs::path& path, int secondsFromBase) {
  fs::last_write_time(path, std::chrono::file_clock::from_sys(kBaseTime + std::chrono::seconds{secondsFromBase}));
}

long long FileCommandTest::timeOf(const fs::path& path) {
  auto system = std::chrono::file_clock::to_sys(fs::last_write_time(path));
  return std::chrono::duration_cast<std::chrono::seconds>(system - kBaseTime).count();
}

}  // namespace installer::test
