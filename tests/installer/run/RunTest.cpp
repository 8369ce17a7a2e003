// Whole runs of small configurations in a temporary root, answered headless: pages, the disk-space questions,
// disk groups, Break, the search for an existing installation and the step count.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "installer/commands/CommandContext.h"
#include "installer/run/ExistingInstallation.h"
#include "installer/run/SetupRun.h"
#include "installer/script/Script.h"
#include "tests/installer/run/SetupRunFixture.h"
#include "tests/platform/TestSupport.h"

namespace installer {
namespace {

namespace fs = std::filesystem;
using platform::test::readText;
using platform::test::writeText;

// What the test commands saw, one entry per step.
struct StepRecord {
  std::string command;
  std::string argument;
  fs::path sourceFolder;
};
std::vector<StepRecord> recordedSteps;

// MKDIR for the tests: creates the directory its argument names, through the drive map.
StepResult testMakeDirectory(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string directory = readArgument(arguments, position, context.macros);
  recordedSteps.push_back({"MKDIR", directory, context.state.sourceFolder});
  platform::Result<fs::path> path = context.drives.toLinux(textToUtf8(directory, context.config.language));
  if (!path) return StepResult::GO_ON;
  std::error_code error;
  fs::create_directories(*path, error);
  return StepResult::GO_ON;
}

// NOTE for the tests: records its argument and the source folder.
StepResult testRecord(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  recordedSteps.push_back({"NOTE", readArgument(arguments, position, context.macros), context.state.sourceFolder});
  return StepResult::GO_ON;
}

// QUIT for the tests: an abort answer inside a command.
StepResult testAbort(CommandContext&, std::string_view) {
  recordedSteps.push_back({"QUIT", {}, {}});
  return StepResult::ABORT;
}

// MARK for the tests: sets the changed mark of a start-up file (0 CONFIG.SYS, 1 AUTOEXEC.BAT, 2 SYSTEM.INI,
// 3 WIN.INI), as the commands that edit them do. The number is quoted: a trailing number would be a condition.
StepResult testMark(CommandContext& context, std::string_view arguments) {
  size_t position = 0;
  std::string file = readArgument(arguments, position, context.macros);
  context.state.changed.at(static_cast<size_t>(std::stoi(file))) = true;
  return StepResult::GO_ON;
}

constexpr CommandEntry kTestCommands[] = {
    {"MKDIR", testMakeDirectory},
    {"MARK", testMark},
    {"NOTE", testRecord},
    {"QUIT", testAbort},
};

using test::RunResult;

class InstallerRun : public test::SetupRunFixture {
protected:
  void SetUp() override {
    recordedSteps.clear();
    SetupRunFixture::SetUp();
  }

