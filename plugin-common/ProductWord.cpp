#include "plugin-common/ProductWord.h"

namespace plugin {

void switchProductWord(std::string& text) {
  // Case-sensitive, and only at the very start: kelmo-Pro and XKELMO-Pro stay as they are.
  if (text.starts_with("KELMO")) text = "KELMOT" + text.substr(5);
}

}  // namespace plugin
