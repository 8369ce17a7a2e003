// The configuration and script language: lines, tokens, conditions, [GENERAL], install sets and the step count.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/commands/CommandTable.h"
#include "installer/script/Conditions.h"
#include "installer/script/ConfigText.h"
#include "installer/script/Script.h"
#include "installer/script/Selection.h"
#include "installer/script/SetupConfig.h"
#include "installer/script/Tokens.h"

namespace installer {
namespace {

MacroValues testMacros() {
  MacroValues macros;
  macros.installDirectory = "C:\\Program Files\\DEMO\\";
  macros.windowsDirectory = "C:\\WINDOWS";
  macros.systemDirectory = "C:\\WINDOWS\\SYSTEM";
  macros.specialFolder = [](int number) -> std::string {
    if (number == 5) return "C:\\users\\user\\Documents\\";
    if (number == 26) return "C:\\users\\user\\AppData\\Roaming";
    if (number == 40) return std::string(200, 'x');
    return {};
  };
  return macros;
}

struct TokenCase {
  const char* name;
  char delimiter;
  std::string line;
  std::string expected;
  size_t endPosition;
};

TEST(InstallerTokens, EscapesAndMacros) {
  const TokenCase cases[] = {
      {"single backslash eats the next letter", '\0', "C:\\Program Files", "C:rogram Files", 16},
      {"doubled backslashes are kept", '\0', "C:\\\\Program Files\\\\", "C:\\Program Files\\", 19},
      {"$R and an escaped backslash", '\0', "$R\\\\CONFIG.SYS", "C:\\CONFIG.SYS", 14},
      {"$5 without its trailing backslash", '\0', "$5", "C:\\users\\user\\Documents", 2},
      {"$5 then a file", '\0', "$5\\\\A.DOC", "C:\\users\\user\\Documents\\A.DOC", 9},
      {"two-digit special folder", '\0', "$26!", "C:\\users\\user\\AppData\\Roaming!", 4},
      {"special folder cut at 144", '\0', "$40", std::string(144, 'x'), 3},
      {"unknown special folder is empty", '\0', "[$99]", "[]", 5},
      {"$A without its trailing backslash", '\0', "$A", "C:\\Program Files\\DEMO", 2},
      {"$I is the install drive", '\0', "$I\\\\", "C:\\", 4},
      {"$W and $S", '\0', "$W;$S", "C:\\WINDOWS;C:\\WINDOWS\\SYSTEM", 5},
      {"$$ is a dollar", '\0', "US$$5", "US$5", 5},
      {"unknown macro dropped", '\0', "a$xb", "ab", 4},
      {"control escapes", '\0', "a\\tb\\nc\\a", "a\tb\r\nc\a", 9},
      {"carriage return escape", '\0', "a\\rb\\f\\v\\b", "a\rb\f\v\b", 10},
      {"quote escapes", '\0', "\\\"q\\'\\?\\.\\,", "\"q'?.,", 11},
      {"\\0 ends the text", '\0', "ab\\0cd", "ab", 6},
      {"delimiter ends the token", ',', "abc,def", "abc", 3},
      {"escaped delimiter is kept", ',', "abc\\,def,ghi", "abc,def", 8},
      {"unknown escape before the delimiter", ' ', "ab\\ cd", "ab", 3},
      {"quote delimiter", '"', "C:\\\\A B\" rest", "C:\\A B", 7},
      {"lone backslash at the end", '\0', "ab\\", "ab", 3},
      {"lone dollar at the end", '\0', "ab$", "ab", 3},
  };
  MacroValues macros = testMacros();
  for (const TokenCase& test : cases) {
    size_t position = 0;
    EXPECT_EQ(nextToken(test.delimiter, position, test.line, macros), test.expected) << test.name;
    EXPECT_EQ(position, test.endPosition) << test.name;
  }
}

TEST(InstallerLines, EndsCarriageReturnsAndLimit) {
  std::string buffer = "first\r\nsecond\n\n" + std::string(600, 'x') + "\nlast";
  size_t position = 0;
  std::vector<std::string> lines;
  while (std::optional<std::string> line = readLine(buffer, position, LanguageId::ENGLISH)) lines.push_back(*line);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(lines[1], "second");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], std::string(kLineLimit, 'x'));
  EXPECT_EQ(lines[4], "last");
}

