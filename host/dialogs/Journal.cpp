#include "host/dialogs/Journal.h"

#include <cstdio>

namespace host {

void Journal::record(std::string line) {
  if (sink != nullptr) {
    std::fprintf(sink, "%s\n", line.c_str());
    std::fflush(sink);
  }
  entries.push_back(std::move(line));
}

std::vector<std::string> Journal::linesStartingWith(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : entries) {
    if (std::string_view(line).starts_with(prefix)) found.push_back(line);
  }
  return found;
}

std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace host
