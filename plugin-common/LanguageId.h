#pragma once

#include <cstdint>

namespace plugin {

/// The language of dialogs, strings and messages, a 16-bit field of each plug-in's global record. The settings
/// file chooses it; any value other than these three is treated as JAPANESE.
enum class LanguageId : int16_t {
  JAPANESE = 0,
  ENGLISH = 1,
  KOREAN = 2,
};

/// Dialogs and language-dependent strings exist once per language, in blocks of one hundred numbers: the
/// number of a resource in language is its Japanese number + 100 for ENGLISH and + 200 for KOREAN.
[[nodiscard]] constexpr int32_t dialogNumber(LanguageId language, int32_t japaneseNumber) {
  switch (language) {
    case LanguageId::ENGLISH: return japaneseNumber + 100;
    case LanguageId::KOREAN: return japaneseNumber + 200;
    default: return japaneseNumber;  // JAPANESE, and any value a settings file should not have given
  }
}

}  // namespace plugin
