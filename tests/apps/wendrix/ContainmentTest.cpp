// wendrix never changes anything outside its drives and setup folders, run by an unprivileged user to whom the
// whole test folder belongs (so file permissions do not stand in for the installer's own rules): a link planted
// in the root, a link in the setup folder and a disk label that climbs out each try every file command on a
// canary folder beside the root, and the canary stays as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/apps/wendrix/WendrixRun.h"
#include "tests/platform/TestSupport.h"

namespace wendrix::test {
namespace {

namespace fs = std::filesystem;
using platform::test::readText;
using platform::test::TemporaryFolder;
using platform::test::writeText;

// Every file command, each aimed through OUT (a folder that leads to the canary) at the canary's entries.
const std::vector<std::string> kCommandsOnTheCanary = {
    "MKDIR OUTNEWDIR",
    "FLCOPY NEW.TXT OUT",
    "LZCOPY NEW.TXT OUT",
    "XFLCOPY SRCDIR OUTSUB",
    "XLZCOPY SRCDIR OUTSUB",
    "FLMOVE OUTF.TXT $A\\\\",
    "FLMOVE NEW.TXT OUTMOVED.TXT",
    "MERGE OUTF.TXT NEW.TXT",
    "SETATTRIBUTE OUTG.TXT \"READONLY HIDDEN\"",
    "REMOVE OUTG.TXT",
    "XREMOVE OUTSUB",
    "RMDIR OUTEMPTY",
};
// The configuration's lines before the script's first command.
constexpr size_t kLinesBeforeTheScript = 5;

class Containment : public ::testing::Test {
protected:
  void SetUp() override {
    writeText(canary / "F.TXT", "f");
    writeText(canary / "G.TXT", "g");
    writeText(canary / "SUB" / "INNER.TXT", "inner");
    fs::create_directories(canary / "EMPTY");
    writeText(setup / "NEW.TXT", "new");
    writeText(setup / "SRCDIR" / "H.TXT", "h");
    fs::create_directories(folder.path() / "root" / "c" / "APP");
  }

  // Runs the script (its lines with OUT replaced by out) after a label line; the answers ignore a directory
  // that cannot be created and give up when a disk is asked for.
  ProgramRun install(const std::string& label, const std::string& out) {
    std::string script;
    for (const std::string& line : kCommandsOnTheCanary) {
      std::string command = line;
      for (size_t at = command.find("OUT"); at != std::string::npos; at = command.find("OUT", at + out.size())) {
        command.replace(at, 3, out);
      }
      script += command + "\r\n";
    }
    writeText(setup / "WENDRIX.INI",
              "[GENERAL]\r\nLANGUAGE=ENGLISH\r\nINSTALLSET1=Quick,SI\r\nINSTALLDIR=\"C:\\\\APP\"\r\n"
              "[INSTALL-SCRIPT]\r\n" + label + "\r\n" + script);
    writeText(folder.path() / "answers.txt", "message.1007 = Ignore\nmessage.1002 = Cancel\nmessage.1001 = Yes\n");
    before = folderSnapshot(canary);
    std::string prefix = unprivilegedPrefix(folder.path());
    return runProgram(WENDRIX_PROGRAM,
                      "--setup-dir " + quoted(setup) + " --root " + quoted(folder.path() / "root") + " --answers " +
                          quoted(folder.path() / "answers.txt") + " --log " + quoted(folder.path() / "run.log"),
                      prefix);
  }

  // Every command line is listed in the summary as refused or failed.
  static void expectEveryCommandListed(const ProgramRun& run) {
    for (size_t index = 0; index < kCommandsOnTheCanary.size(); ++index) {
      std::string name = kCommandsOnTheCanary[index].substr(0, kCommandsOnTheCanary[index].find(' '));
      std::string listed = "  line " + std::to_string(kLinesBeforeTheScript + 2 + index) + " " + name + ": ";
      EXPECT_NE(run.output.find(listed), std::string::npos) << listed << "\n" << run.output;
    }
  }

  TemporaryFolder folder;
  fs::path setup = folder.path() / "media" / "DISK1";
  fs::path canary = folder.path() / "canary";
  std::map<std::string, std::string> before;
};

TEST_F(Containment, ALinkPlantedInTheRootIsNotFollowed) {
  fs::create_directory_symlink(canary, folder.path() / "root" / "c" / "APP" / "out");
  ProgramRun run = install(":# main disk", "$A\\\\out\\\\");
  EXPECT_EQ(run.status, 6) << run.output;
  expectEveryCommandListed(run);
  EXPECT_NE(readText(folder.path() / "run.log").find(">FLCOPY 'C:\\APP\\out\\NEW.TXT' is Failed. \\nERRCODE = 5"),
            std::string::npos);
  EXPECT_EQ(folderSnapshot(canary), before);
  EXPECT_TRUE(fs::exists(setup / "NEW.TXT"));  // the refused moves and merges took nothing away
}

TEST_F(Containment, ALinkInTheSetupFolderDoesNotPutTheSystemBelowIt) {
  fs::create_directory_symlink("/", setup / "LINK");
  std::string out = "LINK/" + canary.relative_path().string() + "/";
  ProgramRun run = install(":# main disk", out);
  EXPECT_EQ(run.status, 6) << run.output;
  expectEveryCommandListed(run);
  EXPECT_EQ(folderSnapshot(canary), before);
}

TEST_F(Containment, ADiskLabelThatClimbsOutNamesNoFolder) {
  for (std::string label : {":../canary spare disk", ":..\\canary spare disk", ":../../canary spare disk"}) {
    SCOPED_TRACE(label);
    ProgramRun run = install(label, "");
    EXPECT_EQ(run.status, 3) << run.output;  // the disk is asked for and the user gives up
    std::string log = readText(folder.path() / "run.log");
    EXPECT_NE(log.find("names no folder beside the setup directory"), std::string::npos) << log;
    EXPECT_NE(log.find("message 1002: [Message] (OK, Cancel) Please change disk"), std::string::npos) << log;
    EXPECT_EQ(folderSnapshot(canary), before);
  }
}

TEST_F(Containment, RunsAsAnUnprivilegedUserWhereTheTestRunsAsRoot) {
  // The tests above mean most when file permissions cannot help; say plainly when this machine cannot drop them.
  if (!runsUnprivileged()) GTEST_SKIP() << "running as root without setpriv: containment was checked as root";
  ProgramRun whoami = platform::test::runCommand(unprivilegedPrefix(folder.path()) + "id -u");
  EXPECT_NE(whoami.output, "0\n");
}

}  // namespace
}  // namespace wendrix::test
