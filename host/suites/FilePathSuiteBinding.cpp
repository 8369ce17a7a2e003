// "AI File Path Suite": the files that file-format messages name.

#include <algorithm>

#include "host/sdk/ErrorCodes.h"
#include "host/sdk/FilePathSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

HostResult getFullPath(FilePathRef file, char* path, int32_t maxLength) {
  return guarded([&] {
    const auto& open = services().openFiles;
    const auto* named = reinterpret_cast<const std::filesystem::path*>(file);
    if (std::find(open.begin(), open.end(), named) == open.end()) return HOST_BAD_HANDLE;
    if (path == nullptr || maxLength < 1) return HOST_BAD_PARAMETER;
    // A cut path would name another file: refuse it instead.
    if (!copyToBuffer(named->string(), path, maxLength)) {
      path[0] = '\0';
      return HOST_BAD_PARAMETER;
    }
    return HOST_NO_ERROR;
  });
}

constexpr FilePathSuite kFilePathSuite{getFullPath};

}  // namespace

void registerFilePathSuite(SuiteRegistry& registry) { registry.add(SUITE_FILE_PATH, FILE_PATH_SUITE_VERSION, &kFilePathSuite); }

}  // namespace host
