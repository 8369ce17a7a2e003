#include "tests/installer/run/SetupRunFixture.h"

#include <cstdio>

#include "installer/ui/HeadlessUi.h"

namespace installer::test {

void SetupRunFixture::SetUp() {
  std::filesystem::create_directories(setupDirectory);
  ASSERT_TRUE(drives.prepare().ok());
  environment.set("PLATFORM_FREE_SPACE", "C=100000");
}

RunResult SetupRunFixture::run(const std::string& configuration, const std::string& answersText,
                               std::span<const CommandEntry> commands) {
  platform::test::writeText(setupDirectory / "WENDRIX.INI", configuration);
  RunResult result;
  platform::Result<Answers> answers = parseAnswers(answersText, "answers");
  EXPECT_TRUE(answers.ok()) << answers.error().describe();
  platform::Result<installer::Setup> setup = openSetup(setupDirectory);
  EXPECT_TRUE(setup.ok());
  if (!answers || !setup) return result;
  std::FILE* logFile = std::tmpfile();
  RunLog log(logFile);
  HeadlessUi ui(*answers, setup->config, log);
  result.outcome = runSetup(*setup, drives, ui, commands);
  std::rewind(logFile);
  char chunk[4096];
  while (size_t read = std::fread(chunk, 1, sizeof chunk, logFile)) result.log.append(chunk, read);
  std::fclose(logFile);
  return result;
}

}  // namespace installer::test
