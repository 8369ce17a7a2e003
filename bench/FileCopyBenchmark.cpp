// The installer's tree copy (XFLCOPY) against `cp -r` on the same machine: a tree of many small files, and one
// large file. The inputs are generated in the temporary folder and removed at the end.
//
//   file_copy_bench [--files N] [--large-mb M] [--rounds R]     (defaults: 10000 files, 1024 MB, 4 rounds)
//
// After one uncounted warm-up copy, each round copies each input once with cp -r and once with XFLCOPY
// (alternating which goes first); the median wall-clock and processor times of each are reported with their
// ratios (each round's times go to stderr). The processor times are the steadier
// figure on a machine that others share.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "installer/commands/CommandContext.h"
#include "installer/commands/FileCommands.h"
#include "installer/commands/RunState.h"
#include "installer/script/SetupConfig.h"
#include "installer/script/Tokens.h"
#include "installer/ui/UserInterface.h"
#include "platform/DriveMap.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A user interface that shows nothing: the copies below ask no questions.
class SilentUi final : public installer::UserInterface {
public:
  platform::Result<installer::PageButton> runPage(const installer::PageView&, installer::SetupControls&) override {
    return platform::fail("no pages here");
  }
  void showProgressPage(const installer::PageView&) override {}
  platform::Result<installer::ButtonCode> showMessage(const installer::MessageBoxRequest& box) override {
    std::cerr << "file_copy_bench: unexpected question: " << box.text << "\n";
    return platform::fail("no questions here");
  }
  void showStatus(std::string_view) override {}
  void showDiskGroup(size_t, std::string_view, std::string_view) override {}
  void showStep(size_t, size_t, std::string_view) override {}
  void note(std::string_view text) override { std::cerr << "file_copy_bench: " << text << "\n"; }
  platform::Result<void> runTimer(std::chrono::milliseconds, installer::ProgressDriver&) override {
    return platform::fail("no timer here");
  }
};

void makeSmallFiles(const fs::path& folder, int count) {
  constexpr int kPerFolder = 100;
  std::string content;
  for (int index = 0; index < count; ++index) {
    fs::path sub = folder / ("DIR" + std::to_string(index / kPerFolder));
    if (index % kPerFolder == 0) fs::create_directories(sub);
    content.assign(static_cast<size_t>(512 + (index * 37) % 3584), static_cast<char>('a' + index % 26));
    std::ofstream(sub / ("FILE" + std::to_string(index) + ".DAT"), std::ios::binary) << content;
  }
}

