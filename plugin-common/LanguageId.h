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

}  // namespace plugin