TEST(InstallerLines, DoubleByteSecondByteBackslashSurvivesTokenising) {
  // Shift-JIS 0x95 0x5C is a kanji whose second byte is a backslash; 0x83 0x24 one whose second byte is "$".
  const std::string name = "\x95\x5C\x83\x24.TXT";
  std::string buffer = "FLCOPY " + name + " $A\n";
  size_t position = 0;
  std::optional<std::string> line = readLine(buffer, position, LanguageId::JAPANESE);
  ASSERT_TRUE(line);
  EXPECT_EQ(*line, "FLCOPY \x95\x5C\x5C\x83\x24\x24.TXT $A");
  size_t tokenPosition = 7;
  EXPECT_EQ(nextToken(' ', tokenPosition, *line, testMacros()), name);
  EXPECT_EQ(textToUtf8(name.substr(0, 2), LanguageId::JAPANESE), "表");
  EXPECT_EQ(lineAsWritten(*line, LanguageId::JAPANESE), "FLCOPY " + name + " $A");

  // English text has no pairs: the same bytes are an escape.
  position = 0;
  line = readLine(buffer, position, LanguageId::ENGLISH);
  tokenPosition = 7;
  EXPECT_NE(nextToken(' ', tokenPosition, *line, testMacros()), name);

  // Korean: any byte from 0x81 starts a pair.
  position = 0;
  std::string korean = "\xC7\x5C\n";
  EXPECT_EQ(readLine(korean, position, LanguageId::KOREAN), "\xC7\x5C\x5C");
}

TEST(InstallerLines, PairIsNeverSplitByTheLimit) {
  std::string buffer = std::string(kLineLimit - 1, 'x') + "\x95\x5C" + "\nnext";
  size_t position = 0;
  std::optional<std::string> line = readLine(buffer, position, LanguageId::JAPANESE);
  ASSERT_TRUE(line);
  EXPECT_EQ(*line, std::string(kLineLimit - 1, 'x'));
  EXPECT_EQ(readLine(buffer, position, LanguageId::JAPANESE), "next");
}

struct ConditionCase {
  const char* line;
  std::optional<int32_t> mode;
  std::optional<int32_t> option;
};

TEST(InstallerConditions, ParsedFromTheEnd) {
  const ConditionCase cases[] = {
      {"FLCOPY A.TXT $A 2", std::nullopt, 2},
      {"FLCOPY A.TXT $A 1 2", 1, 2},
      {"FLCOPY A.TXT $A 12 305", 12, 305},
      {"FLCOPY A.TXT $A", std::nullopt, std::nullopt},
      {"FLCOPY A.TXT $A ", std::nullopt, 0},
      {"MKDIR 5", std::nullopt, 5},
      {"MKDIR 5 ", 5, 0},
      {"MKDIR $A -1", std::nullopt, -1},
      {"MKDIR $A 1-1", std::nullopt, std::nullopt},
      {"MKDIR $A x-1 2", std::nullopt, 2},
      {"REGSETVALDW Count 16", std::nullopt, 16},
      {"ADDINIT", std::nullopt, std::nullopt},
      {"7", std::nullopt, 7},
      {"", std::nullopt, 0},
  };
  for (const ConditionCase& test : cases) {
    ScriptCondition condition = parseCondition(test.line);
    EXPECT_EQ(condition.mode, test.mode) << test.line;
    EXPECT_EQ(condition.option, test.option) << test.line;
  }
  // The fields' characters, without the space that separates them from the arguments.
  EXPECT_EQ(parseCondition("FLCOPY A $A 1 2").length, 3u);
  EXPECT_EQ(parseCondition("FLCOPY A $A 12").length, 2u);
  EXPECT_EQ(parseCondition("FLCOPY A $A").length, 0u);
}

