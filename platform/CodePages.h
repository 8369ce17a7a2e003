#pragma once
// Code pages: the system code page (GetACP) and conversions between code-page text, UTF-8 and UTF-16
// (MultiByteToWideChar, WideCharToMultiByte), through iconv.
//
// A conversion either converts the whole text or fails: invalid input, or a character the target code page
// lacks, gives ERROR_NO_UNICODE_TRANSLATION with where = "offset N" (the first bad position in the input, in
// its code units), never a partial text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/PlatformApi.h"
#include "platform/Result.h"

namespace platform {

/// The code pages the suite uses, by their Windows numbers.
enum class CodePage : uint32_t {
  /// Japanese, Shift-JIS with Microsoft's extensions (iconv "CP932").
  SHIFT_JIS = 932,
  /// Korean, Unified Hangul Code (iconv "CP949").
  KOREAN = 949,
  /// Western European (iconv "CP1252").
  WINDOWS_1252 = 1252,
  /// Unicode as UTF-8.
  UTF8 = 65001,
};

/// The code page a name gives: its number ("932") or "cp" and the number ("cp932", "CP949"), and "utf-8" or
/// "utf8" for 65001; ERROR_INVALID_PARAMETER for anything else.
[[nodiscard]] PLATFORM_API Result<CodePage> codePageNamed(std::string_view name);

/// The code page of a locale name: "ja..." gives 932, "ko..." 949, anything else 1252.
[[nodiscard]] PLATFORM_API CodePage codePageOfLocale(std::string_view localeName);

/// The system code page and, when $PLATFORM_CODEPAGE names no code page, why it was not used.
struct CodePageChoice {
  /// The code page in force.
  CodePage codePage = CodePage::WINDOWS_1252;
  /// Set when PLATFORM_CODEPAGE was set but unknown; the locale then decided.
  std::optional<Error> problem;
};

/// The system code page: $PLATFORM_CODEPAGE when it names one, else the locale's ($LC_ALL, else $LC_CTYPE,
/// else $LANG). Read afresh at every call.
[[nodiscard]] PLATFORM_API CodePageChoice chooseSystemCodePage();

/// The system code page as chooseSystemCodePage chooses it; an unknown $PLATFORM_CODEPAGE is reported once
/// on stderr.
[[nodiscard]] PLATFORM_API CodePage systemCodePage();

/// Code-page text as UTF-8.
[[nodiscard]] PLATFORM_API Result<std::string> codePageToUtf8(std::string_view text, CodePage from);
/// UTF-8 text in the code page.
[[nodiscard]] PLATFORM_API Result<std::string> utf8ToCodePage(std::string_view text, CodePage to);
/// Code-page text as UTF-16.
[[nodiscard]] PLATFORM_API Result<std::u16string> codePageToUtf16(std::string_view text, CodePage from);
/// UTF-16 text as UTF-8 (an unpaired surrogate is invalid).
[[nodiscard]] PLATFORM_API Result<std::string> utf16ToUtf8(std::u16string_view text);

}  // namespace platform
