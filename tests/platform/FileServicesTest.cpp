// The system layer's file services behind the file commands: attributes, Windows-style copies and deletes, and
// the LZ expansion of SZDD files.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/FileAttributes.h"
#include "platform/FileOperations.h"
#include "platform/LzExpand.h"
#include "tests/platform/SzddWriter.h"
#include "tests/platform/TestSupport.h"

namespace installer::test {
namespace {

namespace fs = std::filesystem;
using platform::test::entryAt;
using platform::test::entryNames;
using platform::test::readText;
using platform::test::succeeded;
using platform::test::TemporaryFolder;
using platform::test::writeText;

TEST(FileAttributes, ReadOnlyIsTheWriteBitAndTheOthersAreStoredWithTheFile) {
  TemporaryFolder folder;
  fs::path file = folder.path() / "A.TXT";
  writeText(file, "a");
  EXPECT_EQ(*platform::fileAttributes(file), platform::ATTRIBUTE_NORMAL);

  uint32_t bits = platform::ATTRIBUTE_READONLY | platform::ATTRIBUTE_HIDDEN | platform::ATTRIBUTE_ARCHIVE;
  ASSERT_TRUE(succeeded(platform::setFileAttributes(entryAt(file), bits)));
  EXPECT_EQ(*platform::fileAttributes(file), bits);
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all & (fs::perms::owner_write | fs::perms::group_write |
                                                                 fs::perms::others_write),
            fs::perms::none);
  EXPECT_TRUE(platform::isReadOnly(file));

  ASSERT_TRUE(
      succeeded(platform::setFileAttributes(entryAt(file), platform::ATTRIBUTE_NORMAL | platform::ATTRIBUTE_SYSTEM)));
  EXPECT_EQ(*platform::fileAttributes(file), platform::ATTRIBUTE_SYSTEM);  // NORMAL beside others is ignored
  ASSERT_TRUE(succeeded(platform::setFileAttributes(entryAt(file), 0)));
  EXPECT_EQ(*platform::fileAttributes(file), platform::ATTRIBUTE_NORMAL);
  EXPECT_FALSE(platform::isReadOnly(file));

