// The Windows world under a root folder: drives, case-insensitive paths, special folders, free space, and the
// boundary that nothing is written outside the root and the setup directory.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/DriveMap.h"
#include "tests/platform/TestSupport.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnvironment;
using test::TemporaryFolder;

TEST(DriveMap, PrepareAndDrives) {
  TemporaryFolder folder;
  DriveMap drives(folder.path() / "root");
  ASSERT_TRUE(test::succeeded(drives.prepare()));
  EXPECT_TRUE(fs::is_directory(folder.path() / "root" / "c" / "WINDOWS" / "SYSTEM"));
  fs::create_directories(folder.path() / "root" / "d");
  EXPECT_EQ(drives.drives(), (std::vector<char>{'C', 'D', 'Z'}));
  EXPECT_EQ(*drives.driveFolder('z'), fs::path("/"));
  EXPECT_EQ(drives.driveFolder('Q').error().code, DriveMap::PATH_NOT_FOUND);
}

TEST(DriveMap, PathsMatchWithoutCaseAndStayInTheirDrive) {
  TemporaryFolder folder;
  DriveMap drives(folder.path());
  ASSERT_TRUE(test::succeeded(drives.prepare()));
  fs::path system = folder.path() / "c" / "WINDOWS" / "SYSTEM";
  fs::create_directories(folder.path() / "c" / "Program Files" / "Demo");

  const std::pair<const char*, fs::path> cases[] = {
      {"C:\\WINDOWS\\SYSTEM", system},
      {"c:\\windows\\system\\new.dll", system / "new.dll"},
      {"C:/Windows/System/", system},
      {"C:\\PROGRAM FILES\\demo\\x\\..\\y", folder.path() / "c" / "Program Files" / "Demo" / "y"},
      {"C:\\..\\..\\etc\\passwd", folder.path() / "c" / "etc" / "passwd"},
      {"C:", folder.path() / "c"},
      {"Z:\\tmp", fs::path("/tmp")},
  };
  for (const auto& [windows, linux] : cases) {
    Result<fs::path> mapped = drives.toLinux(windows);
    ASSERT_TRUE(test::succeeded(mapped)) << windows;
    EXPECT_EQ(*mapped, linux) << windows;
  }

  EXPECT_EQ(*drives.toLinux("SUB\\..\\..\\A.TXT", system), system / "A.TXT");
  EXPECT_FALSE(drives.toLinux("A.TXT").ok());
  EXPECT_FALSE(drives.toLinux("\\A.TXT", system).ok());
  EXPECT_EQ(drives.toLinux("D:\\X").error().code, DriveMap::PATH_NOT_FOUND);
}

TEST(DriveMap, WindowsNamesOfLinuxPaths) {
  TemporaryFolder folder;
  DriveMap drives(folder.path());
  ASSERT_TRUE(test::succeeded(drives.prepare()));
  EXPECT_EQ(drives.toWindows(folder.path() / "c" / "Program Files" / "Demo"), "C:\\Program Files\\Demo");
  EXPECT_EQ(drives.toWindows(folder.path() / "c"), "C:\\");
  EXPECT_EQ(drives.toWindows("/usr/share"), "Z:\\usr\\share");
  EXPECT_EQ(drives.toWindows("/"), "Z:\\");
}

TEST(DriveMap, SpecialFoldersLieOnDriveC) {
  EXPECT_EQ(DriveMap::specialFolder(5), "C:\\users\\user\\Documents");
  EXPECT_EQ(DriveMap::specialFolder(36), DriveMap::windowsDirectory());
  EXPECT_EQ(DriveMap::specialFolder(37), DriveMap::systemDirectory());
  EXPECT_EQ(DriveMap::specialFolder(99), "");
}

TEST(DriveMap, FreeSpace) {
  TemporaryFolder folder;
  DriveMap drives(folder.path());
  ASSERT_TRUE(test::succeeded(drives.prepare()));
  ScopedEnvironment environment;
  environment.unset("PLATFORM_FREE_SPACE");
  Result<uint64_t> measured = drives.freeSpaceKb("C:\\NOT\\THERE\\YET");
  ASSERT_TRUE(test::succeeded(measured));
  EXPECT_GT(*measured, 0u);
  environment.set("PLATFORM_FREE_SPACE", "D=7, c=500");
  EXPECT_EQ(*drives.freeSpaceKb("C:\\APP"), 500u);
  EXPECT_FALSE(drives.freeSpaceKb("D:\\").ok());  // the drive does not exist, whatever the variable says
  EXPECT_FALSE(drives.freeSpaceKb("APP").ok());
}

TEST(DriveMap, WritesStayInsideTheRootAndTheSetupDirectory) {
  TemporaryFolder folder;
  DriveMap drives(folder.path() / "root");
  fs::path setup = folder.path() / "setup";
  EXPECT_TRUE(drives.mayWrite(folder.path() / "root" / "c" / "A.TXT", setup));
  EXPECT_TRUE(drives.mayWrite(setup / "B.TXT", setup));
  EXPECT_FALSE(drives.mayWrite(folder.path() / "root" / ".." / "escape", setup));
  EXPECT_FALSE(drives.mayWrite(folder.path() / "rootless", setup));
  EXPECT_FALSE(drives.mayWrite("/etc/passwd"));
}

}  // namespace
}  // namespace platform
