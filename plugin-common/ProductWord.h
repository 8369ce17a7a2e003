#pragma once

#include <string>

namespace plugin {

/// The TIIP variant's product word: a text whose first five characters are exactly "KELMO" gets "KELMOT" in
/// their place (KELMO-Pro Ver2.50 becomes KELMOT-Pro Ver2.50); any other text is left alone.
void switchProductWord(std::string& text);

}  // namespace plugin