  EXPECT_EQ(platform::fileAttributes(folder.path() / "missing").error().code, 2);
}

TEST(FileOperations, ReadOnlyFilesAreNeitherOverwrittenNorDeleted) {
  TemporaryFolder folder;
  fs::path source = folder.path() / "SOURCE";
  fs::path locked = folder.path() / "LOCKED";
  writeText(source, "new");
  writeText(locked, "old");
  ASSERT_TRUE(succeeded(platform::setFileAttributes(entryAt(locked), platform::ATTRIBUTE_READONLY)));

  EXPECT_EQ(platform::copyFile(source, entryAt(locked)).error().code, 5);
  EXPECT_EQ(platform::deleteFile(entryAt(locked)).error().code, 5);
  EXPECT_EQ(platform::appendFile(source, entryAt(locked)).error().code, 5);
  EXPECT_EQ(readText(locked), "old");
  EXPECT_EQ(entryNames(folder.path()), (std::vector<std::string>{"LOCKED", "SOURCE"}));
}

TEST(FileOperations, CopiesKeepTimeAndAttributesAndMovesNeverReplace) {
  TemporaryFolder folder;
  fs::path source = folder.path() / "A";
  writeText(source, "content");
  ASSERT_TRUE(succeeded(platform::setFileAttributes(entryAt(source), platform::ATTRIBUTE_HIDDEN)));
  fs::file_time_type time = fs::last_write_time(source) - std::chrono::hours(30);
  fs::last_write_time(source, time);

  writeText(folder.path() / "B", "to be replaced");
  ASSERT_TRUE(succeeded(platform::copyFile(source, entryAt(folder.path() / "B"))));
  EXPECT_EQ(readText(folder.path() / "B"), "content");
  EXPECT_EQ(fs::last_write_time(folder.path() / "B"), time);
  EXPECT_EQ(*platform::fileAttributes(folder.path() / "B"), platform::ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(succeeded(platform::copyFile(source, entryAt(source))));  // onto itself: nothing lost
  EXPECT_EQ(readText(source), "content");

  EXPECT_EQ(platform::moveFile(entryAt(source), entryAt(folder.path() / "B")).error().code, 80);
  ASSERT_TRUE(succeeded(platform::moveFile(entryAt(source), entryAt(folder.path() / "C"))));
  EXPECT_EQ(entryNames(folder.path()), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(platform::copyFile(folder.path() / "missing", entryAt(folder.path() / "D")).error().code, 2);
}

// A link at the name of an entry being changed is never followed: it is replaced, moved or deleted itself, or
// the change is refused; the file it points to stays exactly as it was.
TEST(FileOperations, ALinkAtTheNameIsChangedItselfOrRefusedNeverFollowed) {
  TemporaryFolder folder;
  fs::path target = folder.path() / "canary" / "TARGET";
  writeText(target, "target");
  fs::path source = folder.path() / "SOURCE";
  writeText(source, "source");
  auto plantLink = [&](const std::string& name) {
    fs::remove(folder.path() / name);
    fs::create_symlink(target, folder.path() / name);
    return folder.path() / name;
  };
  auto unchanged = [&]() {
    EXPECT_EQ(readText(target), "target");
    EXPECT_EQ(*platform::fileAttributes(target), platform::ATTRIBUTE_NORMAL);
  };

  fs::path link = plantLink("COPY");
  ASSERT_TRUE(succeeded(platform::copyFile(source, entryAt(link))));
  EXPECT_FALSE(fs::is_symlink(link));
  EXPECT_EQ(readText(link), "source");
  unchanged();

  link = plantLink("EXPANDED");
  ASSERT_TRUE(succeeded(platform::expandFile(source, entryAt(link))));
  EXPECT_FALSE(fs::is_symlink(link));
  unchanged();

  link = plantLink("APPEND");
  EXPECT_EQ(platform::appendFile(source, entryAt(link)).error().code, 5);
  EXPECT_EQ(platform::setFileAttributes(entryAt(link), platform::ATTRIBUTE_READONLY).error().code, 5);
  EXPECT_EQ(platform::makeDirectory(entryAt(link)).error().code, 80);
  fs::file_time_type targetTime = fs::last_write_time(target);
  ASSERT_TRUE(succeeded(platform::setModificationTime(entryAt(link), targetTime - std::chrono::hours(48))));
  EXPECT_EQ(fs::last_write_time(target), targetTime);
  unchanged();

  ASSERT_TRUE(succeeded(platform::moveFile(entryAt(link), entryAt(folder.path() / "MOVED"))));
  EXPECT_TRUE(fs::is_symlink(folder.path() / "MOVED"));
  ASSERT_TRUE(succeeded(platform::deleteFile(entryAt(folder.path() / "MOVED"))));
  EXPECT_FALSE(fs::exists(fs::symlink_status(folder.path() / "MOVED")));
  unchanged();
}

TEST(FileLzExpand, ExpandsWithTheRecordedNameAndCopiesPlainFiles) {
  TemporaryFolder folder;
  std::string data;
  for (int index = 0; index < 3000; ++index) data += static_cast<char>("abcabcabd\n"[index % 10] + index / 1000);
  writeText(folder.path() / "DATA.TX_", compressSzdd(data, 'T'));
  writeText(folder.path() / "lower.tx_", compressSzdd("x", 'T'));
  writeText(folder.path() / "NONAME.TX_", compressSzdd("y", '\0'));
  writeText(folder.path() / "PLAIN.TX_", "plain");

  platform::Result<std::optional<platform::CompressedFileHeader>> header =
      platform::readCompressedHeader(folder.path() / "DATA.TX_");
  ASSERT_TRUE(succeeded(header));
  ASSERT_TRUE(header->has_value());
  EXPECT_EQ((*header)->expandedLength, data.size());
  EXPECT_EQ((*header)->lastCharacter, 'T');
  EXPECT_FALSE(platform::readCompressedHeader(folder.path() / "PLAIN.TX_")->has_value());

  EXPECT_EQ(*platform::expandedName(folder.path() / "DATA.TX_"), "DATA.TXT");
  EXPECT_EQ(*platform::expandedName(folder.path() / "lower.tx_"), "lower.txt");
  EXPECT_EQ(*platform::expandedName(folder.path() / "NONAME.TX_"), "NONAME.TX_");
  EXPECT_EQ(*platform::expandedName(folder.path() / "PLAIN.TX_"), "PLAIN.TX_");
  // A header cannot turn the name into a path: separators and dots are not taken.
  for (char hostile : {'/', '\\', '.', '\n'}) {
    writeText(folder.path() / "._", compressSzdd("z", hostile));
    EXPECT_EQ(*platform::expandedName(folder.path() / "._"), "._") << int(hostile);
  }
  fs::remove(folder.path() / "._");

  ASSERT_TRUE(succeeded(platform::expandFile(folder.path() / "DATA.TX_", entryAt(folder.path() / "DATA.TXT"))));
  EXPECT_EQ(readText(folder.path() / "DATA.TXT"), data);
  ASSERT_TRUE(succeeded(platform::expandFile(folder.path() / "PLAIN.TX_", entryAt(folder.path() / "PLAIN.TXT"))));
  EXPECT_EQ(readText(folder.path() / "PLAIN.TXT"), "plain");
}

TEST(FileLzExpand, ACutOffFileFailsAndLeavesTheOldDestination) {
  TemporaryFolder folder;
  std::string data(5000, 'q');
  for (size_t index = 0; index < data.size(); index += 7) data[index] = static_cast<char>('a' + index % 26);
  std::string compressed = compressSzdd(data, 'T');
  for (size_t cut : {compressed.size() - 1, compressed.size() / 2, size_t{15}}) {
    writeText(folder.path() / "CUT.TX_", compressed.substr(0, cut));
    writeText(folder.path() / "CUT.TXT", "previous");
    platform::Result<void> expanded =
        platform::expandFile(folder.path() / "CUT.TX_", entryAt(folder.path() / "CUT.TXT"));
    ASSERT_FALSE(expanded.ok()) << "cut at " << cut;
    EXPECT_EQ(expanded.error().code, platform::LZ_ERROR_READ);
    EXPECT_EQ(readText(folder.path() / "CUT.TXT"), "previous");
    EXPECT_EQ(entryNames(folder.path()), (std::vector<std::string>{"CUT.TXT", "CUT.TX_"}));
  }
}

}  // namespace
}  // namespace installer::test