  RunResult run(const std::string& configuration, const std::string& answersText,
                std::span<const CommandEntry> table = kTestCommands) {
    return SetupRunFixture::run(configuration, answersText, table);
  }
};

const std::string kGeneral =
    "[GENERAL]\n"
    "LANGUAGE=ENGLISH\n"
    "INSTALLDIR=\"$R\\\\APP\"\n";

TEST_F(InstallerRun, SiSetStartsFromPageOneAfterTheSpaceQuestion) {
  RunResult result = run(kGeneral +
                             "INSTALLSET1=Quick,SI,-1\n"
                             "INSTALLMODE0=Program,200\n"
                             "[INSTALL-SCRIPT]\n"
                             "MKDIR $A\n"
                             "MKDIR $A\\\\DATA\n",
                         "");
  EXPECT_EQ(result.outcome.end, RunEnd::SUCCEEDED) << result.outcome.problem;
  EXPECT_TRUE(fs::is_directory(cDrive() / "APP" / "DATA"));
  EXPECT_EQ(result.log.find("page: 2"), std::string::npos);
  size_t page1 = result.log.find("page: 1 set and directory");
  size_t question = result.log.find(
      "message 1013: [Message] (OK, Cancel) 200KB of disk space required.\\n(Free Space=97.7MB)\\nInstall?");
  size_t page3 = result.log.find("page: 3 progress");
  ASSERT_NE(page1, std::string::npos);
  ASSERT_NE(question, std::string::npos) << result.log;
  ASSERT_NE(page3, std::string::npos);
  EXPECT_LT(page1, question);
  EXPECT_LT(question, page3);
  EXPECT_NE(result.log.find("step: 2/2 MKDIR $A\\\\DATA"), std::string::npos) << result.log;
  EXPECT_NE(result.log.find("message 1040: [Message] (OK) Installation was successful."), std::string::npos);
}

TEST_F(InstallerRun, NotEnoughSpaceRefusesWithTheSizes) {
  environment.set("PLATFORM_FREE_SPACE", "C=500");
  RunResult result = run(kGeneral +
                             "INSTALLSET1=Quick,SI,0\n"
                             "INSTALLMODE0=Program,600\n"
                             "[INSTALL-SCRIPT]\n"
                             "MKDIR $A\n",
                         "");
  EXPECT_NE(result.log.find(
                "message 1014: [Message] (OK) 600KB of disk space required.\\n(Free Space=500KB)\\nCan't install."),
            std::string::npos)
      << result.log;
  EXPECT_EQ(result.log.find("page: 3"), std::string::npos);
  EXPECT_TRUE(recordedSteps.empty());
  // Unattended, nothing else can be answered on page 1: the run ends with an error instead of waiting.
  EXPECT_EQ(result.outcome.end, RunEnd::FAILED);
  EXPECT_NE(result.outcome.problem.find("Can't install."), std::string::npos) << result.outcome.problem;
}

TEST_F(InstallerRun, LargeSizesAreShownInMegabytes) {
  environment.set("PLATFORM_FREE_SPACE", "C=1025");
  RunResult result = run(kGeneral + "INSTALLSET1=Quick,SI,0\nINSTALLMODE0=Program,2048\n", "");
  EXPECT_NE(result.log.find("2.0MB of disk space required.\\n(Free Space=1.0MB)\\nCan't install."), std::string::npos)
      << result.log;
}

TEST_F(InstallerRun, CiSetShowsOptionsAndDeleteSetAsksAboutFreedSpace) {
  const std::string configuration = kGeneral +
                                    "INSTALLSET1=Custom,CI,0\n"
                                    "INSTALLSET2=Remove,CD\n"
                                    "INSTALLMODE0=Program,300\n"
                                    "OPTION1=Samples,100\n"
                                    "[INSTALL-SCRIPT]\n"
                                    "NOTE install\n"
                                    "[DELETE-SCRIPT]\n"
                                    "NOTE delete\n";
  fs::create_directories(cDrive() / "APP");
  RunResult install = run(configuration, "options = 1\n");
  EXPECT_EQ(install.outcome.end, RunEnd::SUCCEEDED) << install.outcome.problem;
  EXPECT_NE(install.log.find("page: 2 options"), std::string::npos);
  EXPECT_NE(install.log.find("[x] option 1 Samples\\t  100 KB"), std::string::npos) << install.log;
  EXPECT_NE(install.log.find("400KB of disk space required."), std::string::npos);

  recordedSteps.clear();
  RunResult removal = run(configuration, "set = Remove\n");
  EXPECT_EQ(removal.outcome.end, RunEnd::SUCCEEDED) << removal.outcome.problem;
  EXPECT_NE(removal.log.find("message 1015: [Message] (OK, Cancel) Deleting the Software will free approximately 0KB"),
            std::string::npos)
      << removal.log;
  ASSERT_EQ(recordedSteps.size(), 1u);
  EXPECT_EQ(recordedSteps[0].argument, "delete");
  EXPECT_NE(removal.log.find("message 1041: [Message] (OK) Uninstall completed."), std::string::npos);
}

TEST_F(InstallerRun, SecondDiskGroupReadsFromTheSiblingFolder) {
  fs::create_directories(setupDirectory.parent_path() / "disk2");
  RunResult result = run(kGeneral +
                             "INSTALLSET1=Quick,SI\n"
                             "[INSTALL-SCRIPT]\n"
                             ":DISK1 First disk\n"
                             "NOTE one\n"
                             ":DISK2 Second disk\n"
                             "NOTE two\n",
                         "");
  EXPECT_EQ(result.outcome.end, RunEnd::SUCCEEDED) << result.outcome.problem;
  ASSERT_EQ(recordedSteps.size(), 2u);
  EXPECT_EQ(recordedSteps[0].sourceFolder, setupDirectory);
  EXPECT_EQ(recordedSteps[1].sourceFolder, setupDirectory.parent_path() / "disk2");
  EXPECT_NE(result.log.find("group: 2 DISK2 Second disk"), std::string::npos) << result.log;
}

TEST_F(InstallerRun, MissingDiskIsAskedForAndCancelAbandons) {
  const std::string configuration = kGeneral +
                                    "INSTALLSET1=Quick,SI\n"
                                    "[INSTALL-SCRIPT]\n"
                                    "NOTE first\n"
                                    ":DISK3 Third disk\n"
                                    "NOTE third\n";
  RunResult cancelled = run(configuration, "message.1002 = Cancel\nmessage.1001 = Yes\n");
  EXPECT_EQ(cancelled.outcome.end, RunEnd::CANCELLED);
  EXPECT_EQ(cancelled.outcome.stepsRun, 1u);
  EXPECT_NE(
      cancelled.log.find("message 1002: [Message] (OK, Cancel) Please change disk 'DISK3' disk...\\nand Press Enter."),
      std::string::npos)
      << cancelled.log;
  EXPECT_NE(cancelled.log.find("message 1001: [Abort] (Yes, No)"), std::string::npos);

  // OK without a disk arriving would ask for ever; unattended, the run stops with an error instead.
  recordedSteps.clear();
  RunResult stuck = run(configuration, "");
  EXPECT_EQ(stuck.outcome.end, RunEnd::FAILED);
  EXPECT_NE(stuck.outcome.problem.find("keeps coming back"), std::string::npos) << stuck.outcome.problem;
}

TEST_F(InstallerRun, BreakAnsweredYesLeavesWhatWasDone) {
  const std::string configuration = kGeneral +
                                    "INSTALLSET1=Quick,SI\n"
                                    "[INSTALL-SCRIPT]\n"
                                    "MKDIR $A\\\\ONE\n"
                                    "MKDIR $A\\\\TWO\n"
                                    "MKDIR $A\\\\THREE\n";
  RunResult broken = run(configuration, "break = 2\nmessage.1001 = Yes\n");
  EXPECT_EQ(broken.outcome.end, RunEnd::CANCELLED);
  EXPECT_EQ(broken.outcome.stepsRun, 2u);
  EXPECT_EQ(broken.outcome.totalSteps, 3u);
  EXPECT_TRUE(fs::is_directory(cDrive() / "APP" / "ONE"));
  EXPECT_TRUE(fs::is_directory(cDrive() / "APP" / "TWO"));
  EXPECT_FALSE(fs::exists(cDrive() / "APP" / "THREE"));
  EXPECT_NE(broken.log.find("press: Break\nmessage 1001: [Abort] (Yes, No) Aborted installation cannot be resumed."),
            std::string::npos)
      << broken.log;
  EXPECT_EQ(broken.log.find("message 1040"), std::string::npos);

  // Break answered with the preselected No goes on to the end.
  fs::remove_all(cDrive() / "APP");
  recordedSteps.clear();
  RunResult resumed = run(configuration, "break = 1\n");
  EXPECT_EQ(resumed.outcome.end, RunEnd::SUCCEEDED);
  EXPECT_TRUE(fs::is_directory(cDrive() / "APP" / "THREE"));
}

TEST_F(InstallerRun, AbortAnswerInsideACommandEndsTheRun) {
  RunResult result = run(kGeneral + "INSTALLSET1=Quick,SI\n[INSTALL-SCRIPT]\nNOTE a\nQUIT\nNOTE b\n", "");
  EXPECT_EQ(result.outcome.end, RunEnd::CANCELLED);
  ASSERT_EQ(recordedSteps.size(), 2u);
  EXPECT_EQ(recordedSteps[1].command, "QUIT");
}

TEST_F(InstallerRun, FindMessageCancelEndsBeforeAnyPage) {
  writeText(cDrive() / "OLD" / "Support Files" / "demo.key", "x");
  const std::string configuration = kGeneral +
                                    "INSTALLSET1=Quick,SI\n"
                                    "SEARCHKEY=\"DEMO.KEY\"\n"
                                    "FINDMESSAGE=An earlier version is installed.\\nUpdate it?\n"
                                    "[INSTALL-SCRIPT]\n"
                                    "NOTE $A\n";
  RunResult cancelled = run(configuration, "message.FINDMESSAGE = Cancel\n");
  EXPECT_EQ(cancelled.outcome.end, RunEnd::CANCELLED);
  EXPECT_NE(cancelled.log.find(
                "message FINDMESSAGE: [WENDRIX] (OK, Cancel) An earlier version is installed.\\r\\nUpdate it?"),
            std::string::npos)
      << cancelled.log;
  EXPECT_EQ(cancelled.log.find("page:"), std::string::npos);

  RunResult accepted = run(configuration, "");
  EXPECT_EQ(accepted.outcome.end, RunEnd::SUCCEEDED) << accepted.outcome.problem;
  ASSERT_EQ(recordedSteps.size(), 1u);
  EXPECT_EQ(recordedSteps[0].argument, "C:\\OLD");
}

TEST_F(InstallerRun, SearchRecordsAtMostTwentyFolders) {
  for (int index = 0; index < 25; ++index) writeText(cDrive() / ("V" + std::to_string(index)) / "Key.Dat", "x");
  writeText(cDrive() / "V0" / "KEY.DAT.BAK", "x");
  std::vector<std::string> folders = findExistingInstallation(drives, 'C', {"KEY.DAT"});
  EXPECT_EQ(folders.size(), kFoundFolderLimit);
  for (const std::string& found : folders) EXPECT_TRUE(found.starts_with("C:\\V")) << found;
  EXPECT_TRUE(findExistingInstallation(drives, 'C', {"OTHER.DAT"}).empty());
}

TEST_F(InstallerRun, StepCountEqualsTheCommandsWhoseConditionsHold) {
  RunResult result = run(kGeneral +
                             "INSTALLSET1=Custom,CI,1,2\n"
                             "INSTALLMODE1=Standard,10\n"
                             "INSTALLMODE2=Full,10\n"
                             "OPTION2=Samples,10\n"
                             "OPTION3=Docs,10\n"
                             "[INSTALL-SCRIPT]\n"
                             "NOTE always\n"
                             "NOTE samples 2\n"
                             "NOTE docs 3\n"
                             "NOTE standard-samples 1 2\n"
                             "NOTE full-samples 2 2\n"
                             "NOTE none -1\n"
                             "UNKNOWN x\n"
                             "\n"
                             "NOTE undeclared 9\n",
                         "");
  EXPECT_EQ(result.outcome.end, RunEnd::SUCCEEDED) << result.outcome.problem;
  EXPECT_EQ(result.outcome.totalSteps, 4u);
  EXPECT_EQ(result.outcome.stepsRun, 4u);
  std::vector<std::string> ran;
  for (const StepRecord& step : recordedSteps) ran.push_back(step.argument);
  EXPECT_EQ(ran, (std::vector<std::string>{"always", "samples", "standard-samples", "none"}));

  // The answers replace the set's choice.
  recordedSteps.clear();
  RunResult replaced = run(kGeneral +
                               "INSTALLSET1=Custom,CI,1,2\n"
                               "INSTALLMODE1=Standard,10\n"
                               "INSTALLMODE2=Full,10\n"
                               "OPTION2=Samples,10\n"
                               "OPTION3=Docs,10\n"
                               "[INSTALL-SCRIPT]\n"
                               "NOTE samples 2\n"
                               "NOTE docs 3\n"
                               "NOTE full 2 -1\n",
                           "modes = 2\noptions = 3\n");
  EXPECT_EQ(replaced.outcome.totalSteps, 2u);
  ASSERT_EQ(recordedSteps.size(), 2u);
  EXPECT_EQ(recordedSteps[0].argument, "docs");
  EXPECT_EQ(recordedSteps[1].argument, "full");
}

TEST_F(InstallerRun, CommandsOfLaterBuildsAreCountedAsNotAvailable) {
  RunResult result = run(kGeneral +
                             "INSTALLSET1=Quick,SI\n"
                             "[INSTALL-SCRIPT]\n"
                             "ADDCONF DEVICE\n"
                             "REGOPEN HKEY\n"
                             "REGOPEN KEY\n"
                             "ADDINIT\n",
                         "", commandTable());
  EXPECT_EQ(result.outcome.end, RunEnd::SUCCEEDED);
  EXPECT_EQ(result.outcome.stepsRun, 4u);
  EXPECT_EQ(result.outcome.notAvailable, (std::map<std::string, size_t>{{"ADDCONF", 1}, {"REGOPEN", 2}}));
  EXPECT_NE(result.log.find("note: REGOPEN is not available in this build"), std::string::npos);
}

TEST_F(InstallerRun, AnswersThatDoNotFitEndTheRunWithAClearError) {
  const std::string configuration =
      kGeneral + "INSTALLSET1=Quick,SI\nINSTALLSET2=Full,SI\nOPTION1=Docs,1\n[INSTALL-SCRIPT]\nNOTE x\n";
  const std::pair<const char*, const char*> cases[] = {
      {"message.1013 = Yes\n", "is not a button of message 1013"},
      {"set = Partial\n", "\"Quick\", \"Full\""},
      {"options = 4\n", "option 4"},
      {"directory = C:\\NO\\SUCH\\PLACE\n", "'C:\\NO\\SUCH' directory not exists"},
      {"directory = C:\\A*B\n", "Directory name is invalid"},
      {"directory = APP\n", "Directory name is invalid"},
  };
  for (const auto& [answers, problem] : cases) {
    RunResult result = run(configuration, answers);
    EXPECT_EQ(result.outcome.end, RunEnd::FAILED) << answers;
    EXPECT_NE(result.outcome.problem.find(problem), std::string::npos) << answers << result.outcome.problem;
    EXPECT_TRUE(recordedSteps.empty()) << answers;
  }
  // message.default only answers the boxes that have its button.
  RunResult defaulted = run(configuration, "message.default = Yes\n");
  EXPECT_EQ(defaulted.outcome.end, RunEnd::SUCCEEDED) << defaulted.outcome.problem;
}

TEST_F(InstallerRun, CoverPageComesFirstAndJapaneseMessagesAreUtf8) {
  // A set name in Shift-JIS ("表準") whose first character's second byte is a backslash.
  const std::string configuration =
      "[GENERAL]\n"
      "COVERPAGE=True\n"
      "INSTALLSET1=\x95\x5C\x8F\x80,SI\n"
      "[INSTALL-SCRIPT]\n"
      "NOTE x\n";
  RunResult result = run(configuration, "set = 表準\n");
  EXPECT_EQ(result.outcome.end, RunEnd::SUCCEEDED) << result.outcome.problem;
  EXPECT_LT(result.log.find("page: 0 cover"), result.log.find("page: 1"));
  EXPECT_NE(result.log.find("choose: set \"表準\""), std::string::npos) << result.log;
  EXPECT_NE(result.log.find("インストールが完了しました。"), std::string::npos) << result.log;
}

TEST_F(InstallerRun, ClosingMessageFollowsTheChangedStartupFiles) {
  struct Case {
    const char* name;
    const char* marks;
    std::vector<const char*> files;
    RunEnd end;
    std::vector<const char*> messages;
  };
  const Case cases[] = {
      {"nothing changed", "", {}, RunEnd::SUCCEEDED, {"message 1040: [Message] (OK) Installation was successful."}},
      {"CONFIG.SYS changed",
       "MARK \"0\"\n",
       {"CONFIG.SYS"},
       RunEnd::RESTART_NEEDED,
       {"message 1029: [Message] (OK) System files was changed.\\nIt is necessary to restart the computer."}},
      {"WIN.INI changed",
       "MARK \"3\"\n",
       {"WINDOWS/win.ini"},
       RunEnd::RESTART_NEEDED,
       {"message 1028: [Message] (OK) Windows files was changed.\\nIt is necessary to restart the windows."}},
      {"system files win over Windows files",
       "MARK \"3\"\nMARK \"1\"\n",
       {"WINDOWS/WIN.INI", "AUTOEXEC.BAT"},
       RunEnd::RESTART_NEEDED,
       {"message 1029:"}},
      {"AUTOEXEC.BAT missing, its fallback written",
       "MARK \"1\"\n",
       {"AUTOEXEC.ADD"},
       RunEnd::SUCCEEDED,
       {"message 1031: [Message] (OK) Cannot find 'AUTOEXEC.BAT' file.\\nPlease refer to 'AUTOEXEC.ADD' document.",
        "message 1040:"}},
      {"SYSTEM.INI missing without a fallback",
       "MARK \"2\"\n",
       {},
       RunEnd::SUCCEEDED,
       {"message 1032: [Message] (OK) Cannot find 'SYSTEM.INI' file.\\nPlease refer to attached document.",
        "message 1040:"}},
  };
  for (const Case& test : cases) {
    fs::remove_all(cDrive());
    ASSERT_TRUE(drives.prepare().ok());
    for (const char* file : test.files) writeText(cDrive() / file, "x\r\n");
    RunResult result = run(kGeneral + "INSTALLSET1=Quick,SI\n[INSTALL-SCRIPT]\nNOTE x\n" + test.marks, "");
    EXPECT_EQ(result.outcome.end, test.end) << test.name;
    size_t last = 0;
    for (const char* expected : test.messages) {
      size_t found = result.log.find(expected, last);
      EXPECT_NE(found, std::string::npos) << test.name << ": " << expected << "\n" << result.log;
      if (found != std::string::npos) last = found;
    }
  }
}

}  // namespace
}  // namespace installer