void makeLargeFile(const fs::path& file, long long megabytes) {
  fs::create_directories(file.parent_path());
  std::vector<char> block(size_t{1} << 20);
  for (size_t index = 0; index < block.size(); ++index) block[index] = static_cast<char>(index * 131 % 251);
  std::ofstream out(file, std::ios::binary);
  for (long long written = 0; written < megabytes; ++written) {
    block[0] = static_cast<char>(written);
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
}

double seconds(Clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

// Wall-clock and processor time of one copy (the processor time of a child process counts for cp).
struct Timing {
  double wall = 0;
  double processor = 0;
};

double processorSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  auto toSeconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
  return toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
}

// `cp -r source destination`, timed; the destination must not exist.
Timing timeCp(const fs::path& source, const fs::path& destination) {
  double processorBefore = processorSeconds(RUSAGE_CHILDREN);
  auto start = Clock::now();
  pid_t child = fork();
  if (child == 0) {
    execlp("cp", "cp", "-r", source.c_str(), destination.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  Timing timing{seconds(Clock::now() - start), processorSeconds(RUSAGE_CHILDREN) - processorBefore};
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::cerr << "file_copy_bench: cp -r failed\n";
    std::exit(1);
  }
  return timing;
}

// XFLCOPY source destination (Windows paths on drive C:), timed.
Timing timeTreeCopy(const platform::DriveMap& drives, const fs::path& setupDirectory, const std::string& source,
                    const std::string& destination) {
  installer::RunState state;
  state.sourceFolder = setupDirectory;
  SilentUi ui;
  installer::SetupConfig config;
  config.language = installer::LanguageId::ENGLISH;
  installer::MacroValues macros;
  installer::CommandContext context(state, ui, drives, config, macros, setupDirectory);
  context.commandName = "XFLCOPY";
  std::string arguments;
  for (const std::string& path : {source, destination}) {
    if (!arguments.empty()) arguments += ' ';
    for (char c : path) arguments += c == '\\' ? std::string("\\\\") : std::string(1, c);
  }
  double processorBefore = processorSeconds(RUSAGE_SELF);
  auto start = Clock::now();
  installer::StepResult result = installer::runTreeCopy(context, arguments);
  Timing timing{seconds(Clock::now() - start), processorSeconds(RUSAGE_SELF) - processorBefore};
  if (result != installer::StepResult::GO_ON) {
    std::cerr << "file_copy_bench: XFLCOPY did not finish\n";
    std::exit(1);
  }
  return timing;
}

// The generated inputs go away however the program ends.
fs::path workFolder;
void removeWorkFolder() {
  std::error_code error;
  if (!workFolder.empty()) fs::remove_all(workFolder, error);
}

// The timings of all rounds of one side.
struct Timings {
  std::vector<double> wall;
  std::vector<double> processor;

  void add(const Timing& timing) {
    wall.push_back(timing.wall);
    processor.push_back(timing.processor);
  }
};

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Comparison {
  Timings cp;
  Timings installer;
};

// Every round copies into new folders (deleting many files between rounds would make the next creations pay
// for the file system's bookkeeping); they are removed at the end.
Comparison compare(const platform::DriveMap& drives, const fs::path& setupDirectory, const std::string& name,
                   int rounds) {
  Comparison best;
  fs::path drive = drives.root() / "c";
  // The first copy after the input was written finds the system at its most favourable; it is not counted.
  (void)timeCp(drive / name, drive / "WARM");
  for (int round = 0; round < rounds; ++round) {
    std::string suffix = std::to_string(round);
    auto runCp = [&] {
      Timing timing = timeCp(drive / name, drive / ("CP" + suffix));
      std::fprintf(stderr, "  round %d: cp -r %.3f s\n", round, timing.wall);
      best.cp.add(timing);
    };
    auto runInstaller = [&] {
      Timing timing = timeTreeCopy(drives, setupDirectory, "C:\\" + name, "C:\\XF" + suffix);
      std::fprintf(stderr, "  round %d: XFLCOPY %.3f s\n", round, timing.wall);
      best.installer.add(timing);
    };
    ::sync();
    if (round % 2 == 0) {
      runCp();
      ::sync();
      runInstaller();
    } else {
      runInstaller();
      ::sync();
      runCp();
    }
  }
  fs::remove_all(drive / "WARM");
  for (int round = 0; round < rounds; ++round) {
    fs::remove_all(drive / ("CP" + std::to_string(round)));
    fs::remove_all(drive / ("XF" + std::to_string(round)));
  }
  return best;
}

void report(const std::string& what, const Comparison& result) {
  double cpWall = median(result.cp.wall);
  double installerWall = median(result.installer.wall);
  double cpProcessor = median(result.cp.processor);
  double installerProcessor = median(result.installer.processor);
  std::printf("%-24s median wall: cp -r %7.3f s, XFLCOPY %7.3f s, ratio %.2f   median processor: cp -r %7.3f s, "
              "XFLCOPY %7.3f s, ratio %.2f\n",
              what.c_str(), cpWall, installerWall, installerWall / cpWall, cpProcessor, installerProcessor,
              installerProcessor / cpProcessor);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  int files = 10'000;
  long long largeMegabytes = 1024;
  int rounds = 4;
  for (int index = 1; index + 1 < argc; index += 2) {
    std::string_view option = argv[index];
    long long value = std::atoll(argv[index + 1]);
    if (option == "--files") files = static_cast<int>(value);
    else if (option == "--large-mb") largeMegabytes = value;
    else if (option == "--rounds") rounds = static_cast<int>(std::max(1LL, value));
    else {
      std::cerr << "usage: file_copy_bench [--files N] [--large-mb M] [--rounds R]\n";
      return 2;
    }
  }
  if ((argc - 1) % 2 != 0) {
    std::cerr << "usage: file_copy_bench [--files N] [--large-mb M] [--rounds R]\n";
    return 2;
  }

  fs::path work = fs::temp_directory_path() / ("file-copy-bench-" + std::to_string(getpid()));
  workFolder = work;
  std::atexit(removeWorkFolder);
  platform::DriveMap drives(work / "root");
  if (!drives.prepare()) {
    std::cerr << "file_copy_bench: cannot prepare " << work << "\n";
    return 1;
  }
  fs::path setupDirectory = work / "setup";
  fs::create_directories(setupDirectory);
  fs::path drive = work / "root" / "c";

  if (files > 0) {
    makeSmallFiles(drive / "SMALL", files);
    report(std::to_string(files) + " small files", compare(drives, setupDirectory, "SMALL", rounds));
    fs::remove_all(drive / "SMALL");
  }
  if (largeMegabytes > 0) {
    makeLargeFile(drive / "LARGE" / "LARGE.BIN", largeMegabytes);
    report("one " + std::to_string(largeMegabytes) + " MB file", compare(drives, setupDirectory, "LARGE", rounds));
  }
  return 0;
}
