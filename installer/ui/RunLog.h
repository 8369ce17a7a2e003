#pragma once
// The log of a run (--log FILE): one line per page, status line, message box with its answer, step and remark,
// with line ends and other control characters written as escapes so that each event stays on one line.

#include <cstdio>
#include <string>
#include <string_view>

namespace installer {

/// Writes log lines to a file; without a file it writes nothing.
class RunLog {
public:
  /// Logs to file (not owned; may be null).
  explicit RunLog(std::FILE* file = nullptr) : sink(file) {}

  /// Writes "kind: text" as one line and flushes, so an interrupted run keeps its log.
  void write(std::string_view kind, std::string_view text);

  /// The text with CR, LF, tab and other control characters as \r, \n, \t and \xNN.
  [[nodiscard]] static std::string escaped(std::string_view text);

private:
  std::FILE* sink;
};

}  // namespace installer
