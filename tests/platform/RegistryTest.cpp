#include "platform/Registry.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "TestSupport.h"
#include "platform/SystemErrors.h"

namespace platform {
namespace {

using test::entryNames;
using test::readText;
using test::succeeded;
using test::writeText;

constexpr RegistryRoot kUser = RegistryRoot::HKEY_CURRENT_USER;
constexpr std::string_view kProductKey = "Software\\Maker\\Product";

class RegistryTest : public ::testing::Test {
protected:
  void SetUp() override { setRegistryFile(file); }
  void TearDown() override { setRegistryFile({}); }

  test::TemporaryFolder folder;
  std::filesystem::path file = folder.path() / "config" / "registry.reg";
};

TEST_F(RegistryTest, MissingFileIsAnEmptyRegistry) {
  Result<uint32_t> number = readRegistryDword(kUser, kProductKey, "Count");
  ASSERT_FALSE(number.ok());
  EXPECT_EQ(number.error().code, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(number.error().where, file.string());

  Result<bool> exists = registryKeyExists(kUser, kProductKey);
  ASSERT_TRUE(succeeded(exists));
  EXPECT_FALSE(exists.value());
  Result<std::vector<std::string>> subkeys = listRegistrySubkeys(kUser, "");
  ASSERT_TRUE(succeeded(subkeys));
  EXPECT_TRUE(subkeys.value().empty());
  EXPECT_FALSE(std::filesystem::exists(file)) << "reading must not create the file";
}

TEST_F(RegistryTest, RoundTripThroughTheFile) {
  const std::string awkward = "C:\\Program Files\\\"Quoted\" \\\\server\\";
  ASSERT_TRUE(succeeded(writeRegistryString(kUser, kProductKey, "Path", awkward)));
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "Count", 0x1f)));
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "Max", 0xFFFFFFFFu)));
  ASSERT_TRUE(succeeded(writeRegistryString(kUser, kProductKey, "", "default")));
  ASSERT_TRUE(succeeded(writeRegistryString(kUser, kProductKey, "Name \"with\" quotes", "日本")));

  EXPECT_EQ(readText(file),
            "REGEDIT4\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Maker\\Product]\n"
            "\"Path\"=\"C:\\\\Program Files\\\\\\\"Quoted\\\" \\\\\\\\server\\\\\"\n"
            "\"Count\"=dword:0000001f\n"
            "\"Max\"=dword:ffffffff\n"
            "@=\"default\"\n"
            "\"Name \\\"with\\\" quotes\"=\"日本\"\n"
            "\n");

  Result<std::string> path = readRegistryString(kUser, kProductKey, "Path");
  ASSERT_TRUE(succeeded(path));
  EXPECT_EQ(path.value(), awkward);
  Result<uint32_t> count = readRegistryDword(kUser, kProductKey, "Count");
  ASSERT_TRUE(succeeded(count));
  EXPECT_EQ(count.value(), 0x1fu);
  Result<uint32_t> maximum = readRegistryDword(kUser, kProductKey, "Max");
  ASSERT_TRUE(succeeded(maximum));
  EXPECT_EQ(maximum.value(), 0xFFFFFFFFu);
  Result<std::string> defaultValue = readRegistryString(kUser, kProductKey, "");
  ASSERT_TRUE(succeeded(defaultValue));
  EXPECT_EQ(defaultValue.value(), "default");
  Result<std::string> quotedName = readRegistryString(kUser, kProductKey, "Name \"with\" quotes");
  ASSERT_TRUE(succeeded(quotedName));
  EXPECT_EQ(quotedName.value(), "日本");

  Result<std::vector<RegistryValue>> values = listRegistryValues(kUser, kProductKey);
  ASSERT_TRUE(succeeded(values));
  EXPECT_EQ(values.value(), (std::vector<RegistryValue>{{"Path", awkward},
                                                        {"Count", 0x1fu},
                                                        {"Max", 0xFFFFFFFFu},
                                                        {"", "default"},
                                                        {"Name \"with\" quotes", "日本"}}));
}

