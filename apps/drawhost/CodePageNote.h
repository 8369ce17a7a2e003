#pragma once
// The note drawhost gives when a drawing's text holds characters that the system code page lacks: plug-in
// formats read text in that code page, so such characters need a form of their own or are lost.

#include <optional>
#include <string>

#include "platform/CodePages.h"

namespace host {
class Document;
}

namespace drawhost {

/// "N characters outside the system code page 1252: 日 本 語" (each character once, in the order met), or
/// nothing when every character of the document's text is in the code page.
[[nodiscard]] std::optional<std::string> codePageNote(const host::Document& document, platform::CodePage codePage);

}  // namespace drawhost
