#pragma once
// The installer's message table: every message in three blocks, Japanese (numbers as listed), English (+ 100)
// and Korean (+ 500). Texts are UTF-8 here; a box shows them as they are and the log writes them unchanged.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "installer/script/Language.h"

namespace installer {

/// The numbers of the messages the run shows (the Japanese block's numbers; add languageOffset for the others).
enum MessageNumber : int {
  MSG_COMMENT = 101,
  MSG_OPTION = 102,
  MSG_INSTALL_DIRECTORY = 103,
  MSG_INSTALL_DISK = 104,
  MSG_TOTAL_AND_AVAILABLE = 105,
  MSG_AVAILABLE_DISK_SPACE = 106,
  MSG_BUTTON_OK = 303,
  MSG_BUTTON_CANCEL = 304,
  MSG_BUTTON_BREAK = 305,
  MSG_TITLE_MESSAGE = 306,
  MSG_TITLE_ABORT = 307,
  MSG_BUTTON_FOLDER = 317,
  MSG_FAILURE_FORMAT = 318,
  MSG_ABORT_QUESTION = 1001,
  MSG_CHANGE_DISK = 1002,
  MSG_CHANGE_SYSTEM_DISK = 1003,
  MSG_SPACE_INSTALL = 1013,
  MSG_SPACE_CANNOT_INSTALL = 1014,
  MSG_SPACE_DELETE = 1015,
  MSG_WINDOWS_RESTART = 1028,
  MSG_SYSTEM_RESTART = 1029,
  MSG_REFER_TO_FILE = 1031,
  MSG_REFER_TO_DOCUMENT = 1032,
  MSG_DIRECTORY_INVALID = 1033,
  MSG_INSTALL_SUCCESSFUL = 1040,
  MSG_UNINSTALL_COMPLETED = 1041,
  MSG_UNDER_REFERENCE = 1042,
};

/// The offset of a language's block: 0 Japanese, 100 English, 500 Korean.
[[nodiscard]] int languageOffset(LanguageId language);

/// The text of a message by its number in the table (any block: 1001 Japanese, 1101 English, 1501 Korean);
/// empty for a number the table does not hold.
[[nodiscard]] std::string_view messageByNumber(int number);

/// The text of a message (by its Japanese-block number) in the language's block.
[[nodiscard]] std::string_view message(int number, LanguageId language);

/// The Japanese-block number of a number of any block; the number itself when it is in no block.
[[nodiscard]] int baseMessageNumber(int number);

/// printf-style formatting of a message with text arguments (each %s takes the next one; %d takes a number).
[[nodiscard]] std::string formatMessage(std::string_view format, std::initializer_list<std::string_view> texts);

}  // namespace installer