TEST_F(RegistryTest, NamesMatchWithoutCaseAndKeepTheirFirstSpelling) {
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, "Software\\QUILLMERE\\Pelmgate", "DXFTOAI_DLGFLG", 1)));
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, "SOFTWARE\\quillmere\\PELMGATE", "dxftoai_dlgflg", 2)));

  Result<uint32_t> flag = readRegistryDword(kUser, "software\\Quillmere\\pelmgate", "DxfToAi_DlgFlg");
  ASSERT_TRUE(succeeded(flag));
  EXPECT_EQ(flag.value(), 2u);
  Result<std::vector<std::string>> subkeys = listRegistrySubkeys(kUser, "SOFTWARE");
  ASSERT_TRUE(succeeded(subkeys));
  EXPECT_EQ(subkeys.value(), std::vector<std::string>{"QUILLMERE"});
  Result<std::vector<RegistryValue>> values = listRegistryValues(kUser, "Software\\QUILLMERE\\Pelmgate");
  ASSERT_TRUE(succeeded(values));
  EXPECT_EQ(values.value(), (std::vector<RegistryValue>{{"DXFTOAI_DLGFLG", 2u}}));
  // Case folding is ASCII only, as in the Windows registry's comparison of these names.
  Result<bool> exists = registryKeyExists(kUser, "Software\\QUILLMERE\\Pelmgate");
  ASSERT_TRUE(succeeded(exists));
  EXPECT_TRUE(exists.value());
}

TEST_F(RegistryTest, RootsAreSeparate) {
  ASSERT_TRUE(succeeded(writeRegistryString(RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Maker", "Where", "machine")));
  ASSERT_TRUE(succeeded(writeRegistryString(RegistryRoot::HKEY_CURRENT_USER, "Software\\Maker", "Where", "user")));
  Result<std::string> machine = readRegistryString(RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Maker", "Where");
  ASSERT_TRUE(succeeded(machine));
  EXPECT_EQ(machine.value(), "machine");
  Result<bool> inUsers = registryKeyExists(RegistryRoot::HKEY_USERS, "Software\\Maker");
  ASSERT_TRUE(succeeded(inUsers));
  EXPECT_FALSE(inUsers.value());
  // Sections come in the order of the roots, whatever order they were written in.
  EXPECT_EQ(readText(file),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER\\Software\\Maker]\n\"Where\"=\"user\"\n\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Maker]\n\"Where\"=\"machine\"\n\n");
}

TEST_F(RegistryTest, ReadsAFileWrittenByHand) {
  writeText(file,
            "\xEF\xBB\xBFREGEDIT4\r\n"
            "\r\n"
            "; written by hand\r\n"
            "[HKEY_CURRENT_USER]\r\n"
            "@=\"root default\"\r\n"
            "\r\n"
            "[hkey_current_user\\Software\\QUILLMERE\\Pelmgate]\r\n"
            "\"DXF_CNV_OUTL\"=DWORD:1F\r\n"
            "  \"Spaced\" = \"a b\"  \r\n"
            "[HKEY_CURRENT_USER\\Software\\QUILLMERE\\Pelmgate]\n"
            "\"Second\"=dword:00000002");

  Result<uint32_t> outline = readRegistryDword(kUser, "Software\\QUILLMERE\\Pelmgate", "DXF_CNV_OUTL");
  ASSERT_TRUE(succeeded(outline));
  EXPECT_EQ(outline.value(), 0x1fu);
  Result<std::string> spaced = readRegistryString(kUser, "Software\\QUILLMERE\\Pelmgate", "Spaced");
  ASSERT_TRUE(succeeded(spaced));
  EXPECT_EQ(spaced.value(), "a b");
  Result<uint32_t> second = readRegistryDword(kUser, "Software\\QUILLMERE\\Pelmgate", "Second");
  ASSERT_TRUE(succeeded(second));
  EXPECT_EQ(second.value(), 2u);
  Result<std::string> rootDefault = readRegistryString(kUser, "", "");
  ASSERT_TRUE(succeeded(rootDefault));
  EXPECT_EQ(rootDefault.value(), "root default");

  // A change rewrites the file in the canonical form, with the same content.
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, "Software\\QUILLMERE\\Pelmgate", "Third", 3)));
  EXPECT_EQ(readText(file),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER]\n@=\"root default\"\n\n"
            "[HKEY_CURRENT_USER\\Software\\QUILLMERE\\Pelmgate]\n"
            "\"DXF_CNV_OUTL\"=dword:0000001f\n\"Spaced\"=\"a b\"\n\"Second\"=dword:00000002\n"
            "\"Third\"=dword:00000003\n\n");
}

TEST_F(RegistryTest, AValueOfTheOtherTypeIsRefused) {
  ASSERT_TRUE(succeeded(writeRegistryString(kUser, kProductKey, "Text", "12")));
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "Number", 12)));
  Result<uint32_t> number = readRegistryDword(kUser, kProductKey, "Text");
  ASSERT_FALSE(number.ok());
  EXPECT_EQ(number.error().code, ERROR_UNSUPPORTED_TYPE);
  Result<std::string> text = readRegistryString(kUser, kProductKey, "Number");
  ASSERT_FALSE(text.ok());
  EXPECT_EQ(text.error().code, ERROR_UNSUPPORTED_TYPE);
  // Writing the other type replaces the value.
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "Text", 7)));
  Result<uint32_t> replaced = readRegistryDword(kUser, kProductKey, "Text");
  ASSERT_TRUE(succeeded(replaced));
  EXPECT_EQ(replaced.value(), 7u);
}

