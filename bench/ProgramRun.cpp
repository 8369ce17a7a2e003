#include "ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>

extern char** environ;

namespace bench {

Measurement measure(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Measurement measurement;
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return measurement;
  int status = 0;
  rusage usage{};
  // wait4 gives the child's own peak memory, not the benchmark's.
  if (wait4(child, &status, 0, &usage) != child) return measurement;
  measurement.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  measurement.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024;  // ru_maxrss is in KiB on Linux
  measurement.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return measurement;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace bench
