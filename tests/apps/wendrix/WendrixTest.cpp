// wendrix as a person runs it: the program is started with a setup directory, a root and an answers file, and
// its exit code, messages, log and files are checked.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/FileAttributes.h"
#include "tests/apps/wendrix/WendrixRun.h"
#include "tests/platform/TestSupport.h"

namespace wendrix::test {
namespace {

namespace fs = std::filesystem;
using platform::test::readText;
using platform::test::TemporaryFolder;
using platform::test::writeText;

ProgramRun wendrixAt(const fs::path& program, const std::string& arguments) { return runProgram(program, arguments); }

ProgramRun wendrix(const std::string& arguments) { return wendrixAt(WENDRIX_PROGRAM, arguments); }

class Wendrix : public ::testing::Test {
protected:
  ProgramRun start(const std::string& answers, const std::string& more = {}, const std::string& prefix = {}) {
    writeText(folder.path() / "answers.txt", answers);
    return runProgram(WENDRIX_PROGRAM,
                      "--setup-dir " + quoted(setup) + " --root " + quoted(folder.path() / "root") + " --answers " +
                          quoted(folder.path() / "answers.txt") + " --log " + quoted(folder.path() / "run.log") +
                          " " + more,
                      prefix);
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

// A run that could not do all it was asked ends with the list of what went wrong, line by line, exit code 6 and
// the same lines in the log; the closing message stays the configuration's own.
TEST_F(Wendrix, AMisspeltCommandAMissingSourceAndARefusedWriteEndWithTheListAndExitSix) {
  fs::path outside = folder.path() / "outside";
  fs::create_directories(outside);
  writeText(setup / "NEW.TXT", "new");
  struct Case {
    std::string line;
    std::string listed;
  };
  const Case cases[] = {
      {"FLCOPPY NEW.TXT $A\\\\", "line 8 FLCOPPY: \"FLCOPPY\" is no command; the line was skipped"},
      {"FLCOPY MISSING.TXT $A\\\\", "line 8 FLCOPY: no file matches 'MISSING.TXT'; nothing was copied"},
      {"FLCOPY NEW.TXT Z:" + outside.string() + "/",
       "line 8 FLCOPY: " + (outside / "NEW.TXT").string() +
           ": refused: it lies outside the folders this run may change (error 5)"},
  };
  for (const Case& example : cases) {
    SCOPED_TRACE(example.line);
    writeText(setup / "WENDRIX.INI", std::string(kEnglishSetup) + "MKDIR $A\r\n" + example.line + "\r\n");
    ProgramRun run = start("");
    EXPECT_EQ(run.status, 6) << run.output;
    EXPECT_NE(run.output.find("wendrix: 1 problem(s); not everything was done:\n  " + example.listed + "\n"),
              std::string::npos)
        << run.output;
    std::string text = log();
    EXPECT_NE(text.find("note: problem: " + example.listed.substr(0, example.listed.find(':'))), std::string::npos)
        << text;
    EXPECT_NE(text.find("message 1040: [Message] (OK) Installation was successful."), std::string::npos);
    EXPECT_NE(text.find("end: finished with problems"), std::string::npos) << text;
    EXPECT_TRUE(fs::is_empty(outside));
  }
}

TEST_F(Wendrix, EveryCancelBreakAndAbortAnswerEndsWithExitThree) {
  writeText(setup / "WENDRIX.INI", "[GENERAL]\r\nLANGUAGE=ENGLISH\r\nINSTALLSET1=Custom,CI\r\nOPTION1=Extra,10\r\n"
                                   "SEARCHKEY=MARK.DAT\r\nFINDMESSAGE=Update the installation?\r\n"
                                   "INSTALLDIR=\"C:\\\\APP\"\r\n[INSTALL-SCRIPT]\r\nMKDIR $A\r\n:DISK2 second\r\n"
                                   "MKDIR $A\\\\TWO\r\n");
  const char* const answers[] = {
      "message.1013 = Cancel\n",                                  // the disk-space question, from page 2
      "break = 1\nmessage.1001 = Yes\n",                          // Break
      "message.1002 = Cancel\nmessage.1001 = Yes\n",              // the change-disk question
      "message.FINDMESSAGE = Cancel\n",                           // the question about an existing installation
  };
  for (const char* answer : answers) {
    SCOPED_TRACE(answer);
    if (std::string(answer).find("FINDMESSAGE") != std::string::npos) {
      writeText(folder.path() / "root" / "c" / "OLD" / "MARK.DAT", "");
    }
    ProgramRun run = start(answer);
    EXPECT_EQ(run.status, 3) << run.output;
    EXPECT_NE(run.output.find("cancelled after"), std::string::npos) << run.output;
  }
}

TEST_F(Wendrix, VersionAndListOfSetsModesAndOptions) {
  ProgramRun version = wendrix("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "wendrix " WENDRIX_VERSION "\n");

  writeText(setup / "WENDRIX.INI", "[GENERAL]\r\nLANGUAGE=ENGLISH\r\nINSTALLSET1=Standard,CI,0,1\r\n"
                                   "INSTALLSET2=Remove,SD\r\nSCOMMENT1=Everything most people need,\r\n"
                                   "INSTALLMODE0=&Typical,1500\r\nMCOMMENT0=Program and help,\r\n"
                                   "OPTION1=&Samples,300\r\nOPTION2=Fonts,2048\r\nOCOMMENT2=Extra fonts,\r\n");
  ProgramRun list = wendrix("--setup-dir " + quoted(setup) + " --list");
  EXPECT_EQ(list.status, 0) << list.output;
  EXPECT_EQ(list.output,
            "install sets (answers: set = NAME):\n"
            "  \"Standard\"  CI install, modes (one of) 0, options 1  (Everything most people need)\n"
            "  \"Remove\"  SD delete, modes none, options none\n"
            "install modes (answers: modes = N,...):\n"
            "  0  &Typical    1.5 MB  (Program and help)\n"
            "options (answers: options = N,...):\n"
            "  1  &Samples    300 KB\n"
            "  2  Fonts    2.0 MB  (Extra fonts)\n");
  EXPECT_FALSE(fs::exists(folder.path() / "root"));  // listing changes nothing
}

// Without --log the run's log lies beside the root, is added to run after run, names every file written or
// removed by its Linux path, and is named in the last line on stderr.
TEST_F(Wendrix, EveryRunKeepsALogBesideTheRootWithTheFilesWrittenAndRemoved) {
  writeText(setup / "A.TXT", "a");
  writeText(setup / "WENDRIX.INI", "[GENERAL]\r\nLANGUAGE=ENGLISH\r\nINSTALLSET1=Install,SI\r\n"
                                   "INSTALLSET2=Remove,SD\r\nINSTALLDIR=\"C:\\\\APP\"\r\n"
                                   "[INSTALL-SCRIPT]\r\nMKDIR $A\r\nFLCOPY A.TXT $A\\\\\r\n"
                                   "[DELETE-SCRIPT]\r\nREMOVE $A\\\\A.TXT\r\nRMDIR $A\r\n");
  fs::path root = folder.path() / "root";
  fs::path logFile = folder.path() / "root.log";
  auto runWith = [&](const std::string& answers) {
    writeText(folder.path() / "answers.txt", answers);
    return wendrix("--setup-dir " + quoted(setup) + " --root " + quoted(root) + " --answers " +
                   quoted(folder.path() / "answers.txt"));
  };
  ProgramRun installed = runWith("");
  EXPECT_EQ(installed.status, 0) << installed.output;
  EXPECT_TRUE(installed.output.ends_with("wendrix: log: " + logFile.string() + "\n")) << installed.output;
  ProgramRun removed = runWith("set = Remove\n");
  EXPECT_EQ(removed.status, 0) << removed.output;

  std::string text = readText(logFile);
  fs::path app = root / "c" / "APP";
  for (const std::string& expected :
       {"note: created directory " + app.string(), "note: wrote " + (app / "A.TXT").string(),
        "note: removed " + (app / "A.TXT").string(), "note: removed directory " + app.string()}) {
    EXPECT_NE(text.find(expected + "\n"), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_LT(text.find("note: wrote"), text.find("note: removed"));  // both runs, in order
  EXPECT_NE(text.find("wendrix: " WENDRIX_VERSION ", started "), std::string::npos);
}

TEST_F(Wendrix, AnUnreadableWendrixIniFallsBackToSetupIni) {
  if (!runsUnprivileged()) GTEST_SKIP() << "root reads every file; no unprivileged user to run as";
  writeText(setup / "WENDRIX.INI", "[GENERAL]\r\n");
  writeText(setup / "SETUP.INI", kEnglishSetup);
  fs::permissions(setup / "WENDRIX.INI", fs::perms::none);
  ProgramRun run = start("", "", unprivilegedPrefix(folder.path()));
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(log().find("setup: " + (setup / "SETUP.INI").string()), std::string::npos) << log();
}

TEST_F(Wendrix, ReadOnlyHiddenAsAnOrdinaryUserKeepsHidden) {
  if (!runsUnprivileged()) GTEST_SKIP() << "root may store attributes on any file; no unprivileged user to run as";
  writeText(setup / "A.TXT", "a");
  writeText(setup / "WENDRIX.INI", std::string(kEnglishSetup) + "MKDIR $A\r\nFLCOPY A.TXT $A\\\\\r\n"
                                                                "SETATTRIBUTE $A\\\\A.TXT \"READONLY HIDDEN\"\r\n");
  ProgramRun run = start("", "", unprivilegedPrefix(folder.path()));
  EXPECT_EQ(run.status, 0) << run.output;
  fs::path file = folder.path() / "root" / "c" / "Demo" / "A.TXT";
  EXPECT_EQ(*platform::fileAttributes(file), platform::ATTRIBUTE_READONLY | platform::ATTRIBUTE_HIDDEN);
}

TEST_F(Wendrix, AnAnswersPathThatIsAFolderIsAnError) {
  writeText(setup / "WENDRIX.INI", kEnglishSetup);
  fs::create_directories(folder.path() / "answers");
  ProgramRun run = wendrix("--setup-dir " + quoted(setup) + " --root " + quoted(folder.path() / "root") +
                           " --answers " + quoted(folder.path() / "answers"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("answers: a folder, not an answers file"), std::string::npos) << run.output;
}

// The example setup of the README, as a person would try it: install with every default, then remove.
TEST_F(Wendrix, TheReadmeExampleInstallsAndRemoves) {
  fs::copy(fs::path(PROJECT_SOURCE_ROOT) / "examples" / "wendrix", folder.path() / "media",
           fs::copy_options::recursive);
  setup = folder.path() / "media" / "DISK1";
  ProgramRun list = wendrix("--setup-dir " + quoted(setup) + " --list");
  EXPECT_EQ(list.status, 0) << list.output;
  EXPECT_NE(list.output.find("\"Standard\"  CI install, modes (one of) 0, options 1  "
                             "(The program with its help and the samples)"),
            std::string::npos)
      << list.output;

  ProgramRun installed = start("");
  EXPECT_EQ(installed.status, 0) << installed.output << log();
  fs::path demo = folder.path() / "root" / "c" / "Demo";
  EXPECT_EQ(platform::test::entryNames(demo),
            (std::vector<std::string>{"DEMO.DAT", "HELP.TXT", "README.TXT", "SAMPLES"}));
  EXPECT_EQ(platform::test::entryNames(demo / "SAMPLES"), (std::vector<std::string>{"BRACKET.DXF", "PLATE.DXF"}));
  EXPECT_EQ(*platform::fileAttributes(demo / "README.TXT"), platform::ATTRIBUTE_READONLY);

  ProgramRun removed = start("set = Remove\n");
  EXPECT_EQ(removed.status, 0) << removed.output << log();
  EXPECT_NE(log().find("message FINDMESSAGE: [WENDRIX] (OK, Cancel) Demo is installed already."), std::string::npos);
  EXPECT_FALSE(fs::exists(demo));
  EXPECT_EQ(platform::test::entryNames(setup), (std::vector<std::string>{"DEMO.DAT", "README.TXT", "SAMPLES",
                                                                          "WENDRIX.INI"}));
}

// A configuration with a line of a gigabyte: only its first bytes are read, so the run stays small, and it
// says so.
TEST_F(Wendrix, AGigabyteLineInTheConfigurationIsCutAndCostsLittleMemory) {
  writeText(setup / "WENDRIX.INI", kEnglishSetup);
  // A sparse file: a gigabyte of zero bytes after the script, without the disk blocks.
  fs::resize_file(setup / "WENDRIX.INI", fs::file_size(setup / "WENDRIX.INI") + (std::uintmax_t{1} << 30));
  ProgramRun run = start("", {}, platform::test::kPeakMemoryPrefix);
  // The zero bytes name no command: the run ends as not everything done, and names the line, cut short.
  EXPECT_EQ(run.status, 6) << run.output;
  EXPECT_NE(run.output.find("warning: only the first 32000 bytes are read"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("line 7 "), std::string::npos) << run.output;
  EXPECT_LT(run.output.size(), 2000u) << run.output;
  const double peak = platform::test::peakMegabytes(run.output);
  ASSERT_GT(peak, 0) << run.output;
  EXPECT_LT(peak, 256) << "MB at the peak";
}

}  // namespace
}  // namespace wendrix::test
