// "AI File Format Suite": the formats plug-ins read and write.

#include <algorithm>

#include "host/loader/Registrations.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/FileFormatSuite.h"
#include "host/suites/HostServices.h"
#include "host/suites/RegistrationBindings.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"
#include "platform/AsciiText.h"

namespace host {
namespace {

Registry<FileFormat>& formats() { return services().registrations->fileFormats; }

/// "dxf,DWG" as {"dxf", "dwg"}: the host matches extensions without regard to case.
std::vector<std::string> splitExtensions(std::string_view list) {
  std::vector<std::string> extensions;
  while (!list.empty()) {
    size_t comma = list.find(',');
    std::string extension = platform::lowerAsciiText(list.substr(0, comma));
    if (!extension.empty()) extensions.push_back(extension);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
  }
  return extensions;
}

HostResult addFileFormat(PluginRef plugin, const char* name, const FileFormatData* data, int32_t options,
                         FileFormatHandle* format) {
  return guarded([&] {
    PluginModule* module = moduleOf(plugin);
    if (module == nullptr) return HOST_BAD_HANDLE;
    if (!usableName(name) || data == nullptr || data->extension == nullptr || format == nullptr) return HOST_BAD_PARAMETER;
    std::optional<std::string> title = fromLengthPrefixed(data->title);
    if (!title) return HOST_BAD_PARAMETER;
    FileFormat entry{name, module, *title, splitExtensions(data->extension), data->type, data->creator, options};
    FileFormat* added = formats().add(std::move(entry));
    if (added == nullptr) return HOST_DUPLICATE_NAME;
    *format = reinterpret_cast<FileFormatHandle>(added);
    return HOST_NO_ERROR;
  });
}

HostResult setFileFormatPriority(FileFormatHandle format, int32_t priority) {
  return withRegistration(formats(), format, [&](FileFormat& found) {
    found.priority = priority;
    return HOST_NO_ERROR;
  });
}

HostResult getFileFormatName(FileFormatHandle format, const char** name) { return registrationName(formats(), format, name); }

constexpr FileFormatSuite kFileFormatSuite{addFileFormat, setFileFormatPriority, getFileFormatName};

}  // namespace

void registerFileFormatSuite(SuiteRegistry& registry) {
  registry.add(SUITE_FILE_FORMAT, FILE_FORMAT_SUITE_VERSION, &kFileFormatSuite);
}

}  // namespace host
