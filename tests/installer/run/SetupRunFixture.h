#pragma once
// Test support for whole unattended runs: a Windows world in a temporary folder with a setup directory, and a run
// of a configuration answered headless, with the log it wrote.

#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>

#include "installer/commands/CommandTable.h"
#include "installer/run/SetupRun.h"
#include "platform/DriveMap.h"
#include "tests/platform/TestSupport.h"

namespace installer::test {

/// How a run ended, and its log.
struct RunResult {
  RunOutcome outcome;
  std::string log;
};

/// Drives C: and the setup directory media/DISK1 under a temporary root, with 100 000 free bytes on C:.
class SetupRunFixture : public ::testing::Test {
protected:
  void SetUp() override;

  /// Writes the configuration as the setup's WENDRIX.INI and runs it with the answers and the commands.
  RunResult run(const std::string& configuration, const std::string& answersText,
                std::span<const CommandEntry> commands);

  /// Drive C: of the Windows world.
  [[nodiscard]] std::filesystem::path cDrive() const { return folder.path() / "root" / "c"; }

  platform::test::TemporaryFolder folder;
  std::filesystem::path setupDirectory = folder.path() / "media" / "DISK1";
  platform::DriveMap drives{folder.path() / "root"};
  platform::test::ScopedEnvironment environment;
};

}  // namespace installer::test
