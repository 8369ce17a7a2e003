#include "platform/Processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "TestSupport.h"
#include "platform/SystemErrors.h"

extern char** environ;

namespace platform {
namespace {

using test::succeeded;

// The real /proc snapshot: no stand-in list, no stand-in source.
class ProcessSnapshotTest : public ::testing::Test {
protected:
  void SetUp() override {
    environment.unset("PLATFORM_PROCESSES");
    setProcessSnapshotSource(nullptr);
  }
  void TearDown() override { setProcessSnapshotSource(nullptr); }

  static std::optional<ProcessEntry> entryOf(const std::vector<ProcessEntry>& entries, int32_t processId) {
    auto found = std::find_if(entries.begin(), entries.end(),
                              [&](const ProcessEntry& entry) { return entry.processId == processId; });
    return found == entries.end() ? std::nullopt : std::optional<ProcessEntry>(*found);
  }

  test::ScopedEnvironment environment;
};

TEST_F(ProcessSnapshotTest, FindsThisTestProgramByName) {
  Result<std::vector<ProcessEntry>> snapshot = processSnapshot();
  ASSERT_TRUE(succeeded(snapshot));
  std::optional<ProcessEntry> self = entryOf(snapshot.value(), getpid());
  ASSERT_TRUE(self.has_value());
  EXPECT_EQ(self->executableName, "platform_tests");
  EXPECT_GT(snapshot.value().size(), 1u);
}

TEST_F(ProcessSnapshotTest, NamesAWindowsProgramAfterItsLastBackslash) {
  // A program started the way an emulator starts a Windows program: argv[0] is a Windows path.
  char programPath[] = "C:\\Program Files\\QUILLMERE\\Pelmorix.exe";
  char seconds[] = "30";
  char* arguments[] = {programPath, seconds, nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, "/bin/sleep", nullptr, nullptr, arguments, environ), 0);

  std::optional<ProcessEntry> found;
  // posix_spawn returns once the child runs; its command line may still be the parent's for a moment.
  for (int attempt = 0; attempt < 100 && (!found || found->executableName != "Pelmorix.exe"); ++attempt) {
    Result<std::vector<ProcessEntry>> snapshot = processSnapshot();
    ASSERT_TRUE(succeeded(snapshot));
    found = entryOf(snapshot.value(), child);
    if (!found || found->executableName != "Pelmorix.exe") std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->executableName, "Pelmorix.exe");
}

TEST_F(ProcessSnapshotTest, PlatformProcessesReplacesTheList) {
  environment.set("PLATFORM_PROCESSES", "Pelmorix.exe, drawhost ,,Other.exe");
  Result<std::vector<ProcessEntry>> snapshot = processSnapshot();
  ASSERT_TRUE(succeeded(snapshot));
  EXPECT_EQ(snapshot.value(), (std::vector<ProcessEntry>{{0, "Pelmorix.exe"}, {0, "drawhost"}, {0, "Other.exe"}}));

  environment.set("PLATFORM_PROCESSES", "");
  Result<std::vector<ProcessEntry>> nothing = processSnapshot();
  ASSERT_TRUE(succeeded(nothing));
  EXPECT_TRUE(nothing.value().empty());
}

TEST_F(ProcessSnapshotTest, ASourceReplacesEverythingUntilCleared) {
  environment.set("PLATFORM_PROCESSES", "FromVariable.exe");
  setProcessSnapshotSource([]() -> Result<std::vector<ProcessEntry>> {
    return std::vector<ProcessEntry>{{42, "Pelmorix.exe"}};
  });
  Result<std::vector<ProcessEntry>> bySource = processSnapshot();
  ASSERT_TRUE(succeeded(bySource));
  EXPECT_EQ(bySource.value(), (std::vector<ProcessEntry>{{42, "Pelmorix.exe"}}));

  setProcessSnapshotSource([]() -> Result<std::vector<ProcessEntry>> {
    return fail("no snapshot today", {}, ERROR_READ_FAULT);
  });
  Result<std::vector<ProcessEntry>> failing = processSnapshot();
  ASSERT_FALSE(failing.ok());
  EXPECT_EQ(failing.error().code, ERROR_READ_FAULT);

  setProcessSnapshotSource(nullptr);
  Result<std::vector<ProcessEntry>> byVariable = processSnapshot();
  ASSERT_TRUE(succeeded(byVariable));
  EXPECT_EQ(byVariable.value(), (std::vector<ProcessEntry>{{0, "FromVariable.exe"}}));
}

TEST(ExecutableBaseNameTest, CutsAtTheLastSlashOrBackslash) {
  struct Case {
    std::string_view programPath;
    std::string_view name;
  };
  for (const Case& each : {Case{"/usr/bin/drawhost", "drawhost"}, Case{"drawhost", "drawhost"},
                           Case{"C:\\Windows\\Pelmorix.exe", "Pelmorix.exe"},
                           Case{"Z:/mixed\\path/Tool.exe", "Tool.exe"},
                           Case{"./relative/run", "run"}, Case{"/ends/with/", ""}, Case{"", ""}}) {
    EXPECT_EQ(executableBaseName(each.programPath), each.name) << each.programPath;
  }
}

}  // namespace
}  // namespace platform
