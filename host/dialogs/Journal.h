#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace host {

/// The record of what a person would have seen: dialogs opened and closed, alerts, beeps, cursors, undo texts,
/// menu changes. One line per event, "kind detail..."; texts are quoted with C escapes. Tests read it; drawhost
/// writes it to a file or stderr.
class Journal {
public:
  /// Appends one event line and writes it to the sink, if any.
  void record(std::string line);
  /// Every line recorded so far.
  [[nodiscard]] const std::vector<std::string>& lines() const { return entries; }
  /// Lines that begin with prefix.
  [[nodiscard]] std::vector<std::string> linesStartingWith(std::string_view prefix) const;
  /// Forgets the recorded lines (the sink keeps what it was given).
  void clear() { entries.clear(); }
  /// Also writes every later line to stream (not owned; null stops writing).
  void setSink(std::FILE* stream) { sink = stream; }

private:
  std::vector<std::string> entries;
  std::FILE* sink = nullptr;
};

/// text in double quotes, with backslash, quote and control characters escaped.
[[nodiscard]] std::string quote(std::string_view text);

}  // namespace host
