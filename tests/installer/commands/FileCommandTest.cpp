// The file commands on a Windows world in a temporary folder, with the user's answers given in order.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "installer/commands/FileCommands.h"
#include "installer/commands/FileQuestions.h"
#include "installer/ui/MessageTable.h"
#include "platform/FileAttributes.h"
#include "tests/installer/commands/FileCommandFixture.h"
#include "tests/platform/SzddWriter.h"

namespace installer::test {
namespace {

namespace fs = std::filesystem;
using platform::test::entryAt;
using platform::test::entryNames;
using platform::test::readText;
using platform::test::writeText;

using FileCopies = FileCommandTest;

TEST_F(FileCopies, IntoADirectoryKeepNamesAndTimesAndBecomeWritable) {
  writeText(cDrive() / "SRC" / "A.TXT", "alpha");
  writeText(cDrive() / "SRC" / "B.TXT", "beta");
  writeText(cDrive() / "SRC" / "C.DOC", "gamma");
  setTime(cDrive() / "SRC" / "A.TXT", -3600);
  ASSERT_TRUE(platform::setFileAttributes(entryAt(cDrive() / "SRC" / "A.TXT"), platform::ATTRIBUTE_HIDDEN).ok());
  ASSERT_TRUE(platform::setFileAttributes(entryAt(cDrive() / "SRC" / "B.TXT"), platform::ATTRIBUTE_READONLY).ok());
  fs::create_directories(cDrive() / "DST");

  EXPECT_EQ(run(runFileCopy, R"(C:\\SRC\\*.TXT C:\\DST\\)"), StepResult::GO_ON);

  EXPECT_EQ(entryNames(cDrive() / "DST"), (std::vector<std::string>{"A.TXT", "B.TXT"}));
  EXPECT_EQ(readText(cDrive() / "DST" / "A.TXT"), "alpha");
  EXPECT_EQ(timeOf(cDrive() / "DST" / "A.TXT"), -3600);
  EXPECT_EQ(*platform::fileAttributes(cDrive() / "DST" / "A.TXT"), platform::ATTRIBUTE_NORMAL);
  EXPECT_EQ(*platform::fileAttributes(cDrive() / "DST" / "B.TXT"), platform::ATTRIBUTE_NORMAL);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"'C:\\SRC\\A.TXT' to 'C:\\DST\\A.TXT' copying...",
                                                   "'C:\\SRC\\B.TXT' to 'C:\\DST\\B.TXT' copying..."}));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FileCopies, OntoAFileNameRelativeToTheDiskAndOntoTheInstallDirectoryName) {
  writeText(setupDirectory / "readme.txt", "text");

  // Without the trailing backslash $A names a file in C:\ called after the install directory.
  EXPECT_EQ(run(runFileCopy, R"(README.TXT $A)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "APP"), "text");

  fs::remove(cDrive() / "APP");
  fs::create_directories(cDrive() / "APP");
  EXPECT_EQ(run(runFileCopy, R"(README.TXT $A\\NOTES.TXT)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "APP" / "NOTES.TXT"), "text");
  EXPECT_EQ(ui.statuses.back(), "'readme.txt' to 'C:\\APP\\NOTES.TXT' copying...");
}

TEST_F(FileCopies, NothingForAPatternThatMatchesNothingOrAQuestionMark) {
  writeText(cDrive() / "SRC" / "AB.TXT", "x");
  fs::create_directories(cDrive() / "DST");
  EXPECT_EQ(run(runFileCopy, R"(C:\\SRC\\A?.TXT C:\\DST\\)"), StepResult::GO_ON);
  EXPECT_EQ(run(runFileCopy, R"(C:\\SRC\\*.DOC C:\\DST\\)"), StepResult::GO_ON);
  EXPECT_TRUE(entryNames(cDrive() / "DST").empty());
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FileCopies, YesAllOverwritesOlderAndSameDateFilesButStillAsksAboutANewerOne) {
  for (const char* name : {"A.TXT", "B.TXT", "C.TXT", "D.TXT"}) {
    writeText(cDrive() / "SRC" / name, std::string("new ") + name);
    setTime(cDrive() / "SRC" / name, 0);
    writeText(cDrive() / "DST" / name, std::string("old ") + name);
  }
  setTime(cDrive() / "DST" / "A.TXT", -86400);  // older
  setTime(cDrive() / "DST" / "B.TXT", 1);       // the same two-second step
  setTime(cDrive() / "DST" / "C.TXT", 86400);   // newer
  setTime(cDrive() / "DST" / "D.TXT", -60);     // older
  ui.answers = {ButtonCode::YES_ALL, ButtonCode::CANCEL};

  EXPECT_EQ(run(runFileCopy, R"(C:\\SRC\\*.TXT C:\\DST\\)"), StepResult::GO_ON);

  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_EQ(ui.boxes[0].number, 1010);
  EXPECT_EQ(ui.boxes[0].text,
            "The file already exists. (Old Date)\nDo you want the 'C:\\DST\\A.TXT' file to overwrite?");
  EXPECT_EQ(ui.boxes[0].title, "Message");
  EXPECT_EQ(ui.boxes[0].style, 71u);  // OK, Yes All, Cancel, Abort
  EXPECT_EQ(ui.boxes[1].number, 1009);
  EXPECT_EQ(ui.boxes[1].style, 70u);  // OK, Cancel, Abort
  EXPECT_TRUE(state.overwriteAll);
  EXPECT_EQ(readText(cDrive() / "DST" / "A.TXT"), "new A.TXT");
  EXPECT_EQ(readText(cDrive() / "DST" / "B.TXT"), "new B.TXT");
  EXPECT_EQ(readText(cDrive() / "DST" / "C.TXT"), "old C.TXT");  // Cancel skips the newer file
  EXPECT_EQ(readText(cDrive() / "DST" / "D.TXT"), "new D.TXT");
}

TEST_F(FileCopies, AnExistingFileInAnotherLetterCaseIsTheOneOverwritten) {
  writeText(cDrive() / "SRC" / "README.TXT", "new");
  writeText(cDrive() / "DST" / "readme.txt", "old");
  setTime(cDrive() / "DST" / "readme.txt", -86400);
  ui.answers = {ButtonCode::OK};
  EXPECT_EQ(run(runFileCopy, R"(C:\\SRC\\*.* C:\\DST\\)"), StepResult::GO_ON);
  EXPECT_EQ(ui.boxNumbers(), std::vector<int>{1010});
  EXPECT_EQ(entryNames(cDrive() / "DST"), std::vector<std::string>{"readme.txt"});
  EXPECT_EQ(readText(cDrive() / "DST" / "readme.txt"), "new");
}

TEST_F(FileCopies, AbortOnTheOverwriteQuestionAsksAgainUntilConfirmed) {
  writeText(cDrive() / "SRC" / "A.TXT", "new");
  writeText(cDrive() / "DST" / "A.TXT", "old");
  setTime(cDrive() / "SRC" / "A.TXT", 0);
  setTime(cDrive() / "DST" / "A.TXT", 0);
  ui.answers = {ButtonCode::ABORT, ButtonCode::NO, ButtonCode::ABORT, ButtonCode::YES};

  EXPECT_EQ(run(runFileCopy, R"(C:\\SRC\\A.TXT C:\\DST\\)"), StepResult::ABORT);
  EXPECT_EQ(ui.boxNumbers(), (std::vector<int>{1011, 1001, 1011, 1001}));
  EXPECT_EQ(ui.boxes[1].title, "Abort");
  EXPECT_EQ(ui.boxes[1].style, 324u);
  EXPECT_EQ(readText(cDrive() / "DST" / "A.TXT"), "old");
}

TEST_F(FileCopies, AReadOnlyDestinationIsNotOverwrittenAndTheRunGoesOn) {
  writeText(cDrive() / "SRC" / "A.TXT", "new");
  writeText(cDrive() / "DST" / "A.TXT", "old");
  setTime(cDrive() / "DST" / "A.TXT", -86400);
  ASSERT_TRUE(platform::setFileAttributes(entryAt(cDrive() / "DST" / "A.TXT"), platform::ATTRIBUTE_READONLY).ok());
  ui.answers = {ButtonCode::OK};
  EXPECT_EQ(run(runFileCopy, R"(C:\\SRC\\A.TXT C:\\DST\\)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "DST" / "A.TXT"), "old");
  EXPECT_EQ(entryNames(cDrive() / "DST"), std::vector<std::string>{"A.TXT"});  // no temporary file left
  ASSERT_FALSE(ui.notes.empty());
  EXPECT_NE(ui.notes.back().find("read-only"), std::string::npos) << ui.notes.back();
}

TEST_F(FileCopies, NothingIsWrittenOutsideTheWindowsWorld) {
  writeText(cDrive() / "SRC" / "A.TXT", "x");
  fs::path outside = folder.path() / "outside";
  fs::create_directories(outside);
  ui.answers = {ButtonCode::OK};
  EXPECT_EQ(run(runFileCopy, "C:\\\\SRC\\\\A.TXT Z:" + outside.string() + "/"), StepResult::GO_ON);
  EXPECT_TRUE(entryNames(outside).empty());
  // The refusal is shown as the command's failure box with the system's code, and recorded for the summary.
  ASSERT_EQ(ui.boxNumbers(), std::vector<int>{MSG_FAILURE_FORMAT});
  EXPECT_NE(ui.boxes[0].text.find(">TEST 'Z:" + outside.string() + "/A.TXT' is Failed. \nERRCODE = 5"),
            std::string::npos)
      << ui.boxes[0].text;
  ASSERT_EQ(state.problems.size(), 1u);
  EXPECT_NE(state.problems[0].why.find("refused"), std::string::npos) << state.problems[0].why;
}

using FileMissingSource = FileCommandTest;

TEST_F(FileMissingSource, RetryGoesOnOnceTheFileIsThere) {
  fs::path source = setupDirectory / "DATA.BIN";
  ui.answers = {ButtonCode::RETRY, ButtonCode::RETRY};
  ui.afterAnswer = [&](const ShownBox&) {
    if (ui.boxes.size() == 2) writeText(source, "late");
  };
  EXPECT_EQ(confirmOverwrite(context, "C:\\DATA.BIN", "DATA.BIN", true), StepResult::RETRIED);
  EXPECT_EQ(ui.boxNumbers(), (std::vector<int>{1012, 1012}));
  EXPECT_EQ(ui.boxes[0].text, "Cannot find 'DATA.BIN' file.\nPlease check disk and Press Enter.");
  EXPECT_EQ(ui.boxes[0].style, 274u);
}

TEST_F(FileMissingSource, IgnoreSkipsAndAbortAsksFirst) {
  struct Case {
    std::vector<ButtonCode> answers;
    StepResult result;
    std::vector<int> boxes;
  };
  const Case cases[] = {
      {{ButtonCode::IGNORE}, StepResult::SKIP, {1012}},
      {{ButtonCode::ABORT, ButtonCode::YES}, StepResult::ABORT, {1012, 1001}},
      {{ButtonCode::ABORT, ButtonCode::NO, ButtonCode::IGNORE}, StepResult::SKIP, {1012, 1001, 1012}},
  };
  for (const Case& c : cases) {
    ui.boxes.clear();
    ui.answers.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(confirmOverwrite(context, "C:\\DATA.BIN", "DATA.BIN", true), c.result);
    EXPECT_EQ(ui.boxNumbers(), c.boxes);
  }
}

TEST_F(FileMissingSource, CancelOfAQuestionThatCannotAbortAbandonsTheInstallation) {
  writeText(cDrive() / "A.TXT", "old");
  writeText(setupDirectory / "A.TXT", "new");
  setTime(cDrive() / "A.TXT", 86400);
  setTime(setupDirectory / "A.TXT", 0);
  ui.answers = {ButtonCode::CANCEL};
  EXPECT_EQ(confirmOverwrite(context, "C:\\A.TXT", "A.TXT", false), StepResult::ABORT);
  EXPECT_EQ(ui.boxes.at(0).style, 65u);  // OK, Cancel
}

using FileDirectories = FileCommandTest;

TEST_F(FileDirectories, MakeOneLevelAskingWhileItFails) {
  EXPECT_EQ(run(runMakeDirectory, R"($A)"), StepResult::GO_ON);
  EXPECT_TRUE(fs::is_directory(cDrive() / "APP"));
  EXPECT_EQ(ui.statuses.back(), "Create 'C:\\APP' Directory.");
  EXPECT_EQ(run(runMakeDirectory, R"($A)"), StepResult::GO_ON);  // already there

  // The parent is missing: Retry after it appears, then Ignore on another one.
  ui.answers = {ButtonCode::RETRY, ButtonCode::IGNORE};
  ui.afterAnswer = [&](const ShownBox&) {
    if (ui.boxes.size() == 1) fs::create_directories(cDrive() / "X");
  };
  EXPECT_EQ(run(runMakeDirectory, R"(C:\\X\\Y)"), StepResult::GO_ON);
  EXPECT_TRUE(fs::is_directory(cDrive() / "X" / "Y"));
  EXPECT_EQ(run(runMakeDirectory, R"(C:\\NO\\SUCH)"), StepResult::GO_ON);
  EXPECT_EQ(ui.boxNumbers(), (std::vector<int>{1007, 1007}));
  EXPECT_EQ(ui.boxes[0].text, "Create 'C:\\X\\Y' Directory is Failed.\nAccess is denied or directory name is invalid.");
  EXPECT_EQ(ui.boxes[0].style, 66u);

  ui.answers = {ButtonCode::ABORT, ButtonCode::YES};
  EXPECT_EQ(run(runMakeDirectory, R"(C:\\NO\\SUCH)"), StepResult::ABORT);
}

TEST_F(FileDirectories, RemoveOnlyAnEmptyOne) {
  fs::create_directories(cDrive() / "EMPTY");
  writeText(cDrive() / "FULL" / "A.TXT", "a");
  EXPECT_EQ(run(runRemoveDirectory, R"(C:\\EMPTY)"), StepResult::GO_ON);
  EXPECT_EQ(run(runRemoveDirectory, R"(C:\\FULL)"), StepResult::GO_ON);
  EXPECT_FALSE(fs::exists(cDrive() / "EMPTY"));
  EXPECT_TRUE(fs::exists(cDrive() / "FULL" / "A.TXT"));
  EXPECT_EQ(ui.statuses.front(), "Remove 'C:\\EMPTY' directory.");
}

using FileTrees = FileCommandTest;

TEST_F(FileTrees, CopyEveryFileAndFolderIncludingNamesWithoutADot) {
  writeText(cDrive() / "SRC" / "A.TXT", "a");
  writeText(cDrive() / "SRC" / "Makefile", "all:");
  writeText(cDrive() / "SRC" / "SUB" / "B.DAT", "b");
  writeText(cDrive() / "SRC" / "SUB" / "DEEP" / "C", "c");
  fs::create_directories(cDrive() / "SRC" / "EMPTY");
  fs::create_directories(cDrive() / "APP");

  EXPECT_EQ(run(runTreeCopy, R"(C:\\SRC $A\\COPY)"), StepResult::GO_ON);
  EXPECT_EQ(entryNames(cDrive() / "APP" / "COPY"), (std::vector<std::string>{"A.TXT", "EMPTY", "Makefile", "SUB"}));
  EXPECT_EQ(readText(cDrive() / "APP" / "COPY" / "SUB" / "DEEP" / "C"), "c");
  EXPECT_EQ(readText(cDrive() / "APP" / "COPY" / "Makefile"), "all:");
  EXPECT_EQ(ui.statusesContaining("copying..."), 4u);
}

TEST_F(FileTrees, NoCopyForAMissingSourceAndNoEndlessCopyIntoItself) {
  EXPECT_EQ(run(runTreeCopy, R"(C:\\NONE C:\\DST)"), StepResult::GO_ON);
  EXPECT_FALSE(fs::exists(cDrive() / "DST"));

  writeText(cDrive() / "SRC" / "A.TXT", "a");
  EXPECT_EQ(run(runTreeCopy, R"(C:\\SRC C:\\SRC\\BACKUP)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "SRC" / "BACKUP" / "A.TXT"), "a");
  EXPECT_FALSE(fs::exists(cDrive() / "SRC" / "BACKUP" / "BACKUP"));
}

TEST_F(FileTrees, RemoveAWholeTreeButNothingALinkPointsTo) {
  writeText(cDrive() / "APP" / "A.TXT", "a");
  writeText(cDrive() / "APP" / "SUB" / "B.TXT", "b");
  writeText(cDrive() / "KEEP" / "K.TXT", "k");
  fs::create_directory_symlink(cDrive() / "KEEP", cDrive() / "APP" / "LINK");

  EXPECT_EQ(run(runTreeRemove, R"($A)"), StepResult::GO_ON);
  EXPECT_FALSE(fs::exists(cDrive() / "APP"));
  EXPECT_EQ(readText(cDrive() / "KEEP" / "K.TXT"), "k");
  EXPECT_EQ(ui.statusesContaining("Remove 'C:\\APP\\SUB\\B.TXT' file."), 1u);
}

TEST_F(FileTrees, RemoveGivesUpAfterThirtyTwoAttemptsOnAReadOnlyFile) {
  writeText(cDrive() / "APP" / "A.TXT", "a");
  writeText(cDrive() / "APP" / "SUB" / "LOCKED.DAT", "locked");
  ASSERT_TRUE(
      platform::setFileAttributes(entryAt(cDrive() / "APP" / "SUB" / "LOCKED.DAT"), platform::ATTRIBUTE_READONLY).ok());

  EXPECT_EQ(run(runTreeRemove, R"($A)"), StepResult::GO_ON);
  EXPECT_EQ(ui.statusesContaining("LOCKED.DAT"), static_cast<size_t>(kTreeRemoveAttempts));
  EXPECT_EQ(ui.statusesContaining("A.TXT"), 1u);
  EXPECT_TRUE(fs::exists(cDrive() / "APP" / "SUB" / "LOCKED.DAT"));
  EXPECT_FALSE(fs::exists(cDrive() / "APP" / "A.TXT"));
}

using FileMoves = FileCommandTest;

TEST_F(FileMoves, FilesAndDirectoriesKeepTheirTimes) {
  writeText(cDrive() / "OLD" / "A.TXT", "a");
  writeText(cDrive() / "OLD" / "DIR" / "B.TXT", "b");
  setTime(cDrive() / "OLD" / "A.TXT", -7200);
  setTime(cDrive() / "OLD" / "DIR", -3600);
  fs::create_directories(cDrive() / "NEW");

  EXPECT_EQ(run(runFileMove, R"(C:\\OLD\\*.* C:\\NEW\\)"), StepResult::GO_ON);
  EXPECT_TRUE(entryNames(cDrive() / "OLD").empty());
  EXPECT_EQ(readText(cDrive() / "NEW" / "DIR" / "B.TXT"), "b");
  EXPECT_EQ(timeOf(cDrive() / "NEW" / "A.TXT"), -7200);
  EXPECT_EQ(timeOf(cDrive() / "NEW" / "DIR"), -3600);
  EXPECT_EQ(ui.statuses.front(), "'C:\\OLD\\A.TXT' to 'C:\\NEW\\A.TXT' moveing...");
}

TEST_F(FileMoves, ReplaceAnOlderFileAndLeaveAMoveOntoItselfAlone) {
  writeText(cDrive() / "A.TXT", "new");
  writeText(cDrive() / "B.TXT", "old");
  setTime(cDrive() / "A.TXT", 0);
  setTime(cDrive() / "B.TXT", -86400);
  ui.answers = {ButtonCode::OK, ButtonCode::OK};
  EXPECT_EQ(run(runFileMove, R"(C:\\A.TXT C:\\B.TXT)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "B.TXT"), "new");
  EXPECT_FALSE(fs::exists(cDrive() / "A.TXT"));

  EXPECT_EQ(run(runFileMove, R"(C:\\B.TXT C:\\b.txt)"), StepResult::GO_ON);  // the same file, by another case
  EXPECT_EQ(readText(cDrive() / "B.TXT"), "new");
}

using FileMerges = FileCommandTest;

TEST_F(FileMerges, ThreePartsLeaveOnlyTheDestinationWithTheFirstPartsTime) {
  writeText(setupDirectory / "BIG.1", "one-");
  writeText(setupDirectory / "BIG.2", "two-");
  writeText(setupDirectory / "BIG.3", "three");
  setTime(setupDirectory / "BIG.1", -600);
  setTime(setupDirectory / "BIG.2", 600);
  setTime(setupDirectory / "BIG.3", 1200);
  fs::create_directories(cDrive() / "APP");

  EXPECT_EQ(run(runMerge, R"($A\\BIG.DAT BIG.1 BIG.2 BIG.3)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "APP" / "BIG.DAT"), "one-two-three");
  EXPECT_EQ(timeOf(cDrive() / "APP" / "BIG.DAT"), -600);
  EXPECT_EQ(entryNames(setupDirectory), std::vector<std::string>{});
  EXPECT_EQ(ui.statuses, std::vector<std::string>{"Create 'C:\\APP\\BIG.DAT' File."});
}

TEST_F(FileMerges, AnExistingDestinationIsReplacedAndAMissingPartLeftOut) {
  writeText(cDrive() / "OUT.DAT", "stale content");
  setTime(cDrive() / "OUT.DAT", -86400);
  writeText(setupDirectory / "P1", "a");
  writeText(setupDirectory / "P3", "c");
  ui.answers = {ButtonCode::OK};
  EXPECT_EQ(run(runMerge, R"(C:\\OUT.DAT P1 P2 P3)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "OUT.DAT"), "ac");
  EXPECT_EQ(ui.boxNumbers(), std::vector<int>{1010});
}

using FileExpansion = FileCommandTest;

TEST_F(FileExpansion, LzCopyTurnsAEx_IntoAExe) {
  const std::string program = "MZ program program program program data data data\r\n";
  writeText(setupDirectory / "A.EX_", compressSzdd(program, 'E'));
  writeText(setupDirectory / "B.DL_", compressSzdd("library", 'L'));
  writeText(setupDirectory / "PLAIN.TXT", "not compressed");
  setTime(setupDirectory / "A.EX_", -1800);
  fs::create_directories(cDrive() / "APP");

  EXPECT_EQ(run(runExpandCopy, R"(*.* $A\\)"), StepResult::GO_ON);
  EXPECT_EQ(entryNames(cDrive() / "APP"), (std::vector<std::string>{"A.EXE", "B.DLL", "PLAIN.TXT"}));
  EXPECT_EQ(readText(cDrive() / "APP" / "A.EXE"), program);
  EXPECT_EQ(readText(cDrive() / "APP" / "PLAIN.TXT"), "not compressed");
  EXPECT_EQ(timeOf(cDrive() / "APP" / "A.EXE"), -1800);
  EXPECT_EQ(ui.statuses.front(), "'A.EX_' to 'C:\\APP\\A.EXE' copying...");

  // A name of its own stays.
  EXPECT_EQ(run(runExpandCopy, R"(A.EX_ $A\\SETUP.BIN)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "APP" / "SETUP.BIN"), program);
}

TEST_F(FileExpansion, ATruncatedFileIsReportedAndNotInstalled) {
  std::string data;
  for (int line = 0; line < 200; ++line) data += "line " + std::to_string(line) + " of the text\n";
  std::string compressed = compressSzdd(data, 'T');
  writeText(setupDirectory / "LONG.TX_", compressed.substr(0, compressed.size() / 2));
  fs::create_directories(cDrive() / "APP");
  ui.answers = {ButtonCode::OK};

  EXPECT_EQ(run(runExpandCopy, R"(LONG.TX_ $A\\)"), StepResult::GO_ON);
  EXPECT_TRUE(entryNames(cDrive() / "APP").empty());
  ASSERT_EQ(ui.boxNumbers(), std::vector<int>{318});
  EXPECT_EQ(ui.boxes[0].text, ">LONG.TX_ is Failed. \nERRCODE = -3");
}

TEST_F(FileExpansion, TreeCopyExpandsEveryLevel) {
  writeText(setupDirectory / "DISK" / "A.TX_", compressSzdd("aaaa aaaa aaaa", 'T'));
  writeText(setupDirectory / "DISK" / "SUB" / "B.IN_", compressSzdd("bbbb", 'I'));
  EXPECT_EQ(run(runExpandTreeCopy, R"(DISK $A)"), StepResult::GO_ON);
  EXPECT_EQ(readText(cDrive() / "APP" / "A.TXT"), "aaaa aaaa aaaa");
  EXPECT_EQ(readText(cDrive() / "APP" / "SUB" / "B.INI"), "bbbb");
}

using FileAttributeCommand = FileCommandTest;

TEST_F(FileAttributeCommand, WordsAnywhereInTheArgumentAndSystemFilesUntouched) {
  EXPECT_EQ(attributesNamedIn("ReadOnly|hidden"), platform::ATTRIBUTE_READONLY | platform::ATTRIBUTE_HIDDEN);
  EXPECT_EQ(attributesNamedIn("NORMAL"), platform::ATTRIBUTE_NORMAL);
  EXPECT_EQ(attributesNamedIn("ARCHIVE,SYSTEM,TEMPORARY"),
            platform::ATTRIBUTE_ARCHIVE | platform::ATTRIBUTE_SYSTEM | platform::ATTRIBUTE_TEMPORARY);

  writeText(cDrive() / "APP" / "A.DAT", "a");
  writeText(cDrive() / "APP" / "B.DAT", "b");
  writeText(cDrive() / "APP" / "S.DAT", "s");
  fs::create_directories(cDrive() / "APP" / "D.DAT");
  ASSERT_TRUE(platform::setFileAttributes(entryAt(cDrive() / "APP" / "S.DAT"), platform::ATTRIBUTE_SYSTEM).ok());

  EXPECT_EQ(run(runSetAttribute, R"($A\\*.DAT READONLY,HIDDEN)"), StepResult::GO_ON);
  uint32_t readOnlyHidden = platform::ATTRIBUTE_READONLY | platform::ATTRIBUTE_HIDDEN;
  EXPECT_EQ(*platform::fileAttributes(cDrive() / "APP" / "A.DAT"), readOnlyHidden);
  EXPECT_EQ(*platform::fileAttributes(cDrive() / "APP" / "B.DAT"), readOnlyHidden);
  EXPECT_EQ(*platform::fileAttributes(cDrive() / "APP" / "S.DAT"), platform::ATTRIBUTE_SYSTEM);
  EXPECT_EQ(*platform::fileAttributes(cDrive() / "APP" / "D.DAT"), platform::ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(ui.statuses, (std::vector<std::string>{"'C:\\APP\\A.DAT' file set attributes.",
                                                   "'C:\\APP\\B.DAT' file set attributes."}));

  // A later command sees them: REMOVE cannot delete the read-only files until NORMAL gives them back.
  EXPECT_EQ(run(runRemove, R"($A\\*.DAT)"), StepResult::GO_ON);
  EXPECT_TRUE(fs::exists(cDrive() / "APP" / "A.DAT"));
  EXPECT_EQ(run(runSetAttribute, R"($A\\*.DAT normal)"), StepResult::GO_ON);
  EXPECT_EQ(*platform::fileAttributes(cDrive() / "APP" / "A.DAT"), platform::ATTRIBUTE_NORMAL);
}

using FileRemoval = FileCommandTest;

TEST_F(FileRemoval, OnlyFilesOfThatDirectory) {
  writeText(cDrive() / "APP" / "A.TMP", "a");
  writeText(cDrive() / "APP" / "B.TXT", "b");
  writeText(cDrive() / "APP" / "SUB" / "C.TMP", "c");
  fs::create_directories(cDrive() / "APP" / "D.TMP");
  EXPECT_EQ(run(runRemove, R"($A\\*.TMP)"), StepResult::GO_ON);
  EXPECT_EQ(entryNames(cDrive() / "APP"), (std::vector<std::string>{"B.TXT", "D.TMP", "SUB"}));
  EXPECT_TRUE(fs::exists(cDrive() / "APP" / "SUB" / "C.TMP"));
  EXPECT_EQ(ui.statuses, std::vector<std::string>{"Remove 'C:\\APP\\A.TMP' file."});
}

TEST_F(FileRemoval, NothingOutsideTheWindowsWorld) {
  fs::path outside = folder.path() / "outside" / "KEEP.TXT";
  writeText(outside, "keep");
  ui.answers = {ButtonCode::OK, ButtonCode::OK};
  EXPECT_EQ(run(runRemove, "Z:" + outside.parent_path().string() + "/*.*"), StepResult::GO_ON);
  EXPECT_EQ(run(runTreeRemove, "Z:" + outside.parent_path().string()), StepResult::GO_ON);
  EXPECT_EQ(readText(outside), "keep");
  EXPECT_EQ(ui.boxNumbers(), (std::vector<int>{MSG_FAILURE_FORMAT, MSG_FAILURE_FORMAT}));
  EXPECT_EQ(state.problems.size(), 2u);
}

}  // namespace
}  // namespace installer::test
