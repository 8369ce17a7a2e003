// The Windows world under a root folder: drives, case-insensitive paths, special folders, free space, and the
// boundary that nothing is changed outside the drives and the setup directory.

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

// Changes resolve beneath a drive folder or the setup directory, and no link on the way leads out of them;
// both ways of resolving (openat2, and one component at a time) give the same answers.
TEST(DriveMap, ChangesResolveBeneathTheDrivesAndTheSetupDirectoryWithoutLeavingThroughALink) {
  TemporaryFolder folder;
  DriveMap drives(folder.path() / "root");
  ASSERT_TRUE(test::succeeded(drives.prepare()));
  fs::path c = folder.path() / "root" / "c";
  fs::path setup = folder.path() / "setup";
  fs::path canary = folder.path() / "canary";
  fs::create_directories(c / "APP" / "inner");
  fs::create_directories(setup);
  fs::create_directories(canary);
  fs::create_directory_symlink(canary, c / "APP" / "out");       // absolute, leads out
  fs::create_directory_symlink("../../../canary", c / "APP" / "up");  // relative, leads out
  fs::create_directory_symlink("inner", c / "APP" / "in");         // relative, stays inside
  fs::create_directory_symlink("/", setup / "LINK");
  fs::create_directories(folder.path() / "elsewhere");
  fs::create_directory_symlink(folder.path() / "elsewhere", folder.path() / "root" / "e");  // the user's own drive

  struct Case {
    fs::path path;
    int32_t code;  // 0: allowed
  };
  const Case cases[] = {
      {c / "APP" / "A.TXT", 0},
      {c / "A.TXT", 0},
      {setup / "B.TXT", 0},
      {c / "APP" / "out", 0},  // the link itself may be replaced or deleted; it is not followed
      {c / "APP" / "out" / "F.TXT", 5},
      {c / "APP" / "up" / "F.TXT", 5},
      {setup / "LINK" / canary.relative_path() / "F.TXT", 5},
      {c, 5},                                      // a drive folder itself is no entry of a drive
      {folder.path() / "root" / "d" / "X", 5},     // no drive D:
      {folder.path() / "root" / "e" / "X", 0},     // a drive folder that is a link is the drive
      {folder.path() / "root" / "e", 5},
      {folder.path() / "root" / "registry.reg", 5},
      {folder.path() / "root" / ".." / "canary" / "F.TXT", 5},
      {canary / "F.TXT", 5},
      {"/etc/passwd", 5},
      {c / "MISSING" / "A.TXT", 2},
  };
  for (bool byComponents : {false, true}) {
    WriteScope scope;
    drives.allowDrives(scope);
    scope.allow(setup);
    scope.resolveByComponents(byComponents);
    for (const Case& example : cases) {
      Result<ContainedPath> resolved = scope.resolve(example.path);
      EXPECT_EQ(resolved.ok() ? 0 : resolved.error().code, example.code)
          << example.path << (byComponents ? " (by components)" : " (openat2)");
    }
    // A link that stays inside is followed by openat2's resolution; the component walk follows none.
    Result<ContainedPath> inside = scope.resolve(c / "APP" / "in" / "X");
    EXPECT_EQ(inside.ok() ? 0 : inside.error().code, byComponents ? 5 : 0);
  }
  EXPECT_TRUE(test::entryNames(canary).empty());
}

}  // namespace
}  // namespace platform