TEST_F(RegistryTest, CreateKeyMakesItsParentsAndListsThem) {
  ASSERT_TRUE(succeeded(createRegistryKey(kUser, "Software\\Maker\\First")));
  ASSERT_TRUE(succeeded(createRegistryKey(kUser, "Software\\Maker\\Second\\Deep")));
  ASSERT_TRUE(succeeded(createRegistryKey(kUser, "software\\maker\\first")));  // exists already: no change

  Result<std::vector<std::string>> subkeys = listRegistrySubkeys(kUser, "Software\\Maker");
  ASSERT_TRUE(succeeded(subkeys));
  EXPECT_EQ(subkeys.value(), (std::vector<std::string>{"First", "Second"}));
  Result<bool> deep = registryKeyExists(kUser, "Software\\Maker\\Second\\Deep");
  ASSERT_TRUE(succeeded(deep));
  EXPECT_TRUE(deep.value());
  Result<std::vector<RegistryValue>> values = listRegistryValues(kUser, "Software\\Maker\\First");
  ASSERT_TRUE(succeeded(values));
  EXPECT_TRUE(values.value().empty());
  // Empty keys keep a section of their own; their parents exist by implication.
  EXPECT_EQ(readText(file),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER\\Software\\Maker\\First]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Maker\\Second\\Deep]\n\n");
}

TEST_F(RegistryTest, DeleteKeyRemovesItsSubkeys) {
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, "Software\\Maker\\Product", "A", 1)));
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, "Software\\Maker\\Product\\Sub\\Deeper", "B", 2)));
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, "Software\\Maker\\Other", "C", 3)));

  ASSERT_TRUE(succeeded(deleteRegistryKey(kUser, "SOFTWARE\\MAKER\\PRODUCT")));

  for (std::string_view gone : {"Software\\Maker\\Product", "Software\\Maker\\Product\\Sub",
                                "Software\\Maker\\Product\\Sub\\Deeper"}) {
    Result<bool> exists = registryKeyExists(kUser, gone);
    ASSERT_TRUE(succeeded(exists));
    EXPECT_FALSE(exists.value()) << gone;
  }
  Result<uint32_t> other = readRegistryDword(kUser, "Software\\Maker\\Other", "C");
  ASSERT_TRUE(succeeded(other));
  EXPECT_EQ(other.value(), 3u);
  EXPECT_EQ(readText(file), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Maker\\Other]\n\"C\"=dword:00000003\n\n");

  Result<void> again = deleteRegistryKey(kUser, "Software\\Maker\\Product");
  ASSERT_FALSE(again.ok());
  EXPECT_EQ(again.error().code, ERROR_FILE_NOT_FOUND);
  Result<void> root = deleteRegistryKey(kUser, "");
  ASSERT_FALSE(root.ok());
  EXPECT_EQ(root.error().code, ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, DeleteValueLeavesTheKey) {
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "A", 1)));
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "B", 2)));
  ASSERT_TRUE(succeeded(deleteRegistryValue(kUser, kProductKey, "a")));

  Result<std::vector<RegistryValue>> values = listRegistryValues(kUser, kProductKey);
  ASSERT_TRUE(succeeded(values));
  EXPECT_EQ(values.value(), (std::vector<RegistryValue>{{"B", 2u}}));
  Result<void> missingValue = deleteRegistryValue(kUser, kProductKey, "A");
  ASSERT_FALSE(missingValue.ok());
  EXPECT_EQ(missingValue.error().code, ERROR_FILE_NOT_FOUND);
  Result<void> missingKey = deleteRegistryValue(kUser, "Software\\Nobody", "A");
  ASSERT_FALSE(missingKey.ok());
  EXPECT_EQ(missingKey.error().code, ERROR_FILE_NOT_FOUND);

  ASSERT_TRUE(succeeded(deleteRegistryValue(kUser, kProductKey, "B")));
  Result<bool> exists = registryKeyExists(kUser, kProductKey);
  ASSERT_TRUE(succeeded(exists));
  EXPECT_TRUE(exists.value());
}

