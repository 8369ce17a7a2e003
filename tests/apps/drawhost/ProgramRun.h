#pragma once

#include <string>

#include "tests/platform/TestSupport.h"

namespace drawhost::testing {

/// How a run of drawhost ended: its exit code and what it wrote to stdout and stderr, interleaved.
using ProgramRun = platform::test::CommandRun;

/// Runs drawhost with arguments (shell words) and collects its output.
ProgramRun drawhost(const std::string& arguments);

}  // namespace drawhost::testing
