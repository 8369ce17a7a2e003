#include "installer/script/Tokens.h"

#include <string_view>

#include "platform/AsciiText.h"

namespace installer {
namespace {

// Characters that a backslash escapes, and the macro letters a dollar sign escapes.
constexpr std::string_view kBackslashEscapes = "0abfnrtv,.\\?'\"";
constexpr std::string_view kMacroLetters = "AIWSR";
// The drive part of a path: "C:\" before its trailing backslash is removed.
constexpr size_t kDriveLength = 3;

std::string withoutTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

char controlCharacter(char letter) {
  switch (letter) {
    case 'a':
      return '\a';
    case 'b':
      return '\b';
    case 'f':
      return '\f';
    case 't':
      return '\t';
    case 'v':
      return '\v';
    // \r is among the escapes but has no meaning of its own in the script language; it gives a carriage
    // return, as in C.
    case 'r':
      return '\r';
    default:
      return letter;  // ? ' " , . and the backslash stand for themselves
  }
}

std::string macroValue(char letter, const MacroValues& macros) {
  switch (letter) {
    case 'A':
      return macros.installDirectory;
    case 'I':
      return macros.installDirectory.substr(0, kDriveLength);
    case 'W':
      return macros.windowsDirectory;
    case 'S':
      return macros.systemDirectory;
    case 'R':
      return macros.windowsDirectory.substr(0, kDriveLength);
    default:
      return {};
  }
}

}  // namespace

std::string nextToken(char delimiter, size_t& position, std::string_view line, const MacroValues& macros) {
  std::string token;
  bool ended = false;  // a \0 escape ends the text
  auto append = [&](std::string_view text) {
    if (!ended) token += text;
  };
  while (position < line.size()) {
    char c = line[position];
    if (delimiter != '\0' && c == delimiter) break;
    char next = position + 1 < line.size() ? line[position + 1] : '\0';
    if (c == '\\') {
      if (position + 1 >= line.size()) {
        ++position;  // a lone backslash at the end is dropped
        break;
      }
      if (kBackslashEscapes.find(next) == std::string_view::npos) {
        // An unknown escape is dropped with the character after it; a delimiter after it still ends the token.
        if (delimiter != '\0' && next == delimiter) {
          ++position;
          break;
        }
        position += 2;
        continue;
      }
      position += 2;
      if (next == '0') {
        ended = true;
      } else if (next == 'n') {
        append("\r\n");
      } else {
        append(std::string(1, controlCharacter(next)));
      }
      continue;
    }
    if (c == '$') {
      if (position + 1 >= line.size()) {
        ++position;
        break;
      }
      if (kMacroLetters.find(next) != std::string_view::npos) {
        append(withoutTrailingBackslash(macroValue(next, macros)));
        position += 2;
        continue;
      }
      if (next == '$') {
        append("$");
        position += 2;
        continue;
      }
      if (platform::isAsciiDigit(next)) {
        int number = next - '0';
        position += 2;
        if (position < line.size() && platform::isAsciiDigit(line[position])) number = number * 10 + (line[position++] - '0');
        std::string folder = macros.specialFolder ? macros.specialFolder(number) : std::string{};
        if (folder.size() > kSpecialFolderLimit) folder.resize(kSpecialFolderLimit);
        append(withoutTrailingBackslash(folder));
        continue;
      }
      if (delimiter != '\0' && next == delimiter) {
        ++position;
        break;
      }
      position += 2;
      continue;
    }
    append(std::string_view(&line[position], 1));
    ++position;
  }
  return token;
}

}  // namespace installer
