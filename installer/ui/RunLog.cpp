#include "installer/ui/RunLog.h"

namespace installer {

void RunLog::write(std::string_view kind, std::string_view text) {
  if (sink == nullptr) return;
  std::string line(kind);
  line += ": ";
  line += escaped(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), sink);
  std::fflush(sink);
}

std::string RunLog::escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          constexpr char kHex[] = "0123456789abcdef";
          out += "\\x";
          out += kHex[(c >> 4) & 0xF];
          out += kHex[c & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out;
}

}  // namespace installer
