#include "tests/apps/drawhost/ProgramRun.h"

namespace drawhost::testing {

ProgramRun drawhost(const std::string& arguments) {
  return platform::test::runCommand(std::string(DRAWHOST_PROGRAM) + " " + arguments + " 2>&1");
}

}  // namespace drawhost::testing