TEST_F(RegistryTest, InvalidKeyPathsAndTextsAreRefused) {
  for (std::string_view keyPath : {"\\Software", "Software\\\\Maker", "Soft\nware"}) {
    Result<void> written = writeRegistryDword(kUser, keyPath, "A", 1);
    ASSERT_FALSE(written.ok()) << keyPath;
    EXPECT_EQ(written.error().code, ERROR_INVALID_PARAMETER) << keyPath;
  }
  Result<void> lineBreak = writeRegistryString(kUser, kProductKey, "A", "two\nlines");
  ASSERT_FALSE(lineBreak.ok());
  EXPECT_EQ(lineBreak.error().code, ERROR_INVALID_PARAMETER);
  Result<void> zeroByte = writeRegistryString(kUser, kProductKey, std::string_view("A\0B", 3), "x");
  ASSERT_FALSE(zeroByte.ok());
  EXPECT_EQ(zeroByte.error().code, ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(std::filesystem::exists(file));

  // One trailing backslash is tolerated.
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, "Software\\Maker\\", "A", 1)));
  Result<uint32_t> read = readRegistryDword(kUser, "Software\\Maker", "A");
  ASSERT_TRUE(succeeded(read));
  EXPECT_EQ(read.value(), 1u);
}

struct MalformedCase {
  const char* defect;
  std::string text;
  int line;
};

// Test names in CTest show the case's name, not its bytes.
void PrintTo(const MalformedCase& each, std::ostream* out) { *out << each.defect; }

class MalformedRegistryTest : public RegistryTest, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedRegistryTest, IsReportedWithItsLineAndLeftAlone) {
  const MalformedCase& malformed = GetParam();
  writeText(file, malformed.text);

  Result<uint32_t> read = readRegistryDword(kUser, kProductKey, "A");
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error().code, ERROR_BADDB);
  EXPECT_EQ(read.error().where, file.string() + ":" + std::to_string(malformed.line));
  EXPECT_FALSE(read.error().message.empty());

  Result<void> written = writeRegistryDword(kUser, kProductKey, "A", 1);
  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.error().code, ERROR_BADDB);
  EXPECT_EQ(readText(file), malformed.text) << "a malformed file must not be overwritten";
}

const std::string kHeader = "REGEDIT4\n\n";

INSTANTIATE_TEST_SUITE_P(
    Defects, MalformedRegistryTest,
    ::testing::Values(
        MalformedCase{"NoHeader", "[HKEY_CURRENT_USER\\Software]\n", 1},
        MalformedCase{"OtherHeader", "\nWindows Registry Editor Version 5.00\n", 2},
        MalformedCase{"ValueBeforeKey", kHeader + "\"A\"=dword:00000001\n", 3},
        MalformedCase{"UnknownRoot", kHeader + "[HKEY_NOWHERE\\Software]\n", 3},
        MalformedCase{"UnclosedKey", kHeader + "[HKEY_CURRENT_USER\\Software\n", 3},
        MalformedCase{"EmptyKeyName", kHeader + "[HKEY_CURRENT_USER\\Software\\\\Maker]\n", 3},
        MalformedCase{"KeyDeletion", kHeader + "[-HKEY_CURRENT_USER\\Software]\n", 3},
        MalformedCase{"UnclosedText", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=\"open\n", 4},
        MalformedCase{"UnknownEscape", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=\"C:\\x\"\n", 4},
        MalformedCase{"TextAfterQuote", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=\"a\" b\n", 4},
        MalformedCase{"NoEquals", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\" dword:00000001\n", 4},
        MalformedCase{"DwordTooLong", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=dword:000000001\n", 4},
        MalformedCase{"DwordNotHex", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=dword:0000001g\n", 4},
        MalformedCase{"DwordEmpty", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=dword:\n", 4},
        MalformedCase{"BinaryValue", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=hex:01,02\n", 4},
        MalformedCase{"ValueDeletion", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=-\n", 4},
        MalformedCase{"StrayLine", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=\"ok\"\n\nstray\n", 6}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.defect); });

TEST_F(RegistryTest, WritesAreAtomicAndLeaveNoTemporaryFile) {
  ASSERT_FALSE(std::filesystem::exists(file.parent_path()));
  for (uint32_t round = 0; round < 5; ++round) {
    ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "Round", round)));
  }
  EXPECT_EQ(entryNames(file.parent_path()), std::vector<std::string>{"registry.reg"});
  // The mode of the file being replaced is kept.
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "Round", 9)));
  EXPECT_EQ(std::filesystem::status(file).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(entryNames(file.parent_path()), std::vector<std::string>{"registry.reg"});
}

