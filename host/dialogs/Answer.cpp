#include "host/dialogs/Answer.h"

namespace host {

std::string Answer::text() const {
  std::string written = dialog;
  if (item) written += "/" + *item;
  if (value) written += "=" + *value;
  return written;
}

platform::Result<Answer> parseAnswer(std::string_view text) {
  Answer answer;
  size_t slash = text.find('/');
  answer.dialog = std::string(text.substr(0, slash));
  if (answer.dialog.empty()) return platform::fail("the answer \"" + std::string(text) + "\" names no dialog");
  if (slash == std::string_view::npos) return answer;
  std::string_view rest = text.substr(slash + 1);
  size_t equals = rest.find('=');
  answer.item = std::string(rest.substr(0, equals));
  if (answer.item->empty()) return platform::fail("the answer \"" + std::string(text) + "\" names no item");
  if (equals != std::string_view::npos) answer.value = std::string(rest.substr(equals + 1));
  return answer;
}

}  // namespace host
