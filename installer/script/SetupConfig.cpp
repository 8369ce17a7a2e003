#include "installer/script/SetupConfig.h"

#include <charconv>

#include "platform/AsciiText.h"

namespace installer {
namespace {

constexpr std::string_view kGeneralHeader = "[GENERAL]";
constexpr size_t kNumberedKeyLimit = 20;
constexpr size_t kNumberDigitsLimit = 4;
// The default install directory as a configuration would write it: the root of the Windows drive.
constexpr std::string_view kDefaultInstallDirectory = "$R\\\\";

// Calls visit(key, line, valuePosition) for every "key=value" line of [GENERAL].
template <class Visit>
void forEachGeneralLine(std::string_view buffer, LanguageId language, Visit visit) {
  std::optional<size_t> start = findSection(buffer, kGeneralHeader, language);
  if (!start) return;
  size_t position = *start;
  while (std::optional<std::string> line = readLine(buffer, position, language)) {
    if (line->starts_with('[')) break;
    size_t equals = line->find('=');
    if (equals == std::string::npos) continue;
    std::string_view key = platform::trimBlanks(std::string_view(*line).substr(0, equals));
    size_t value = equals + 1;
    while (value < line->size() && ((*line)[value] == ' ' || (*line)[value] == '\t')) ++value;
    visit(key, std::string_view(*line), value);
  }
}

// An unsigned decimal number after blanks; 0 when there is none.
uint32_t sizeValue(std::string_view text) {
  text = platform::trimBlanks(text);
  uint32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// "label,size": the label through the tokeniser, the size after the comma.
void readChoice(Choice& choice, std::string_view line, size_t position, const MacroValues& macros) {
  choice.exists = true;
  choice.label = nextToken(',', position, line, macros);
  choice.sizeKb = position < line.size() ? sizeValue(line.substr(position + 1)) : 0;
}

std::vector<std::string> readSearchKeys(std::string_view line, size_t position, const MacroValues& macros) {
  std::vector<std::string> names;
  while (position < line.size()) {
    while (position < line.size() && (line[position] == ' ' || line[position] == '\t')) ++position;
    std::string name;
    if (position < line.size() && line[position] == '"') {
      ++position;
      name = nextToken('"', position, line, macros);
      if (position < line.size()) ++position;  // the closing quote
      // Anything between the closing quote and the comma is not part of the name.
      while (position < line.size() && line[position] != ',') ++position;
    } else {
      name = std::string(platform::trimBlanks(nextToken(',', position, line, macros)));
    }
    if (!name.empty()) names.push_back(std::move(name));
    if (position < line.size()) ++position;  // the comma
  }
  return names;
}

}  // namespace

std::string_view installTypeName(InstallType type) {
  switch (type) {
    case InstallType::SI:
      return "SI";
    case InstallType::MI:
      return "MI";
    case InstallType::CI:
      return "CI";
    case InstallType::SD:
      return "SD";
    case InstallType::CD:
      return "CD";
  }
  return "CI";
}

std::optional<int> numberedKey(std::string_view key, std::string_view prefix) {
  if (key.size() >= kNumberedKeyLimit || !key.starts_with(prefix)) return std::nullopt;
  std::string_view digits = key.substr(prefix.size());
  if (digits.empty() || digits.size() > kNumberDigitsLimit) return std::nullopt;
  int number = 0;
  auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (status != std::errc{} || end != digits.data() + digits.size() || digits.front() == '-' || digits.front() == '+') {
    return std::nullopt;
  }
  if (number < 0 || number >= static_cast<int>(kChoiceLimit)) return std::nullopt;
  return number;
}

LanguageId readLanguage(std::string_view buffer) {
  // Before the language is known, double-byte text is read the Japanese way, as the program starts.
  LanguageId language = LanguageId::JAPANESE;
  bool found = false;
  forEachGeneralLine(buffer, LanguageId::JAPANESE, [&](std::string_view key, std::string_view line, size_t value) {
    if (found || key != "LANGUAGE") return;
    found = true;
    std::string_view word = platform::trimBlanks(line.substr(value));
    if (word == "ENGLISH") language = LanguageId::ENGLISH;
    if (word == "KOREAN") language = LanguageId::KOREAN;
  });
  return language;
}

SetupConfig readSetupConfig(std::string_view buffer, const MacroValues& macros) {
  SetupConfig config;
  config.language = readLanguage(buffer);
  size_t defaultPosition = 0;
  config.installDirectory = nextToken('\0', defaultPosition, kDefaultInstallDirectory, macros);
  std::vector<std::string> setComments;

  forEachGeneralLine(buffer, config.language, [&](std::string_view key, std::string_view line, size_t position) {
    if (std::optional<int> number = numberedKey(key, "INSTALLSET")) {
      if (config.installSets.size() >= kInstallSetLimit) return;
      InstallSet set;
      set.name = nextToken(',', position, line, macros);
      if (position < line.size()) set.specification = std::string(line.substr(position + 1));
      config.installSets.push_back(std::move(set));
    } else if (std::optional<int> mode = numberedKey(key, "INSTALLMODE")) {
      readChoice(config.modes[static_cast<size_t>(*mode)], line, position, macros);
    } else if (std::optional<int> option = numberedKey(key, "OPTION")) {
      readChoice(config.options[static_cast<size_t>(*option)], line, position, macros);
    } else if (std::optional<int> optionComment = numberedKey(key, "OCOMMENT")) {
      config.options[static_cast<size_t>(*optionComment)].comment = nextToken(',', position, line, macros);
    } else if (std::optional<int> modeComment = numberedKey(key, "MCOMMENT")) {
      config.modes[static_cast<size_t>(*modeComment)].comment = nextToken(',', position, line, macros);
    } else if (numberedKey(key, "SCOMMENT")) {
      setComments.push_back(nextToken(',', position, line, macros));
    } else if (key == "INSTALLDIR") {
      if (position < line.size() && line[position] == '"') {
        ++position;
        config.installDirectory = nextToken('"', position, line, macros);
      } else {
        config.installDirectory = nextToken(',', position, line, macros);
      }
    } else if (key == "SEARCHKEY") {
      config.searchKeys = readSearchKeys(line, position, macros);
    } else if (key == "FINDMESSAGE") {
      config.findMessage = nextToken('\0', position, line, macros);
    } else if (key == "COVERPAGE") {
      config.coverPage = platform::equalsIgnoringAsciiCase(platform::trimBlanks(line.substr(position)), "TRUE");
    }
  });

  // The k-th SCOMMENT line belongs to the k-th install set, whatever its number.
  for (size_t index = 0; index < setComments.size() && index < config.installSets.size(); ++index) {
    config.installSets[index].comment = std::move(setComments[index]);
  }
  return config;
}

}  // namespace installer
