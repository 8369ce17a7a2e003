#include "TestSupport.h"

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace platform::test {

ScopedEnvironment::~ScopedEnvironment() {
  // Reverse order, so a variable touched twice ends with its first saved value.
  for (auto entry = saved.rbegin(); entry != saved.rend(); ++entry) {
    if (entry->second) {
      setenv(entry->first.c_str(), entry->second->c_str(), 1);
    } else {
      unsetenv(entry->first.c_str());
    }
  }
}

void ScopedEnvironment::set(const std::string& name, const std::optional<std::string>& value) {
  const char* previous = std::getenv(name.c_str());
  saved.emplace_back(name, previous ? std::optional<std::string>(previous) : std::nullopt);
  if (value) {
    setenv(name.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name.c_str());
  }
}

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "platform-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  folder = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;  // a leftover temporary folder must not fail the test that has already run
  std::filesystem::remove_all(folder, ignored);
}

std::string readText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::string> entryNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

CommandRun runCommand(const std::string& commandLine) {
  CommandRun run;
  std::FILE* pipe = ::popen(commandLine.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> chunk{};
  while (size_t read = std::fread(chunk.data(), 1, chunk.size(), pipe)) run.output.append(chunk.data(), read);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

ContainedPath entryAt(const std::filesystem::path& path) {
  WriteScope scope;
  scope.allow(path.parent_path());
  Result<ContainedPath> entry = scope.resolve(path);
  if (!entry) throw std::runtime_error(entry.error().describe());
  return std::move(entry).value();
}

double peakMegabytes(const std::string& output) {
  const std::size_t line = output.rfind("peak=");
  if (line == std::string::npos) return -1;
  return std::stod(output.substr(line + 5)) / 1024;  // %M counts KiB
}

}  // namespace platform::test
