#include "tests/apps/drawhost/ProgramRun.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace drawhost::testing {

ProgramRun drawhost(const std::string& arguments) {
  ProgramRun run;
  std::string command = std::string(DRAWHOST_PROGRAM) + " " + arguments + " 2>&1";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> chunk{};
  while (size_t read = std::fread(chunk.data(), 1, chunk.size(), pipe)) run.output.append(chunk.data(), read);
  int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace drawhost::testing
