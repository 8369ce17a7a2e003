// A compressed file on a setup disk as LZCOPY and XLZCOPY expand it: its header and name, then the whole
// expansion into a file of its own. The files live in a folder of the fuzzer's own in /dev/shm when there
// is one, so that the input stays off the disk.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ContainedPath.h"
#include "platform/LzExpand.h"

namespace {

std::filesystem::path workFolder() {
  static const std::filesystem::path folder = [] {
    std::error_code error;
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    std::filesystem::path own = base / ("fuzz-szdd-" + std::to_string(getpid()));
    std::filesystem::create_directories(own);
    return own;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path source = workFolder() / "SETUP.EX_";
  const std::filesystem::path target = workFolder() / "SETUP.EXE";
  {
    std::ofstream file(source, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  (void)platform::readCompressedHeader(source);
  (void)platform::expandedName(source);
  // The destination is resolved beneath the fuzzer's folder, as the installer resolves it beneath its root.
  platform::WriteScope scope;
  scope.allow(workFolder());
  platform::Result<platform::ContainedPath> destination = scope.resolve(target);
  if (!destination) __builtin_trap();
  (void)platform::expandFile(source, *destination);
  std::error_code error;
  std::filesystem::remove(target, error);
  return 0;
}
