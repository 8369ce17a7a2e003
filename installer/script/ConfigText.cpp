#include "installer/script/ConfigText.h"

#include <fstream>
#include <system_error>

#include "platform/AsciiText.h"

namespace installer {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kConfigurationNames[] = {"WENDRIX.INI", "SETUP.INI"};

// The entry of folder named name without regard to case, as Windows finds files.
std::optional<fs::path> findEntry(const fs::path& folder, std::string_view name) {
  std::error_code error;
  if (fs::is_regular_file(folder / name, error)) return folder / name;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (platform::equalsIgnoringAsciiCase(entry.path().filename().string(), name) && entry.is_regular_file(error)) {
      return entry.path();
    }
  }
  return std::nullopt;
}

}  // namespace

platform::Result<ConfigText> loadConfiguration(const fs::path& setupDirectory) {
  ConfigText text;
  std::optional<platform::Error> unreadable;
  for (std::string_view name : kConfigurationNames) {
    std::optional<fs::path> file = findEntry(setupDirectory, name);
    if (!file) continue;
    // A file that cannot be opened or read is passed over for the next name, as one that is missing would be.
    std::ifstream stream(*file, std::ios::binary);
    if (!stream) {
      if (!unreadable) unreadable = platform::fail("cannot open the configuration", file->string());
      continue;
    }
    text.bytes.resize(kConfigurationLimit + 1);
    stream.read(text.bytes.data(), static_cast<std::streamsize>(text.bytes.size()));
    if (stream.bad()) {
      if (!unreadable) unreadable = platform::fail("cannot read the configuration", file->string());
      text.bytes.clear();
      continue;
    }
    text.bytes.resize(static_cast<size_t>(stream.gcount()));
    if (text.bytes.size() > kConfigurationLimit) {
      text.bytes.resize(kConfigurationLimit);
      text.truncated = true;
    }
    text.file = *file;
    return text;
  }
  if (unreadable) return *unreadable;
  return text;
}

std::string setupDirectoryOf(std::string_view commandLine) {
  std::string_view program;
  if (commandLine.starts_with('"')) {
    size_t close = commandLine.find('"', 1);
    program = commandLine.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
  } else {
    program = commandLine.substr(0, commandLine.find(' '));
  }
  size_t lastBackslash = program.rfind('\\');
  if (lastBackslash == std::string_view::npos) {
    // "A:SETUP.EXE": the drive alone is the directory.
    size_t colon = program.find(':');
    return colon == std::string_view::npos ? std::string{} : std::string(program.substr(0, colon + 1));
  }
  std::string_view folder = program.substr(0, lastBackslash);
  // "A:\SETUP.EXE": the colon of the drive stays, without its backslash.
  return std::string(folder);
}

std::optional<std::string> readLine(std::string_view buffer, size_t& position, LanguageId language) {
  if (position >= buffer.size()) return std::nullopt;
  std::string line;
  bool full = false;
  while (position < buffer.size() && buffer[position] != '\n') {
    char c = buffer[position++];
    if (c == '\r') continue;
    bool pair = isLeadByte(language, static_cast<unsigned char>(c)) && position < buffer.size() &&
                buffer[position] != '\n' && buffer[position] != '\r';
    if (!pair) {
      if (line.size() + 1 > kLineLimit) full = true;
      if (!full) line += c;
      continue;
    }
    char second = buffer[position++];
    bool doubled = second == '\\' || second == '$';
    size_t needed = doubled ? 3 : 2;
    if (line.size() + needed > kLineLimit) full = true;
    if (full) continue;
    line += c;
    line += second;
    if (doubled) line += second;
  }
  if (position < buffer.size()) ++position;  // the LF
  return line;
}

std::string lineAsWritten(std::string_view line, LanguageId language) {
  std::string out;
  for (size_t index = 0; index < line.size(); ++index) {
    out += line[index];
    if (!isLeadByte(language, static_cast<unsigned char>(line[index])) || index + 1 >= line.size()) continue;
    char second = line[++index];
    out += second;
    if ((second == '\\' || second == '$') && index + 1 < line.size() && line[index + 1] == second) ++index;
  }
  return out;
}

std::optional<size_t> findSection(std::string_view buffer, std::string_view header, LanguageId language) {
  size_t position = 0;
  while (std::optional<std::string> line = readLine(buffer, position, language)) {
    if (line->starts_with(header)) return position;
  }
  return std::nullopt;
}

}  // namespace installer