TEST(InstallerConditions, HoldWhenModeAndOptionExistAndAreOn) {
  SetupConfig config;
  config.modes[1].exists = true;
  config.modes[3].exists = true;
  config.options[2].exists = true;
  config.options[5].exists = true;
  Selection selection;
  selection.modeOn[1] = true;
  selection.optionOn[2] = true;
  selection.optionOn[7] = true;  // on, but not declared

  const std::pair<const char*, bool> cases[] = {
      {"FLCOPY A.TXT $A 2", true},   {"FLCOPY A.TXT $A 5", false},   {"FLCOPY A.TXT $A 7", false},
      {"FLCOPY A.TXT $A 1 2", true}, {"FLCOPY A.TXT $A 3 2", false}, {"FLCOPY A.TXT $A -1", true},
      {"FLCOPY A.TXT $A", true},     {"FLCOPY A.TXT $A ", false},    {"FLCOPY A.TXT $A 1 -1", true},
      {"X 999999999999 2", false},
  };
  for (const auto& [line, holds] : cases)
    EXPECT_EQ(conditionHolds(parseCondition(line), config, selection), holds) << line;
}

TEST(InstallerConfig, LanguagePass) {
  EXPECT_EQ(readLanguage("[GENERAL]\nLANGUAGE=ENGLISH\n"), LanguageId::ENGLISH);
  EXPECT_EQ(readLanguage("[GENERAL]\nLANGUAGE=KOREAN\n"), LanguageId::KOREAN);
  EXPECT_EQ(readLanguage("[GENERAL]\nLANGUAGE=english\n"), LanguageId::JAPANESE);
  EXPECT_EQ(readLanguage("[GENERAL]\nLANGUAGE=FRENCH\nLANGUAGE=ENGLISH\n"), LanguageId::JAPANESE);
  EXPECT_EQ(readLanguage("[OTHER]\nLANGUAGE=ENGLISH\n[GENERAL]\n"), LanguageId::JAPANESE);
  EXPECT_EQ(readLanguage(""), LanguageId::JAPANESE);
}

TEST(InstallerConfig, NumberedKeys) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"OPTION3", 3},
      {"OPTION0", 0},
      {"OPTION0255", 255},
      {"OPTION255", 255},
      {"OPTION256", std::nullopt},
      {"OPTION", std::nullopt},
      {"OPTION00001", std::nullopt},
      {"OPTIONX", std::nullopt},
      {"OPTION-1", std::nullopt},
      {"OPTION+1", std::nullopt},
      {"OPTION3A", std::nullopt},
  };
  for (const auto& [key, number] : cases) EXPECT_EQ(numberedKey(key, "OPTION"), number) << key;
  EXPECT_EQ(numberedKey("INSTALLMODE12", "INSTALLMODE"), 12);
  EXPECT_EQ(numberedKey("INSTALLMODEABCD1", "INSTALLMODE"), std::nullopt);
  EXPECT_EQ(numberedKey("INSTALLMODE00000001", "INSTALLMODE"), std::nullopt);
}

