#pragma once

#include <string>

namespace drawhost::testing {

/// How a run of drawhost ended.
struct ProgramRun {
  /// The exit code, or -1 when the program did not exit normally.
  int status = -1;
  /// What it wrote to stdout and stderr, interleaved.
  std::string output;
};

/// Runs drawhost with arguments (shell words) and collects its output.
ProgramRun drawhost(const std::string& arguments);

}  // namespace drawhost::testing
