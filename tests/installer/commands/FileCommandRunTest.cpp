// Whole unattended runs whose scripts copy, expand, join and remove files: the file commands as the run calls
// them, with disk groups, macros, conditions and the log.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "installer/commands/FileCommands.h"
#include "tests/installer/run/SetupRunFixture.h"
#include "tests/platform/SzddWriter.h"
#include "tests/platform/TestSupport.h"

namespace installer::test {
namespace {

namespace fs = std::filesystem;
using platform::test::entryNames;
using platform::test::readText;
using platform::test::writeText;

class FileCommandRun : public SetupRunFixture {
protected:
  RunOutcome run(const std::string& configuration, const std::string& answersText, std::string& log) {
    RunResult result = SetupRunFixture::run(configuration, answersText, commandTable());
    log += result.log;
    return result.outcome;
  }
};

const std::string kConfiguration =
    "[GENERAL]\n"
    "LANGUAGE=ENGLISH\n"
    "INSTALLDIR=\"$R\\\\APP\"\n"
    "INSTALLSET1=Full,SI,0,1\n"
    "INSTALLSET2=Remove,SD\n"
    "INSTALLMODE0=Program,100\n"
    "OPTION1=Samples,10\n"
    "OPTION2=Extras,10\n"
    "[INSTALL-SCRIPT]\n"
    ":# Program files\n"
    "MKDIR $A\n"
    "FLCOPY *.TXT $A\\\\\n"
    "LZCOPY TOOL.EX_ $A\\\\\n"
    "XFLCOPY SAMPLES $A\\\\SAMPLES 1\n"
    "FLCOPY EXTRA.TXT $A\\\\ 2\n"
    ":DISK2 Data\n"
    "MERGE $A\\\\DATA.BIN DATA.1 DATA.2\n"
    "SETATTRIBUTE $A\\\\DATA.BIN READONLY\n"
    "[DELETE-SCRIPT]\n"
    "SETATTRIBUTE $A\\\\*.* NORMAL\n"
    "XREMOVE $A\n";

TEST_F(FileCommandRun, InstallsAndRemovesAProgram) {
  writeText(setupDirectory / "README.TXT", "read me");
  writeText(setupDirectory / "TOOL.EX_", compressSzdd("MZ tool tool tool", 'E'));
  writeText(setupDirectory / "SAMPLES" / "ONE.DXF", "0\nEOF\n");
  writeText(folder.path() / "media" / "DISK2" / "DATA.1", "first ");
  writeText(folder.path() / "media" / "DISK2" / "DATA.2", "second");

  std::string log;
  RunOutcome installed = run(kConfiguration, "", log);
  EXPECT_EQ(installed.end, RunEnd::SUCCEEDED) << installed.problem << "\n" << log;
  EXPECT_EQ(installed.stepsRun, 6u);
  EXPECT_TRUE(installed.problems.empty()) << log;
  EXPECT_EQ(entryNames(cDrive() / "APP"),
            (std::vector<std::string>{"DATA.BIN", "README.TXT", "SAMPLES", "TOOL.EXE"}));
  EXPECT_EQ(readText(cDrive() / "APP" / "TOOL.EXE"), "MZ tool tool tool");
  EXPECT_EQ(readText(cDrive() / "APP" / "SAMPLES" / "ONE.DXF"), "0\nEOF\n");
  EXPECT_EQ(readText(cDrive() / "APP" / "DATA.BIN"), "first second");
  EXPECT_TRUE(entryNames(folder.path() / "media" / "DISK2").empty());
  EXPECT_NE(log.find("status: 'TOOL.EX_' to 'C:\\APP\\TOOL.EXE' copying..."), std::string::npos) << log;
  EXPECT_NE(log.find("status: Create 'C:\\APP\\DATA.BIN' File."), std::string::npos) << log;

  std::string removalLog;
  RunOutcome removed = run(kConfiguration, "set = Remove\ndirectory = C:\\APP\n", removalLog);
  EXPECT_EQ(removed.end, RunEnd::SUCCEEDED) << removed.problem << "\n" << removalLog;
  EXPECT_FALSE(fs::exists(cDrive() / "APP")) << removalLog;
}

TEST_F(FileCommandRun, AnAbortAnswerEndsTheRunWhereItStands) {
  writeText(setupDirectory / "A.TXT", "new");
  writeText(cDrive() / "APP" / "A.TXT", "newer");
  fs::last_write_time(cDrive() / "APP" / "A.TXT",
                      fs::last_write_time(setupDirectory / "A.TXT") + std::chrono::hours(48));
  const std::string configuration =
      "[GENERAL]\nLANGUAGE=ENGLISH\nINSTALLDIR=\"$R\\\\APP\"\nINSTALLSET1=Full,SI\n"
      "[INSTALL-SCRIPT]\nFLCOPY A.TXT $A\\\\\nMKDIR $A\\\\LATER\n";
  std::string log;
  RunOutcome outcome = run(configuration, "message.1009 = Abort\nmessage.1001 = Yes\n", log);
  EXPECT_EQ(outcome.end, RunEnd::CANCELLED) << log;
  EXPECT_EQ(readText(cDrive() / "APP" / "A.TXT"), "newer");
  EXPECT_FALSE(fs::exists(cDrive() / "APP" / "LATER"));

  // An answer that is no button of the box is the answers' fault: the run fails, it is not cancelled.
  std::string failedLog;
  RunOutcome failed = run(configuration, "message.1009 = Yes\n", failedLog);
  EXPECT_EQ(failed.end, RunEnd::FAILED) << failedLog;
  EXPECT_NE(failed.problem.find("could not answer a box at line 6"), std::string::npos) << failed.problem;
  EXPECT_FALSE(fs::exists(cDrive() / "APP" / "LATER"));
}

}  // namespace
}  // namespace installer::test
