#include "converter/export/DxfFileOutput.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "ExportTestSupport.h"
#include "converter/export/DxfMemoryOutput.h"
#include "platform/SystemErrors.h"

namespace converter {
namespace {

using test::entryNames;
using test::readText;
using test::TemporaryFolder;

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

mode_t modeOf(const std::filesystem::path& path) {
  struct stat status {};
  EXPECT_EQ(stat(path.c_str(), &status), 0);
  return status.st_mode & 07777;
}

TEST(DxfFileOutput, CommitPutsTheWholeFileInPlace) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "new.dxf";
  platform::Result<std::unique_ptr<DxfFileOutput>> output = DxfFileOutput::create(path);
  ASSERT_TRUE(output.ok()) << output.error().describe();
  // More than one buffer's worth, so that some of it reaches the file before the commit.
  std::string line = "  0\r\nLINE\r\n";
  std::string expected;
  for (int count = 0; count < 20000; ++count) {
    output.value()->write(line);
    expected += line;
  }
  EXPECT_FALSE(std::filesystem::exists(path)) << "nothing is in place before the commit";

  ASSERT_TRUE(output.value()->commit().ok());
  EXPECT_EQ(readText(path), expected);
  EXPECT_EQ(modeOf(path), 0644u);
  EXPECT_EQ(entryNames(folder.path()), std::vector<std::string>{"new.dxf"});
}

/// The same writes to any output: text, real groups, text groups (one with line breaks in its value), and
/// a text and a group larger than any buffer, many times over so that buffers fill and are handed on.
void writeMixedGroups(DxfOutput& output) {
  const std::string large(300 * 1024, 'x');
  for (int round = 0; round < 3000; ++round) {
    output.write("  0\r\nVERTEX\r\n");
    output.writeReal(10, round * 0.125);
    output.writeReal(-5, -round / 3.0);
    output.writeReal(1071, 1e20);
    output.writeGroup(70, "1");
    output.writeGroup(1, "two\r\nlines");
    if (round % 1000 == 0) {
      output.write(large);
      output.writeGroup(1000, large);
    }
  }
}

// Writes are gathered in a compact form and formatted later, on the file's writing thread; the file must hold
// exactly the text an unbuffered output formats at once.
TEST(DxfFileOutput, HoldsTheTextOfEveryKindOfWrite) {
  DxfMemoryOutput memory;
  writeMixedGroups(memory);
  const std::string firstRound = "  0\r\nVERTEX\r\n 10\r\n0.000000\r\n -5\r\n0.000000\r\n1071\r\n"
                                 "100000000000000000000.000000\r\n 70\r\n1\r\n  1\r\ntwolines\r\n";
  EXPECT_EQ(memory.text().substr(0, firstRound.size()), firstRound);

  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "mixed.dxf";
  platform::Result<std::unique_ptr<DxfFileOutput>> file = DxfFileOutput::create(path);
  ASSERT_TRUE(file.ok()) << file.error().describe();
  writeMixedGroups(*file.value());
  ASSERT_TRUE(file.value()->commit().ok());
  const std::string written = readText(path);
  EXPECT_EQ(written.size(), memory.text().size());
  EXPECT_TRUE(written == memory.text()) << "the file differs from the text formatted at once";
}

TEST(DxfFileOutput, ReplacesAnExistingFileKeepingItsModeAndLinks) {
  TemporaryFolder folder;
  std::filesystem::path real = folder.path() / "real.dxf";
  std::filesystem::path link = folder.path() / "link.dxf";
  writeFile(real, "old");
  ASSERT_EQ(chmod(real.c_str(), 0600), 0);
  std::filesystem::create_symlink(real, link);

  platform::Result<std::unique_ptr<DxfFileOutput>> output = DxfFileOutput::create(link);
  ASSERT_TRUE(output.ok());
  output.value()->write("new");
  ASSERT_TRUE(output.value()->commit().ok());

  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readText(real), "new");
  EXPECT_EQ(modeOf(real), 0600u);
}

TEST(DxfFileOutput, UncommittedOutputLeavesThePathAsItWas) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "drawing.dxf";
  writeFile(path, "old");
  {
    platform::Result<std::unique_ptr<DxfFileOutput>> output = DxfFileOutput::create(path);
    ASSERT_TRUE(output.ok());
    output.value()->write("half a drawing");
  }
  EXPECT_EQ(readText(path), "old");
  EXPECT_EQ(entryNames(folder.path()), std::vector<std::string>{"drawing.dxf"});
}

TEST(DxfFileOutput, FolderThatTakesNoFileIsReportedAtOnce) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "no such folder" / "drawing.dxf";
  platform::Result<std::unique_ptr<DxfFileOutput>> output = DxfFileOutput::create(path);
  ASSERT_FALSE(output.ok());
  EXPECT_EQ(output.error().code, platform::ERROR_WRITE_FAULT);
  EXPECT_EQ(output.error().where, path.string());
  EXPECT_NE(output.error().message.find("cannot create"), std::string::npos) << output.error().message;
}

TEST(DxfFileOutput, WriteErrorIsStickyAndReportedByTheCommit) {
  TemporaryFolder folder;
  std::filesystem::path path = folder.path() / "drawing.dxf";
  writeFile(path, "old");
  platform::Result<std::unique_ptr<DxfFileOutput>> output = DxfFileOutput::create(path);
  ASSERT_TRUE(output.ok());
  DxfFileOutput& file = *output.value();

  // A file-size limit makes the writes fail (EFBIG) whoever runs the test; SIGXFSZ would end the process, so
  // it is ignored meanwhile.
  rlimit previousLimit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
  rlimit smallLimit = previousLimit;
  smallLimit.rlim_cur = 1000;
  sighandler_t previousHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &smallLimit), 0);
  // The bytes reach the file on a thread of the output's own, so a failure shows at a later write or, at the
  // latest, in the commit; the blocks are larger than the output's buffer, so both go to the file.
  std::string block(1024 * 1024, 'x');
  file.write(block);
  file.write(block);
  platform::Result<void> committed = file.commit();
  setrlimit(RLIMIT_FSIZE, &previousLimit);
  signal(SIGXFSZ, previousHandler);

  EXPECT_TRUE(file.failed());
  ASSERT_FALSE(committed.ok());
  EXPECT_EQ(committed.error().code, platform::ERROR_WRITE_FAULT);
  EXPECT_EQ(committed.error().where, path.string());
  EXPECT_NE(committed.error().message.find("cannot write"), std::string::npos) << committed.error().message;
  EXPECT_EQ(readText(path), "old");
  EXPECT_EQ(entryNames(folder.path()), std::vector<std::string>{"drawing.dxf"});
}

}  // namespace
}  // namespace converter
