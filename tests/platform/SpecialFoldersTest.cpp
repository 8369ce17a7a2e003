#include "platform/SpecialFolders.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/SystemErrors.h"

namespace platform {
namespace {

using test::succeeded;

// Each test gets a home folder of its own, no XDG_CONFIG_HOME and no PLATFORM_DOCUMENTS.
class DocumentsFolderTest : public ::testing::Test {
protected:
  void SetUp() override {
    environment.set("HOME", home.path().string());
    environment.unset("XDG_CONFIG_HOME");
    environment.unset("PLATFORM_DOCUMENTS");
  }

  std::filesystem::path folder() {
    Result<std::filesystem::path> documents = documentsFolder();
    EXPECT_TRUE(succeeded(documents));
    return documents.ok() ? documents.value() : std::filesystem::path();
  }

  test::TemporaryFolder home;
  test::ScopedEnvironment environment;
};

TEST_F(DocumentsFolderTest, PlatformDocumentsComesFirst) {
  test::writeText(home.path() / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  environment.set("PLATFORM_DOCUMENTS", "/scratch/documents//");
  EXPECT_EQ(folder(), std::filesystem::path("/scratch/documents"));
}

TEST_F(DocumentsFolderTest, UserDirsComeNext) {
  test::writeText(home.path() / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  EXPECT_EQ(folder(), home.path() / "Dokumente");
}

TEST_F(DocumentsFolderTest, UserDirsFollowXdgConfigHome) {
  test::TemporaryFolder config;
  environment.set("XDG_CONFIG_HOME", config.path().string());
  test::writeText(home.path() / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Unused\"\n");
  test::writeText(config.path() / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/srv/papers/\"\n");
  EXPECT_EQ(folder(), std::filesystem::path("/srv/papers"));
}

TEST_F(DocumentsFolderTest, HomeDocumentsIsTheLastResort) {
  EXPECT_EQ(folder(), home.path() / "Documents");
  environment.set("HOME", home.path().string() + "/");
  EXPECT_EQ(folder(), home.path() / "Documents");
}

TEST_F(DocumentsFolderTest, EmptyVariablesCountAsUnset) {
  environment.set("PLATFORM_DOCUMENTS", "");
  environment.set("XDG_CONFIG_HOME", "");
  test::writeText(home.path() / ".config" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
  EXPECT_EQ(folder(), home.path() / "Docs");
}

struct UserDirsCase {
  const char* name;
  const char* text;
  const char* expected;  // below the home folder when relative
};

// Test names in CTest show the case's name, not its bytes.
void PrintTo(const UserDirsCase& each, std::ostream* out) { *out << each.name; }

class UserDirsTest : public DocumentsFolderTest, public ::testing::WithParamInterface<UserDirsCase> {};

TEST_P(UserDirsTest, GivesTheDocumentsFolder) {
  test::writeText(home.path() / ".config" / "user-dirs.dirs", GetParam().text);
  std::filesystem::path expected = GetParam().expected;
  EXPECT_EQ(folder(), expected.is_absolute() ? expected : home.path() / expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, UserDirsTest,
    ::testing::Values(
        UserDirsCase{"AsWrittenByXdgUserDirs",
                     "# This file is written by xdg-user-dirs-update\n"
                     "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                     "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
                     "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n",
                     "Documents"},
        UserDirsCase{"Absolute", "XDG_DOCUMENTS_DIR=\"/data/Docs\"\n", "/data/Docs"},
        UserDirsCase{"TrailingSlash", "XDG_DOCUMENTS_DIR=\"$HOME/Papers/\"\n", "Papers"},
        UserDirsCase{"Escapes", "XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"\n", "My \"Docs\""},
        UserDirsCase{"Blanks", "  XDG_DOCUMENTS_DIR = \"$HOME/Spaced Out\"\n", "Spaced Out"},
        UserDirsCase{"NonAscii", "XDG_DOCUMENTS_DIR=\"$HOME/ドキュメント\"\n", "ドキュメント"},
        UserDirsCase{"LastLineWins",
                     "XDG_DOCUMENTS_DIR=\"$HOME/First\"\n"
                     "XDG_DOCUMENTS_DIR=\"$HOME/Second\"\n",
                     "Second"},
        UserDirsCase{"SwitchedOffFallsBack", "XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "Documents"},
        UserDirsCase{"RelativeIsIgnored", "XDG_DOCUMENTS_DIR=\"Papers\"\n", "Documents"},
        UserDirsCase{"OtherVariableIsIgnored", "XDG_DOCUMENTS_DIR=\"$HOMER/Papers\"\n", "Documents"},
        UserDirsCase{"UnclosedIsIgnored", "XDG_DOCUMENTS_DIR=\"$HOME/Papers\n", "Documents"},
        UserDirsCase{"CommentedOut", "# XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n", "Documents"},
        UserDirsCase{"OtherKeyOnly", "XDG_MUSIC_DIR=\"$HOME/Music\"\n", "Documents"}),
    [](const ::testing::TestParamInfo<UserDirsCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace platform
