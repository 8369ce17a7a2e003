#include "installer/commands/NamePatterns.h"

#include "platform/AsciiText.h"

namespace installer {
namespace {

size_t nameStart(std::string_view path) {
  size_t separator = path.find_last_of("\\/:");
  return separator == std::string_view::npos ? 0 : separator + 1;
}

// True when the pattern from position on is a dot followed by nothing but stars.
bool isEmptyExtension(std::string_view pattern, size_t position) {
  if (position >= pattern.size() || pattern[position] != '.') return false;
  return pattern.find_first_not_of('*', position + 1) == std::string_view::npos;
}

}  // namespace

std::string_view fileNamePart(std::string_view path) { return path.substr(nameStart(path)); }

std::string_view directoryPart(std::string_view path) { return path.substr(0, nameStart(path)); }

bool matchName(std::string_view patternPath, std::string_view candidatePath) {
  std::string_view pattern = fileNamePart(patternPath);
  std::string_view candidate = fileNamePart(candidatePath);
  size_t patternDot = pattern.rfind('.');
  size_t candidateDot = candidate.rfind('.');
  size_t at = 0;
  for (size_t index = 0; index < pattern.size(); ++index) {
    char c = pattern[index];
    if (c == '*') {
      bool beforeLastDot = patternDot != std::string_view::npos && index < patternDot;
      size_t end = beforeLastDot && candidateDot != std::string_view::npos ? candidateDot : candidate.size();
      if (at < end) at = end;
      continue;
    }
    if (at >= candidate.size()) {
      // A name without an extension matches an extension of stars: "*.*" and "README.*" take "README".
      return index == patternDot && candidateDot == std::string_view::npos && isEmptyExtension(pattern, index);
    }
    if (platform::lowerAscii(c) != platform::lowerAscii(candidate[at])) return false;
    ++at;
  }
  return at == candidate.size();
}

std::string mapName(std::string_view destinationPattern, std::string_view sourceName) {
  std::string_view directory = directoryPart(destinationPattern);
  std::string_view pattern = fileNamePart(destinationPattern);
  std::string_view source = fileNamePart(sourceName);
  std::string name;
  if (pattern.empty()) {
    name = source;
  } else {
    size_t patternDot = pattern.rfind('.');
    size_t sourceDot = source.rfind('.');
    size_t at = 0;
    for (size_t index = 0; index < pattern.size(); ++index) {
      char c = pattern[index];
      if (c == '*') {
        bool beforeLastDot = patternDot != std::string_view::npos && index < patternDot;
        bool toLastDot = beforeLastDot && sourceDot != std::string_view::npos && at <= sourceDot;
        size_t end = toLastDot ? sourceDot : source.size();
        if (at < end) name.append(source.substr(at, end - at));
        at = end;
      } else if (index == patternDot) {
        at = sourceDot != std::string_view::npos && at <= sourceDot ? sourceDot + 1 : source.size();
        name += '.';
      } else {
        name += c;
        if (at < source.size()) ++at;
      }
    }
  }
  while (!name.empty() && name.back() == '.') name.pop_back();
  return std::string(directory) + name;
}

}  // namespace installer