TEST_F(RegistryTest, AFailedWriteLeavesTheFileAndNoTemporaryFile) {
  ASSERT_TRUE(succeeded(writeRegistryDword(kUser, kProductKey, "A", 1)));
  const std::string before = readText(file);
  // A file-size limit makes the write of the temporary file fail (EFBIG), even for root, who is not stopped
  // by folder permissions. SIGXFSZ would end the process, so it is ignored meanwhile.
  rlimit previousLimit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
  rlimit smallLimit = previousLimit;
  smallLimit.rlim_cur = before.size();
  sighandler_t previousHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &smallLimit), 0);
  Result<void> written = writeRegistryString(kUser, kProductKey, "A", std::string(100, 'x'));
  setrlimit(RLIMIT_FSIZE, &previousLimit);
  signal(SIGXFSZ, previousHandler);

  ASSERT_FALSE(written.ok());
  EXPECT_EQ(written.error().code, ERROR_CANTWRITE);
  EXPECT_EQ(written.error().where, file.string());
  EXPECT_EQ(readText(file), before);
  EXPECT_EQ(entryNames(file.parent_path()), std::vector<std::string>{"registry.reg"});
}

TEST(RegistryFileTest, ComesFromTheSeamThenTheEnvironmentThenTheConfigFolder) {
  test::TemporaryFolder home;
  test::ScopedEnvironment environment;
  environment.set("HOME", home.path().string());
  environment.unset("XDG_CONFIG_HOME");
  environment.unset("PLATFORM_REGISTRY");
  setRegistryFile({});

  Result<std::filesystem::path> byHome = registryFilePath();
  ASSERT_TRUE(succeeded(byHome));
  EXPECT_EQ(byHome.value(), home.path() / ".config" / "drafting-suite" / "registry.reg");

  environment.set("XDG_CONFIG_HOME", "relative/is/ignored");
  Result<std::filesystem::path> relative = registryFilePath();
  ASSERT_TRUE(succeeded(relative));
  EXPECT_EQ(relative.value(), home.path() / ".config" / "drafting-suite" / "registry.reg");

  environment.set("XDG_CONFIG_HOME", "/xdg/config");
  Result<std::filesystem::path> byXdg = registryFilePath();
  ASSERT_TRUE(succeeded(byXdg));
  EXPECT_EQ(byXdg.value(), std::filesystem::path("/xdg/config/drafting-suite/registry.reg"));

  environment.set("PLATFORM_REGISTRY", "/elsewhere/test.reg");
  Result<std::filesystem::path> byVariable = registryFilePath();
  ASSERT_TRUE(succeeded(byVariable));
  EXPECT_EQ(byVariable.value(), std::filesystem::path("/elsewhere/test.reg"));

  setRegistryFile("/install/root/registry.reg");
  Result<std::filesystem::path> bySeam = registryFilePath();
  ASSERT_TRUE(succeeded(bySeam));
  EXPECT_EQ(bySeam.value(), std::filesystem::path("/install/root/registry.reg"));

  setRegistryFile({});
  Result<std::filesystem::path> back = registryFilePath();
  ASSERT_TRUE(succeeded(back));
  EXPECT_EQ(back.value(), std::filesystem::path("/elsewhere/test.reg"));
}

TEST(RegistryFileTest, PlatformRegistryFileIsUsedForOperations) {
  test::TemporaryFolder folder;
  test::ScopedEnvironment environment;
  environment.set("PLATFORM_REGISTRY", (folder.path() / "by-variable.reg").string());
  setRegistryFile({});
  ASSERT_TRUE(succeeded(writeRegistryDword(RegistryRoot::HKEY_USERS, "S", "A", 1)));
  EXPECT_EQ(entryNames(folder.path()), std::vector<std::string>{"by-variable.reg"});
}

TEST(RegistryRootTest, NamesRoundTripWithoutCase) {
  for (RegistryRoot root : {RegistryRoot::HKEY_CLASSES_ROOT, RegistryRoot::HKEY_CURRENT_USER,
                            RegistryRoot::HKEY_LOCAL_MACHINE, RegistryRoot::HKEY_USERS}) {
    EXPECT_EQ(registryRootNamed(registryRootName(root)), root);
  }
  EXPECT_EQ(registryRootName(RegistryRoot::HKEY_LOCAL_MACHINE), "HKEY_LOCAL_MACHINE");
  EXPECT_EQ(registryRootNamed("hkey_current_user"), RegistryRoot::HKEY_CURRENT_USER);
  EXPECT_EQ(registryRootNamed("HKCU"), std::nullopt);
  EXPECT_EQ(registryRootNamed(""), std::nullopt);
}

}  // namespace
}  // namespace platform
