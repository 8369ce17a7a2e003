// The message table, the message boxes and the answers file.

#include <gtest/gtest.h>

#include <string>

#include "installer/ui/Answers.h"
#include "installer/ui/MessageBoxes.h"
#include "installer/ui/MessageTable.h"
#include "installer/ui/SetupControls.h"
#include "platform/CodePages.h"

namespace installer {
namespace {

// The printf conversions of a text, in order ("%s%d%7.1f").
std::string conversionsOf(std::string_view text) {
  std::string conversions;
  for (size_t index = 0; index < text.size(); ++index) {
    if (text[index] != '%') continue;
    size_t end = text.find_first_of("sdf", index);
    if (end == std::string_view::npos) break;
    conversions += text.substr(index, end - index + 1);
    index = end;
  }
  return conversions;
}

TEST(InstallerMessages, ThreeBlocksByNumber) {
  EXPECT_EQ(message(MSG_ABORT_QUESTION, LanguageId::ENGLISH),
            "Aborted installation cannot be resumed.\nWhen you install later, you must start at the beginning. Abort?");
  EXPECT_EQ(messageByNumber(1101), message(MSG_ABORT_QUESTION, LanguageId::ENGLISH));
  EXPECT_EQ(messageByNumber(1001), message(MSG_ABORT_QUESTION, LanguageId::JAPANESE));
  EXPECT_EQ(messageByNumber(1501), message(MSG_ABORT_QUESTION, LanguageId::KOREAN));
  EXPECT_EQ(messageByNumber(403), "BOK");
  EXPECT_EQ(messageByNumber(206), "     [ Available Disk Space:%7.1f MB ]");
  EXPECT_EQ(messageByNumber(1030), "");
  EXPECT_EQ(baseMessageNumber(1514), 1014);
  EXPECT_EQ(baseMessageNumber(1114), 1014);
  EXPECT_EQ(baseMessageNumber(9999), 9999);
}

TEST(InstallerMessages, TranslationsKeepTheConversions) {
  for (int number = 100; number < 1100; ++number) {
    std::string_view japanese = messageByNumber(number);
    if (japanese.empty() || baseMessageNumber(number) != number) continue;
    std::string_view english = message(number, LanguageId::ENGLISH);
    std::string_view korean = message(number, LanguageId::KOREAN);
    EXPECT_FALSE(english.empty()) << number;
    EXPECT_EQ(conversionsOf(japanese), conversionsOf(english)) << number;
    EXPECT_EQ(conversionsOf(korean), conversionsOf(english)) << number;
  }
}

TEST(InstallerMessages, EveryTextFitsItsCodePageAndItsSlot) {
  // The table keeps texts of at most 127 bytes in the language's own code page.
  constexpr size_t kMessageCapacity = 127;
  for (LanguageId language : {LanguageId::JAPANESE, LanguageId::ENGLISH, LanguageId::KOREAN}) {
    for (int number = 100; number < 1100; ++number) {
      if (baseMessageNumber(number) != number || messageByNumber(number).empty()) continue;
      platform::Result<std::string> encoded = platform::utf8ToCodePage(message(number, language), codePageOf(language));
      ASSERT_TRUE(encoded.ok()) << number << " in language " << static_cast<int>(language);
      EXPECT_LE(encoded->size(), kMessageCapacity) << number << " in language " << static_cast<int>(language);
    }
  }
}

TEST(InstallerMessages, Formatting) {
  EXPECT_EQ(formatMessage(message(MSG_SPACE_CANNOT_INSTALL, LanguageId::ENGLISH), {"600K", "500K"}),
            "600KB of disk space required.\n(Free Space=500KB)\nCan't install.");
  EXPECT_EQ(formatMessage("%s and %s", {"one"}), "one and ");
  EXPECT_EQ(formatMessage("100%", {}), "100%");
}

TEST(InstallerMessageBoxes, StylesGiveButtonsAndPreselection) {
  struct Case {
    uint32_t style;
    std::vector<ButtonCode> buttons;
    ButtonCode preselected;
    std::string_view icon;
  };
  using enum ButtonCode;
  const Case cases[] = {
      {64, {OK}, OK, "information"},
      {65, {OK, CANCEL}, OK, "information"},
      {66, {ABORT, RETRY, IGNORE}, ABORT, "information"},
      {67, {OK, YES_ALL, CANCEL}, OK, "information"},
      {70, {OK, CANCEL, ABORT}, OK, "information"},
      {71, {OK, YES_ALL, CANCEL, ABORT}, OK, "information"},
      {274, {ABORT, RETRY, IGNORE}, RETRY, "stop"},
      {324, {YES, NO}, NO, "information"},
      {0x200 | 4, {YES, NO}, YES, ""},
      {0x200 | 2, {ABORT, RETRY, IGNORE}, IGNORE, ""},
      {5 | 0x30, {RETRY, CANCEL}, RETRY, "exclamation"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(buttonsOf(test.style), test.buttons) << test.style;
    EXPECT_EQ(preselectedButton(test.style), test.preselected) << test.style;
    EXPECT_EQ(iconName(test.style), test.icon) << test.style;
  }
  EXPECT_EQ(static_cast<int>(YES_ALL), 1702);
  EXPECT_EQ(buttonNamed("yes all"), YES_ALL);
  EXPECT_EQ(buttonNamed("Maybe"), std::nullopt);
}

TEST(InstallerControls, DriveAndFolderButtons) {
  SetupControls controls;
  controls.directory = "C:\\APP";
  chooseDrive(controls, 'D');
  EXPECT_EQ(controls.directory, "D:\\APP");
  controls.directory = "APP";
  chooseDrive(controls, 'E');
  EXPECT_EQ(controls.directory, "E:\\");

  nextFoundFolder(controls);
  EXPECT_EQ(controls.directory, "E:\\");
  controls.foundFolders = {"C:\\ONE", "C:\\TWO"};
  nextFoundFolder(controls);
  EXPECT_EQ(controls.directory, "C:\\TWO");
  nextFoundFolder(controls);
  EXPECT_EQ(controls.directory, "C:\\ONE");
}

TEST(InstallerAnswers, ReadsEveryKey) {
  platform::Result<Answers> answers = parseAnswers(
      "# unattended\n"
      "set = Full install\n"
      "directory = C:\\Program Files\\Demo\n"
      "modes = 1,3\r\n"
      "options = none\n"
      "message.1013 = Cancel\n"
      "message.1101 = Yes\n"
      "message.default = Yes All\n"
      "message.FINDMESSAGE = OK\n"
      "break = 4\n",
      "a.txt");
  ASSERT_TRUE(answers.ok()) << answers.error().describe();
  EXPECT_EQ(answers->set, "Full install");
  EXPECT_EQ(answers->directory, "C:\\Program Files\\Demo");
  EXPECT_EQ(answers->modes, (std::vector<int>{1, 3}));
  EXPECT_EQ(answers->options, std::vector<int>{});
  EXPECT_EQ(answers->messages.at(1013), ButtonCode::CANCEL);
  EXPECT_EQ(answers->messages.at(1001), ButtonCode::YES);  // 1101 is the English block's 1001
  EXPECT_EQ(answers->messageDefault, ButtonCode::YES_ALL);
  EXPECT_EQ(answers->findMessage, ButtonCode::OK);
  EXPECT_EQ(answers->breakAtStep, 4u);
}

TEST(InstallerAnswers, ErrorsNameFileAndLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"set = A\ncolour = red\n", "a.txt:2"},
      {"\nmodes = 1,x\n", "a.txt:2"},
      {"options = 256\n", "a.txt:1"},
      {"message.1013 = Perhaps\n", "a.txt:1"},
      {"message.4242 = OK\n", "a.txt:1"},
      {"just words\n", "a.txt:1"},
      {"set =\n", "a.txt:1"},
      {"break = soon\n", "a.txt:1"},
  };
  for (const auto& [text, where] : cases) {
    platform::Result<Answers> answers = parseAnswers(text, "a.txt");
    ASSERT_FALSE(answers.ok()) << text;
    EXPECT_EQ(answers.error().where, where) << text;
  }
}

}  // namespace
}  // namespace installer