TEST(InstallerConfig, GeneralSection) {
  const std::string text =
      "[GENERAL]\r\n"
      "LANGUAGE=ENGLISH\r\n"
      "INSTALLSET1=Typical,CI,0,1\r\n"
      "INSTALLSET7=Everything,MI,-1,-1\r\n"
      "INSTALLMODE0=&Standard,300\r\n"
      "INSTALLMODE1=&Full, 2048\r\n"
      "OPTION1=&Samples\\, large,100\r\n"
      "OPTION2=&Docs\r\n"
      "OPTION300=Ignored,5\r\n"
      "OCOMMENT1=Sample drawings,\r\n"
      "MCOMMENT1=All of it,\r\n"
      "SCOMMENT9=First set's comment,\r\n"
      "SCOMMENT2=Second set's comment,\r\n"
      "INSTALLDIR=\"$R\\\\Program Files\\\\DEMO\"\r\n"
      "SEARCHKEY=\"DEMO.EXE\", demo.ini ,\"A B.DAT\"\r\n"
      "FINDMESSAGE=Found it.\\nUse it?\r\n"
      "COVERPAGE=true\r\n"
      "no equals sign here\r\n"
      "UNKNOWN=1\r\n"
      "[INSTALL-SCRIPT]\r\n"
      "INSTALLSET9=Not general,SI\r\n";
  MacroValues macros = testMacros();
  macros.installDirectory.clear();
  SetupConfig config = readSetupConfig(text, macros);
  EXPECT_EQ(config.language, LanguageId::ENGLISH);
  ASSERT_EQ(config.installSets.size(), 2u);
  EXPECT_EQ(config.installSets[0].name, "Typical");
  EXPECT_EQ(config.installSets[0].specification, "CI,0,1");
  EXPECT_EQ(config.installSets[0].comment, "First set's comment");
  EXPECT_EQ(config.installSets[1].name, "Everything");
  EXPECT_EQ(config.installSets[1].comment, "Second set's comment");
  EXPECT_TRUE(config.modes[0].exists);
  EXPECT_EQ(config.modes[0].label, "&Standard");
  EXPECT_EQ(config.modes[0].sizeKb, 300u);
  EXPECT_EQ(config.modes[1].sizeKb, 2048u);
  EXPECT_EQ(config.modes[1].comment, "All of it");
  EXPECT_EQ(config.options[1].label, "&Samples, large");
  EXPECT_EQ(config.options[1].sizeKb, 100u);
  EXPECT_EQ(config.options[1].comment, "Sample drawings");
  EXPECT_TRUE(config.options[2].exists);
  EXPECT_EQ(config.options[2].sizeKb, 0u);
  EXPECT_FALSE(config.options[3].exists);
  EXPECT_EQ(config.installDirectory, "C:\\Program Files\\DEMO");
  EXPECT_EQ(config.searchKeys, (std::vector<std::string>{"DEMO.EXE", "demo.ini", "A B.DAT"}));
  EXPECT_EQ(config.findMessage, "Found it.\r\nUse it?");
  EXPECT_TRUE(config.coverPage);
}

TEST(InstallerConfig, DefaultsWithoutConfiguration) {
  SetupConfig config = readSetupConfig("", testMacros());
  EXPECT_EQ(config.language, LanguageId::JAPANESE);
  EXPECT_TRUE(config.installSets.empty());
  EXPECT_EQ(config.installDirectory, "C:\\");
  EXPECT_FALSE(config.coverPage);
  // An unquoted directory runs up to a comma.
  EXPECT_EQ(readSetupConfig("[GENERAL]\nINSTALLDIR=$R\\\\APP,rest\n", testMacros()).installDirectory, "C:\\APP");
}

