#pragma once
// The installer's language: it picks the message block and how double-byte text in the configuration is
// recognised. Configuration text is in the language's code page; the user interface and the log speak UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/CodePages.h"

namespace installer {

/// The language of the configuration and the messages.
enum class LanguageId : int16_t {
  JAPANESE = 0,
  ENGLISH = 1,
  KOREAN = 2,
};

/// The code page of the configuration's text in that language.
[[nodiscard]] platform::CodePage codePageOf(LanguageId language);

/// True when byte starts a double-byte pair in that language: 0x81-0x9F and 0xE0-0xFC (Japanese), 0x81-0xFE
/// (Korean); never in English.
[[nodiscard]] bool isLeadByte(LanguageId language, unsigned char byte);

/// Configuration text as UTF-8; bytes that do not convert become "?" so that a message can always be shown.
[[nodiscard]] std::string textToUtf8(std::string_view text, LanguageId language);

/// UTF-8 text in the configuration's code page; characters the code page lacks become "?".
[[nodiscard]] std::string utf8ToText(std::string_view text, LanguageId language);

}  // namespace installer
