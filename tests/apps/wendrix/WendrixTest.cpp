// wendrix as a person runs it: the program is started with a setup directory, a root and an answers file, and
// its exit code, messages, log and files are checked.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/platform/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using platform::test::readText;
using platform::test::TemporaryFolder;
using platform::test::writeText;

using ProgramRun = platform::test::CommandRun;

ProgramRun wendrixAt(const fs::path& program, const std::string& arguments) {
  return platform::test::runCommand("'" + program.string() + "' " + arguments + " 2>&1");
}

ProgramRun wendrix(const std::string& arguments) { return wendrixAt(WENDRIX_PROGRAM, arguments); }

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

class Wendrix : public ::testing::Test {
protected:
  ProgramRun start(const std::string& answers, const std::string& more = {}) {
    writeText(folder.path() / "answers.txt", answers);
    return wendrix("--setup-dir " + quoted(setup) + " --root " + quoted(folder.path() / "root") + " --answers " +
                   quoted(folder.path() / "answers.txt") + " --log " + quoted(folder.path() / "run.log") + " " + more);
  }
  std::string log() const { return readText(folder.path() / "run.log"); }

  TemporaryFolder folder;
  fs::path setup = folder.path() / "setup";
};

const char* const kEnglishSetup =
    "[GENERAL]\r\n"
    "LANGUAGE=ENGLISH\r\n"
    "INSTALLSET1=Quick,SI\r\n"
    "INSTALLDIR=\"$R\\\\Demo\"\r\n"
    "[INSTALL-SCRIPT]\r\n"
    "ADDINIT\r\n";

