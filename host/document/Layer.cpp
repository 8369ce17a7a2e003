#include "host/document/Layer.h"

#include <cstdint>
#include <string>
#include <utility>

#include "host/document/Document.h"
#include "host/document/DocumentError.h"

namespace host {
namespace {

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      codePoint = lead & 0x07u;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto continuation = static_cast<std::uint8_t>(text[i + k]);
      if ((continuation & 0xC0u) != 0x80u) return false;
      codePoint = (codePoint << 6) | (continuation & 0x3Fu);
    }
    const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (overlong || surrogate || codePoint > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

}  // namespace

platform::Result<void> validateLayerTitle(std::string_view title) {
  if (title.size() > kMaxLayerTitleBytes) {
    return badParameter("a layer title holds at most " + std::to_string(kMaxLayerTitleBytes) + " bytes, not " +
                        std::to_string(title.size()));
  }
  if (!isValidUtf8(title)) return badParameter("a layer title must be UTF-8");
  return {};
}

platform::Result<void> Layer::setTitle(std::string_view title) {
  if (platform::Result<void> valid = validateLayerTitle(title); !valid) return valid;
  std::string oldTitle = std::exchange(layerTitle, std::string(title));
  owner.retitleLayer(*this, oldTitle);
  owner.noteModified();
  return {};
}

void Layer::setVisible(bool visible) {
  isVisible = visible;
  owner.noteModified();
}

void Layer::setLocked(bool locked) {
  isLocked = locked;
  owner.noteModified();
}

void Layer::setPrintable(bool printable) {
  isPrintable = printable;
  owner.noteModified();
}

void Layer::setPreview(bool preview) {
  isPreview = preview;
  owner.noteModified();
}

}  // namespace host
