#include "installer/ui/Answers.h"

#include <charconv>
#include <fstream>
#include <system_error>
#include <sstream>

#include "installer/ui/MessageTable.h"
#include "platform/AsciiText.h"

namespace installer {
namespace {

constexpr std::string_view kMessagePrefix = "message.";

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

template <class Number>
std::optional<Number> numberOf(std::string_view text) {
  Number value{};
  auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || status != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "1,3", "none": the numbers of a list.
std::optional<std::vector<int>> numberList(std::string_view text) {
  std::vector<int> numbers;
  if (platform::lowerAsciiText(text) == "none") return numbers;
  while (true) {
    size_t comma = text.find(',');
    std::optional<int> number = numberOf<int>(trim(text.substr(0, comma)));
    if (!number || *number < 0 || *number > 255) return std::nullopt;
    numbers.push_back(*number);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return numbers;
}

}  // namespace

platform::Result<Answers> parseAnswers(std::string_view text, const std::string& file) {
  Answers answers;
  size_t lineNumber = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNumber;
    std::string where = file + ":" + std::to_string(lineNumber);
    if (line.empty() || line.starts_with('#') || line.starts_with(';')) continue;
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return platform::fail("expected \"key = value\"", where);
    std::string key = platform::lowerAsciiText(trim(line.substr(0, equals)));
    std::string_view value = trim(line.substr(equals + 1));
    if (value.empty()) return platform::fail("no value for \"" + key + "\"", where);

    if (key == "set") {
      answers.set = std::string(value);
    } else if (key == "directory") {
      answers.directory = std::string(value);
    } else if (key == "modes" || key == "options") {
      std::optional<std::vector<int>> numbers = numberList(value);
      if (!numbers)
        return platform::fail("\"" + key + "\" takes numbers from 0 to 255 separated by commas, or none", where);
      (key == "modes" ? answers.modes : answers.options) = std::move(*numbers);
    } else if (key == "break") {
      std::optional<size_t> step = numberOf<size_t>(value);
      if (!step) return platform::fail("\"break\" takes a step number", where);
      answers.breakAtStep = *step;
    } else if (key.starts_with(kMessagePrefix)) {
      std::optional<ButtonCode> button = buttonNamed(value);
      if (!button) {
        return platform::fail(
            "unknown button \"" + std::string(value) + "\" (OK, Cancel, Abort, Retry, Ignore, Yes, No or Yes All)",
            where);
      }
      std::string_view which = std::string_view(key).substr(kMessagePrefix.size());
      if (which == "default") {
        answers.messageDefault = *button;
      } else if (which == "findmessage") {
        answers.findMessage = *button;
      } else if (std::optional<int> number = numberOf<int>(which); number && !messageByNumber(*number).empty()) {
        answers.messages[baseMessageNumber(*number)] = *button;
      } else {
        return platform::fail("\"" + key + "\" names no message of the message table", where);
      }
    } else {
      return platform::fail("unknown key \"" + key +
                                "\" (set, directory, modes, options, message.NUMBER, message.FINDMESSAGE, "
                                "message.default, break)",
                            where);
    }
  }
  return answers;
}

platform::Result<Answers> readAnswers(const std::filesystem::path& file) {
  // A folder opens as a stream on Linux and reads as nothing, which would answer every box with its default.
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) return platform::fail("a folder, not an answers file", file.string());
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return platform::fail("cannot read the answers file", file.string());
  std::ostringstream text;
  text << stream.rdbuf();
  if (stream.bad()) return platform::fail("cannot read the answers file", file.string());
  return parseAnswers(text.str(), file.string());
}

}  // namespace installer