TEST_F(Wendrix, InstallsAndLogsEveryPageBoxAndStep) {
  writeText(setup / "WENDRIX.INI", kEnglishSetup);
  ProgramRun run = start("");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(fs::is_directory(folder.path() / "root" / "c" / "WINDOWS" / "SYSTEM"));
  std::string text = log();
  for (const char* expected :
       {"page: 1 set and directory", "choose: set \"Quick\", directory C:\\Demo",
        "message 1013: [Message] (OK, Cancel)", "answer: OK", "page: 3 progress", "step: 1/1 ADDINIT",
        "message 1040: [Message] (OK) Installation was successful.", "end: success"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
}

TEST_F(Wendrix, FindsSetupIniWhenWendrixIniIsMissing) {
  writeText(setup / "setup.ini", kEnglishSetup);
  EXPECT_EQ(start("").status, 0);
}

TEST_F(Wendrix, StartedBesideItsConfigurationWithoutSetupDir) {
  writeText(setup / "WENDRIX.INI", kEnglishSetup);
  fs::create_symlink(WENDRIX_PROGRAM, setup / "wendrix");
  writeText(folder.path() / "answers.txt", "");
  ProgramRun run = wendrixAt(setup / "wendrix", "--root " + quoted(folder.path() / "root") + " --answers " +
                                                    quoted(folder.path() / "answers.txt") + " --log -");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("setup: " + (setup / "WENDRIX.INI").string()), std::string::npos) << run.output;
}

TEST_F(Wendrix, ExitCodesTellTheEndsApart) {
  writeText(setup / "WENDRIX.INI", std::string(kEnglishSetup) + "ADDCONF DEVICE\r\nREGOPEN HKEY\r\n");
  ProgramRun incomplete = start("");
  EXPECT_EQ(incomplete.status, 5) << incomplete.output;
  EXPECT_NE(incomplete.output.find("2 step(s) not available in this build: ADDCONF (1), REGOPEN (1)"), std::string::npos)
      << incomplete.output;

  // Cancel on the disk-space question leaves the run on page 1, whose Cancel ends it as every Cancel does.
  ProgramRun cancelled = start("message.1013 = Cancel\n");
  EXPECT_EQ(cancelled.status, 3) << cancelled.output;
  EXPECT_NE(log().find("message 1013: [Message] (OK, Cancel)"), std::string::npos);
  EXPECT_NE(log().find("answer: Cancel\npage: 1 set and directory"), std::string::npos) << log();

  ProgramRun broken = start("break = 1\nmessage.1001 = Yes\n");
  EXPECT_EQ(broken.status, 3) << broken.output;
  EXPECT_NE(broken.output.find("cancelled after 1 of 3 step(s)"), std::string::npos) << broken.output;

  ProgramRun badAnswer = start("message.1040 = Cancel\n");
  EXPECT_EQ(badAnswer.status, 1);
  EXPECT_NE(badAnswer.output.find("is not a button of message 1040"), std::string::npos) << badAnswer.output;
}

TEST_F(Wendrix, BrokenInputIsRefusedClearly) {
  fs::create_directories(setup);
  ProgramRun missing = start("");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.output.find("no WENDRIX.INI or SETUP.INI"), std::string::npos) << missing.output;

  writeText(setup / "WENDRIX.INI", "[GENERAL]\nLANGUAGE=ENGLISH\n");
  ProgramRun noSets = start("");
  EXPECT_EQ(noSets.status, 1);
  EXPECT_NE(noSets.output.find("declares no install set"), std::string::npos) << noSets.output;

  writeText(setup / "WENDRIX.INI", kEnglishSetup);
  ProgramRun badAnswers = start("set = Quick\nspeed = fast\n");
  EXPECT_EQ(badAnswers.status, 1);
  EXPECT_NE(badAnswers.output.find("answers.txt:2: unknown key \"speed\""), std::string::npos) << badAnswers.output;

  ProgramRun noAnswers = wendrix("--setup-dir " + quoted(setup) + " --root " + quoted(folder.path() / "root"));
  EXPECT_EQ(noAnswers.status, 2);
  EXPECT_NE(noAnswers.output.find("--answers"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder.path() / "root"));

  ProgramRun help = wendrix("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("Exit codes"), std::string::npos);
}

TEST_F(Wendrix, JapaneseConfigurationLogsInUtf8) {
  // "デモ" in Shift-JIS as the set name; the messages come from the Japanese block.
  writeText(setup / "WENDRIX.INI", "[GENERAL]\r\nINSTALLSET1=\x83\x66\x83\x82,SI\r\n[INSTALL-SCRIPT]\r\nDELINIT\r\n");
  ProgramRun run = start("set = デモ\n");
  EXPECT_EQ(run.status, 0) << run.output;
  std::string text = log();
  EXPECT_NE(text.find("choose: set \"デモ\""), std::string::npos) << text;
  EXPECT_NE(text.find("インストールが完了しました。"), std::string::npos) << text;
}

TEST_F(Wendrix, JapaneseTwoDiskSetupFromTheFixture) {
  const fs::path fixture = fs::path(PROJECT_SOURCE_ROOT) / "tests" / "fixtures" / "installer" / "japanese-two-disks";
  fs::copy(fixture, folder.path() / "media", fs::copy_options::recursive);
  setup = folder.path() / "media" / "DISK1";
  platform::test::ScopedEnvironment environment;
  environment.set("PLATFORM_FREE_SPACE", "C=3000");
  ProgramRun run = start("options = 1,2\n");
  // The first disk's files are missing from the fixture: nothing matches their names, the run goes on and ends
  // with the list of those lines and exit code 6; the second disk's file is copied from the folder beside the
  // setup directory.
  EXPECT_EQ(run.status, 6) << run.output;
  EXPECT_NE(run.output.find("wendrix: 3 problem(s); not everything was done:\n"
                            "  line 16 FLCOPY: no file matches '表.EXE'; nothing was copied\n"
                            "  line 17 FLCOPY: no file matches 'SAMPLE.XLS'; nothing was copied\n"
                            "  line 18 FLCOPY: no file matches 'MANUAL.PDF'; nothing was copied\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(readText(folder.path() / "root" / "c" / "表計算" / "DATA.TXT"), readText(fixture / "DISK2" / "DATA.TXT"));
  std::string text = log();
  for (const char* expected : {
           "choose: set \"標準インストール\", directory C:\\表計算, modes 0, options 1,2",
           "  text: [x] option 1 表計算サンプル(S)\\t  300 KB",
           "message 1013: [メッセージ] (OK, Cancel) 2.8MB のディスク容量が必要です。\\n(空き容量=2.9MB)",
           "group: 1 # 本体ディスク",
           "step: 2/6 FLCOPY 表.EXE $A\\\\",
           "group: 2 DISK2 サンプルディスク",
           "step: 6/6 ADDINIT",
           "message 1040: [メッセージ] (OK) インストールが完了しました。",
       }) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_NE(text.find("note: source folder " + (folder.path() / "media" / "DISK2").string()), std::string::npos)
      << text;
}

}  // namespace