TEST(InstallerSelection, Specifications) {
  SetupConfig config;
  config.modes[0].exists = true;
  config.modes[2].exists = true;
  config.options[1].exists = true;
  config.options[4].exists = true;
  config.options[0].sizeKb = 999;  // not declared: never counted

  Selection radio = selectionOf(config, "CI,2,1,4");
  EXPECT_EQ(radio.type, InstallType::CI);
  EXPECT_TRUE(radio.modesAreRadio);
  EXPECT_TRUE(radio.modeOn[2]);
  EXPECT_FALSE(radio.modeOn[0]);
  EXPECT_TRUE(radio.optionOn[1]);
  EXPECT_TRUE(radio.optionOn[4]);

  Selection all = selectionOf(config, "MI,-1,-1");
  EXPECT_EQ(all.type, InstallType::MI);
  EXPECT_FALSE(all.modesAreRadio);
  EXPECT_TRUE(all.modeOn[0] && all.modeOn[2]);
  EXPECT_FALSE(all.modeOn[1]);
  EXPECT_TRUE(all.optionOn[1] && all.optionOn[4]);

  Selection none = selectionOf(config, "SD");
  EXPECT_EQ(none.type, InstallType::SD);
  EXPECT_FALSE(none.modesAreRadio);
  EXPECT_FALSE(none.modeOn[0] || none.modeOn[2] || none.optionOn[1]);

  EXPECT_EQ(selectionOf(config, "").type, InstallType::CI);
  EXPECT_EQ(selectionOf(config, "XX,0").type, InstallType::CI);
  EXPECT_EQ(selectionOf(config, " SI , 0").type, InstallType::SI);

  config.modes[2].sizeKb = 300;
  config.options[1].sizeKb = 100;
  config.options[4].sizeKb = 50;
  EXPECT_EQ(selectedTotalKb(config, radio), 450u);
}

TEST(InstallerScript, LinesLabelsAndArguments) {
  EXPECT_EQ(diskLabelOf(":DISK2 Second disk")->label, "DISK2");
  EXPECT_EQ(diskLabelOf(":DISK2 Second disk")->description, "Second disk");
  EXPECT_EQ(diskLabelOf(":#")->label, "#");
  EXPECT_FALSE(diskLabelOf("FLCOPY A B"));

  CommandLine line = commandLineOf("FLCOPY \"A B.TXT\" $A\\\\ 2");
  EXPECT_EQ(line.name, "FLCOPY");
  MacroValues macros = testMacros();
  size_t position = 0;
  EXPECT_EQ(readArgument(line.arguments, position, macros), "A B.TXT");
  EXPECT_EQ(readArgument(line.arguments, position, macros), "C:\\Program Files\\DEMO\\");
  EXPECT_EQ(readArgument(line.arguments, position, macros), "2");
  EXPECT_EQ(position, line.arguments.size());
  EXPECT_EQ(commandLineOf("REGCLOSE").arguments, "");
}

TEST(InstallerScript, CountsCommandsWhoseConditionsHoldPerDiskGroup) {
  const std::string text =
      "[GENERAL]\n"
      "LANGUAGE=ENGLISH\n"
      "OPTION1=One,1\n"
      "OPTION2=Two,1\n"
      "[INSTALL-SCRIPT]\n"
      "MKDIR $A\n"
      "\n"
      ":DISK1 First\n"
      "FLCOPY A.TXT $A\\\\ 1\n"
      "FLCOPY B.TXT $A\\\\ 2\n"
      "COPY C.TXT $A\\\\\n"
      "flcopy D.TXT $A\\\\\n"
      ":DISK2 Second\n"
      "ADDINIT\n"
      "REGSETVALDW Count 16\n"
      ":DISK3 Third\n"
      "[DELETE-SCRIPT]\n"
      "XREMOVE $A\n";
  SetupConfig config = readSetupConfig(text, testMacros());
  Selection selection = selectionOf(config, "CI,,1");
  std::optional<size_t> section = findSection(text, "[INSTALL-SCRIPT]", config.language);
  ASSERT_TRUE(section);
  std::vector<DiskGroup> groups = countCommands(text, *section, config, selection, commandTable());
  ASSERT_EQ(groups.size(), 4u);
  EXPECT_EQ(groups[0].label.label, "#");
  EXPECT_EQ(groups[0].commands, 1u);  // MKDIR
  EXPECT_EQ(groups[1].label.label, "DISK1");
  EXPECT_EQ(groups[1].commands, 1u);  // only option 1 is on; COPY and lower-case flcopy are no commands
  EXPECT_EQ(groups[2].commands, 1u);  // ADDINIT; the DWORD 16 reads as option 16, which does not exist
  EXPECT_EQ(groups[3].commands, 0u);
  EXPECT_EQ(totalSteps(groups), 3u);

  // A label before any command takes over the implicit group.
  const std::string labelled = "[INSTALL-SCRIPT]\n:DISK1 First\nADDINIT\n";
  std::vector<DiskGroup> one = countCommands(labelled, *findSection(labelled, "[INSTALL-SCRIPT]", LanguageId::ENGLISH),
                                             SetupConfig{}, Selection{}, commandTable());
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].label.label, "DISK1");
  EXPECT_EQ(one[0].commands, 1u);
}

