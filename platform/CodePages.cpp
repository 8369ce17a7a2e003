#include "platform/CodePages.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdio>

#include "platform/SystemErrors.h"
#include "platform/AsciiText.h"
#include "platform/internal/Environment.h"
#include "platform/internal/IconvConverter.h"

namespace platform {
namespace {

struct CodePageEntry {
  CodePage codePage;
  const char* iconvName;
};

// glibc's names; CP932 (unlike SHIFT_JIS) keeps 0x5C a backslash and has Microsoft's extensions, as Windows.
constexpr std::array<CodePageEntry, 4> kCodePages{{
    {CodePage::SHIFT_JIS, "CP932"},
    {CodePage::KOREAN, "CP949"},
    {CodePage::WINDOWS_1252, "CP1252"},
    {CodePage::UTF8, "UTF-8"},
}};

constexpr const char* kUtf8 = "UTF-8";
// UTF-16 in this machine's byte order, without a byte-order mark, as a std::u16string holds it.
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

constexpr std::string_view kCodePagePrefix = "cp";
constexpr std::array<std::string_view, 2> kUtf8Names{"utf-8", "utf8"};
// The locale variables in POSIX order of precedence.
constexpr std::array<const char*, 3> kLocaleVariables{"LC_ALL", "LC_CTYPE", "LANG"};

const char* iconvNameOf(CodePage codePage) {
  for (const CodePageEntry& entry : kCodePages) {
    if (entry.codePage == codePage) return entry.iconvName;
  }
  return nullptr;
}

std::string numberText(CodePage codePage) { return std::to_string(static_cast<uint32_t>(codePage)); }

// Converts with iconv, naming both sides in the error.
Result<std::string> convert(std::string_view input, const char* fromEncoding, const char* toEncoding,
                            std::string_view fromName, std::string_view toName, size_t unitSize = 1) {
  if (fromEncoding == nullptr || toEncoding == nullptr) {
    return fail("unknown code page in a conversion from " + std::string(fromName) + " to " + std::string(toName), {},
                ERROR_INVALID_PARAMETER);
  }
  Result<internal::IconvConverter> converter = internal::IconvConverter::open(toEncoding, fromEncoding);
  if (!converter) return converter.error();
  Result<std::string> converted = converter.value().convert(input, unitSize);
  if (!converted) {
    return fail(std::string(fromName) + " text cannot be converted to " + std::string(toName) + ": " +
                    converted.error().message,
                converted.error().where, converted.error().code);
  }
  return converted;
}

// The offset of the first byte that does not begin a valid UTF-8 sequence (overlong forms, surrogates and
// numbers above U+10FFFF are invalid), or nothing.
std::optional<size_t> firstInvalidUtf8(std::string_view text) {
  size_t position = 0;
  while (position < text.size()) {
    const auto byte = [&](size_t index) { return static_cast<unsigned char>(text[index]); };
    unsigned char lead = byte(position);
    size_t length = 0;
    uint32_t minimum = 0;
    uint32_t codePoint = 0;
    if (lead < 0x80) {
      ++position;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, minimum = 0x80, codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, minimum = 0x800, codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, minimum = 0x10000, codePoint = lead & 0x07u;
    } else {
      return position;
    }
    if (position + length > text.size()) return position;
    for (size_t index = 1; index < length; ++index) {
      unsigned char continuation = byte(position + index);
      if ((continuation & 0xC0u) != 0x80u) return position;
      codePoint = (codePoint << 6) | (continuation & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return position;
    position += length;
  }
  return std::nullopt;
}

std::string localeName() {
  for (const char* variable : kLocaleVariables) {
    if (std::optional<std::string> value = internal::environmentValue(variable)) return *value;
  }
  return {};  // the C locale
}

}  // namespace

Result<CodePage> codePageNamed(std::string_view name) {
  std::string_view text = trimBlanks(name);
  for (std::string_view utf8Name : kUtf8Names) {
    if (equalsIgnoringAsciiCase(text, utf8Name)) return CodePage::UTF8;
  }
  if (startsWithIgnoringAsciiCase(text, kCodePagePrefix)) text.remove_prefix(kCodePagePrefix.size());
  uint32_t number = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (!text.empty() && error == std::errc() && end == text.data() + text.size()) {
    for (const CodePageEntry& entry : kCodePages) {
      if (static_cast<uint32_t>(entry.codePage) == number) return entry.codePage;
    }
  }
  return fail("\"" + std::string(name) + "\" names no known code page (932, 949, 1252 or 65001)", {},
              ERROR_INVALID_PARAMETER);
}

CodePage codePageOfLocale(std::string_view localeName) {
  if (localeName.starts_with("ja")) return CodePage::SHIFT_JIS;
  if (localeName.starts_with("ko")) return CodePage::KOREAN;
  return CodePage::WINDOWS_1252;
}

CodePageChoice chooseSystemCodePage() {
  // LC_ALL, LC_CTYPE, LANG (through localeName): the user's locale, whose language decides the code page.
  CodePageChoice choice{codePageOfLocale(localeName()), std::nullopt};
  // PLATFORM_CODEPAGE: the system code page to use instead of the locale's ("932", "cp949", "1252", "65001").
  if (std::optional<std::string> chosen = internal::environmentValue("PLATFORM_CODEPAGE")) {
    if (Result<CodePage> named = codePageNamed(*chosen)) {
      choice.codePage = named.value();
    } else {
      choice.problem = fail("PLATFORM_CODEPAGE: " + named.error().message + "; the locale's code page " +
                                numberText(choice.codePage) + " is used",
                            "PLATFORM_CODEPAGE", ERROR_INVALID_PARAMETER);
    }
  }
  return choice;
}

CodePage systemCodePage() {
  CodePageChoice choice = chooseSystemCodePage();
  if (choice.problem) {
    // Reported once per wrong value: the code page is asked for often, and the value rarely changes.
    static std::string lastReported;
    if (choice.problem->message != lastReported) {
      lastReported = choice.problem->message;
      std::fprintf(stderr, "platform: %s\n", lastReported.c_str());
    }
  }
  return choice.codePage;
}

Result<std::string> codePageToUtf8(std::string_view text, CodePage from) {
  return convert(text, iconvNameOf(from), kUtf8, "code page " + numberText(from), "UTF-8");
}

Result<std::string> utf8ToCodePage(std::string_view text, CodePage to) {
  // iconv reports invalid UTF-8 and a character the code page lacks alike; the check tells them apart.
  if (std::optional<size_t> invalid = firstInvalidUtf8(text)) {
    return fail("the text is not valid UTF-8", "offset " + std::to_string(*invalid), ERROR_NO_UNICODE_TRANSLATION);
  }
  return convert(text, kUtf8, iconvNameOf(to), "UTF-8", "code page " + numberText(to));
}

Result<std::u16string> codePageToUtf16(std::string_view text, CodePage from) {
  Result<std::string> bytes = convert(text, iconvNameOf(from), kUtf16, "code page " + numberText(from), "UTF-16");
  if (!bytes) return bytes.error();
  std::u16string units(bytes.value().size() / sizeof(char16_t), u'\0');
  bytes.value().copy(reinterpret_cast<char*>(units.data()), units.size() * sizeof(char16_t));
  return units;
}

Result<std::string> utf16ToUtf8(std::u16string_view text) {
  std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
  return convert(bytes, kUtf16, kUtf8, "UTF-16", "UTF-8", sizeof(char16_t));
}

}  // namespace platform
