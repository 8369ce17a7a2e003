#include "plugin-common/CodePageText.h"

#include <cstring>
#include <string>

#include "platform/CodePages.h"

namespace plugin {
namespace {

bool convertToUtf8(const char* text, char* out, size_t size, platform::CodePage from) {
  if (out == nullptr || size == 0) return false;
  out[0] = '\0';
  if (text == nullptr) return false;
  // Through UTF-16, as the system's conversions go; a conversion either succeeds whole or fails.
  platform::Result<std::u16string> wide = platform::codePageToUtf16(text, from);
  if (!wide) return false;
  platform::Result<std::string> utf8 = platform::utf16ToUtf8(*wide);
  if (!utf8 || utf8->size() + 1 > size) return false;
  std::memcpy(out, utf8->c_str(), utf8->size() + 1);
  return true;
}

}  // namespace

bool shiftJisToUtf8(const char* text, char* out, size_t size) {
  return convertToUtf8(text, out, size, platform::CodePage::SHIFT_JIS);
}

bool koreanToUtf8(const char* text, char* out, size_t size) {
  return convertToUtf8(text, out, size, platform::CodePage::KOREAN);
}

}  // namespace plugin