TEST(InstallerScript, CommandTableHoldsEveryCommand) {
  const char* names[] = {"MKDIR",    "FLMOVE",       "FLCOPY",      "LZCOPY",      "XFLCOPY", "XLZCOPY",
                         "MERGE",    "SETATTRIBUTE", "RMDIR",       "REMOVE",      "XREMOVE", "SNDPRG",
                         "REGSVR",   "UNREGSVR",     "WINEXEC",     "WINEXECSYNC", "ADDCONF", "ADDAUTO",
                         "ADDPATH",  "ADDWSYS",      "ADDWINI",     "ADDINIT",     "DELCONF", "DELAUTO",
                         "DELPATH",  "DELWSYS",      "DELWINI",     "DELINIT",     "REGOPEN", "REGCREATE",
                         "REGCLOSE", "REGDELETE",    "REGSETVALDW", "REGSETVALSZ"};
  EXPECT_EQ(commandTable().size(), std::size(names));
  for (const char* name : names) EXPECT_NE(findCommand(commandTable(), name), nullptr) << name;
  EXPECT_EQ(findCommand(commandTable(), "mkdir"), nullptr);
}

TEST(InstallerConfigText, SetupDirectoryOfCommandLine) {
  EXPECT_EQ(setupDirectoryOf("C:\\SETUP\\DISK1\\WENDRIX.EXE /x"), "C:\\SETUP\\DISK1");
  EXPECT_EQ(setupDirectoryOf("\"C:\\My Setup\\WENDRIX.EXE\" /x"), "C:\\My Setup");
  EXPECT_EQ(setupDirectoryOf("A:\\SETUP.EXE"), "A:");
  EXPECT_EQ(setupDirectoryOf("SETUP.EXE"), "");
}

TEST(InstallerScript, LinesThatNameNoCommandAreFoundWithTheirLineNumbers) {
  const std::string buffer =
      "[GENERAL]\n"
      "[INSTALL-SCRIPT]\n"
      ":# disk\n"
      "MKDIR $A\n"
      "\n"
      "FLCOPPY A.TXT $A 2\n"  // misspelt, and reported whatever its condition
      "mkdir $A\n"            // names are compared exactly
      "[DELETE-SCRIPT]\n"
      "NOSUCH\n";
  std::optional<size_t> section = findSection(buffer, "[INSTALL-SCRIPT]", LanguageId::ENGLISH);
  ASSERT_TRUE(section.has_value());
  std::vector<UnknownCommand> unknown = unknownCommands(buffer, *section, LanguageId::ENGLISH, commandTable());
  ASSERT_EQ(unknown.size(), 2u);
  EXPECT_EQ(unknown[0].line, 6u);
  EXPECT_EQ(unknown[0].name, "FLCOPPY");
  EXPECT_EQ(unknown[1].line, 7u);
  EXPECT_EQ(unknown[1].name, "mkdir");
}

TEST(InstallerScript, ADiskLabelIsOnePlainName) {
  for (const char* plain : {"DISK2", "disk 2", "#x"}) EXPECT_TRUE(isPlainDiskLabel(plain)) << plain;
  for (const char* other : {"", ".", "..", "../x", "..\\x", "/etc", "C:", "A/B"}) {
    EXPECT_FALSE(isPlainDiskLabel(other)) << other;
  }
}

}  // namespace
}  // namespace installer
