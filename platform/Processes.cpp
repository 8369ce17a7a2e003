#include "platform/Processes.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "platform/SystemErrors.h"
#include "platform/AsciiText.h"

namespace platform {
namespace {

constexpr std::string_view kProcFolder = "/proc";

ProcessSnapshotSource& snapshotSource() {
  static ProcessSnapshotSource source;
  return source;
}

// The names of a comma-separated list, without blanks around them; empty items are skipped.
std::vector<ProcessEntry> entriesNamedIn(std::string_view list) {
  std::vector<ProcessEntry> entries;
  while (true) {
    size_t comma = list.find(',');
    std::string_view name = trimBlanks(list.substr(0, comma));
    if (!name.empty()) entries.push_back(ProcessEntry{0, std::string(name)});
    if (comma == std::string_view::npos) return entries;
    list.remove_prefix(comma + 1);
  }
}

std::optional<int32_t> processIdOf(std::string_view folderName) {
  int32_t processId = 0;
  auto [end, error] = std::from_chars(folderName.data(), folderName.data() + folderName.size(), processId);
  if (error != std::errc() || end != folderName.data() + folderName.size() || processId <= 0) return std::nullopt;
  return processId;
}

std::string fileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// argv[0] from /proc/PID/cmdline (arguments separated by zero bytes), else the kernel's short name in
// /proc/PID/comm (kernel threads and zombies have no command line). Empty when the process has gone.
std::string executableNameOf(const std::filesystem::path& processFolder) {
  std::string commandLine = fileText(processFolder / "cmdline");
  std::string_view programPath(commandLine.c_str());  // up to the first zero byte
  if (!programPath.empty()) {
    std::string_view name = executableBaseName(programPath);
    if (!name.empty()) return std::string(name);
  }
  std::string shortName = fileText(processFolder / "comm");
  if (shortName.ends_with('\n')) shortName.pop_back();
  return shortName;
}

Result<std::vector<ProcessEntry>> procSnapshot() {
  std::vector<ProcessEntry> entries;
  std::error_code error;
  std::filesystem::directory_iterator folder(kProcFolder, error);
  if (error) return fail("cannot list the processes: " + error.message(), std::string(kProcFolder), ERROR_READ_FAULT);
  // The error-code form of increment: a range-for would throw on a failed step.
  for (; folder != std::filesystem::directory_iterator(); folder.increment(error)) {
    std::optional<int32_t> processId = processIdOf(folder->path().filename().native());
    if (!processId) continue;
    // A process may end between the listing and the reading; it then simply is not in the snapshot.
    std::string name = executableNameOf(folder->path());
    if (!name.empty()) entries.push_back(ProcessEntry{*processId, std::move(name)});
  }
  if (error) return fail("cannot list the processes: " + error.message(), std::string(kProcFolder), ERROR_READ_FAULT);
  return entries;
}

}  // namespace

Result<std::vector<ProcessEntry>> processSnapshot() {
  if (snapshotSource()) return snapshotSource()();
  // PLATFORM_PROCESSES: comma-separated executable names that replace the real process list (tests of the
  // companion's monitor "Pelmorix.exe"). Set but empty, it means that no process runs.
  if (const char* names = std::getenv("PLATFORM_PROCESSES")) return entriesNamedIn(names);
  return procSnapshot();
}

void setProcessSnapshotSource(ProcessSnapshotSource source) { snapshotSource() = std::move(source); }

std::string_view executableBaseName(std::string_view programPath) {
  size_t separator = programPath.find_last_of("/\\");
  return separator == std::string_view::npos ? programPath : programPath.substr(separator + 1);
}

}  // namespace platform
