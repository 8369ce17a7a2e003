#pragma once
// Helpers of the platform tests: environment variables and folders that are put back after each test.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ContainedPath.h"
#include "platform/Result.h"

namespace platform::test {

/// Sets and unsets environment variables; the destructor restores every variable it touched.
class ScopedEnvironment {
public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment();

  /// Sets the variable to value, or unsets it when value is empty (nullopt).
  void set(const std::string& name, const std::optional<std::string>& value);
  void unset(const std::string& name) { set(name, std::nullopt); }

private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

/// A new empty folder under the system's temporary folder, removed with its content by the destructor.
class TemporaryFolder {
public:
  TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder();

  [[nodiscard]] const std::filesystem::path& path() const { return folder; }

private:
  std::filesystem::path folder;
};

/// The whole content of a file.
[[nodiscard]] std::string readText(const std::filesystem::path& path);
/// Replaces a file's content, creating its folder.
void writeText(const std::filesystem::path& path, const std::string& text);
/// The names of the entries of a folder, sorted.
[[nodiscard]] std::vector<std::string> entryNames(const std::filesystem::path& folder);

/// The entry at path, resolved for a change beneath its own folder (which the test trusts).
[[nodiscard]] ContainedPath entryAt(const std::filesystem::path& path);

/// How a shell command ended.
struct CommandRun {
  /// The exit code, or -1 when the command did not exit normally (or could not start).
  int status = -1;
  /// What it wrote to stdout (and stderr, when the command line sends it there with 2>&1).
  std::string output;
};

/// Runs a shell command line, redirections included, and collects its output.
[[nodiscard]] CommandRun runCommand(const std::string& commandLine);

/// Put before a command line, makes GNU time report the command's peak memory on the last line of its output.
inline constexpr const char* kPeakMemoryPrefix = "/usr/bin/time -f peak=%M ";

/// The peak resident memory in MB that kPeakMemoryPrefix reported in output, or -1 when it holds none.
[[nodiscard]] double peakMegabytes(const std::string& output);

/// Succeeds when the result holds a value; otherwise prints the error.
template <class T>
[[nodiscard]] ::testing::AssertionResult succeeded(const Result<T>& result) {
  if (result.ok()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "error " << result.error().code << ": " << result.error().describe();
}

}  // namespace platform::test
