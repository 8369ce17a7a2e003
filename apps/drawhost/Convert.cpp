#include "apps/drawhost/Convert.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "apps/drawhost/OutputSummary.h"
#include "host/Host.h"
#include "host/sdk/FileFormatSuite.h"
#include "host/svg/SvgReader.h"
#include "host/svg/SvgWriter.h"
#include "platform/KeyState.h"

namespace drawhost {
namespace {

bool isSvg(const std::string& extension) { return extension == "svg" || extension == "svgz"; }

void sayDiagnostics(std::ostream& err, const std::filesystem::path& file, const std::vector<host::svg::SvgDiagnostic>& diagnostics) {
  for (const host::svg::SvgDiagnostic& diagnostic : diagnostics) {
    err << "drawhost: " << file.string() << ": " << host::svg::describeDiagnostic(diagnostic) << "\n";
  }
}

/// The last line of a whole file of the formats whose end the host can tell; empty for the others.
std::string_view closingLineOf(const std::string& extension) { return extension == "dxf" ? "EOF" : ""; }

/// Whether a plug-in wrote file whole: it exists and, where the format has a closing line, ends with it.
bool writtenWhole(const std::filesystem::path& file, const std::string& extension) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return false;
  std::string_view closing = closingLineOf(extension);
  if (closing.empty()) return true;
  // Only the file's tail matters; drawings can be large.
  constexpr std::streamoff kTail = 64;
  stream.seekg(0, std::ios::end);
  std::streamoff size = stream.tellg();
  stream.seekg(std::max<std::streamoff>(0, size - kTail));
  std::string tail((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  while (!tail.empty() && std::isspace(static_cast<unsigned char>(tail.back()))) tail.pop_back();
  return tail.ends_with(closing);
}

/// What identifies one version of a file: a file replaced whole gets a new inode, one rewritten in place a new
/// modification time.
struct FileVersion {
  bool exists = false;
  ino_t inode = 0;
  timespec modified{};

  bool operator==(const FileVersion& other) const {
    return exists == other.exists && inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
  }
};

FileVersion versionOf(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return {};
  return FileVersion{true, status.st_ino, status.st_mtim};
}

/// Saves through a plug-in's format. The plug-in tells success even when it was cancelled or could not write
/// the file: the host looks at the keyboard and at the file to tell the user.
int saveThroughPlugin(host::Host& host, const host::FileFormat& format, int32_t option, const std::filesystem::path& output,
                      std::ostream& err) {
  platform::releaseAllKeys();
  const FileVersion before = versionOf(output);
  HostResult result = host.saveDocument(format, option, output);
  if (result == HOST_STOP) {
    err << "drawhost: " << output.string() << ": not written: " << format.name << " declined or its options were cancelled\n";
    return 1;
  }
  if (result != HOST_NO_ERROR) {
    err << "drawhost: " << output.string() << ": not written: " << format.name << " failed with result " << result << "\n";
    return 1;
  }
  std::string extension = extensionOf(output);
  if (platform::isKeyDown(platform::KEY_ESCAPE)) {
    err << "drawhost: " << output.string() << ": cancelled; not written\n";
    return 1;
  }
  const FileVersion after = versionOf(output);
  if (!after.exists || after == before) {
    // The plug-in keeps a file it could not write whole from replacing the one that was there.
    err << "drawhost: " << output.string() << ": not written: " << format.name << " could not write it\n";
    return 1;
  }
  if (!writtenWhole(output, extension)) {
    err << "drawhost: " << output.string() << ": incomplete: " << format.name << " could not write the whole file\n";
    return 1;
  }
  return 0;
}

}  // namespace

int convert(host::Host& host, const std::filesystem::path& input, const std::filesystem::path& output, SaveKind kind,
            std::ostream& err) {
  std::string inputExtension = extensionOf(input);
  std::string outputExtension = extensionOf(output);
  const int32_t option = kind == SaveKind::EXPORT ? FILE_FORMAT_EXPORT : FILE_FORMAT_WRITE;
  const host::FileFormat* format = outputExtension == "svg" ? nullptr : host.formatFor(outputExtension, option);
  if (!isSvg(inputExtension)) {
    err << "drawhost: " << input.string() << ": no reader for ." << inputExtension << " files (svg and svgz are read)\n";
    return 1;
  }
  if (outputExtension != "svg" && format == nullptr) {
    err << "drawhost: " << output.string() << ": no writer for ." << outputExtension
        << " files (svg, or the formats of the loaded plug-ins: see drawhost plugins)\n";
    return 1;
  }

  platform::Result<host::svg::SvgReadResult> read = host::svg::readSvgFile(input);
  if (!read) {
    err << "drawhost: " << read.error().describe() << "\n";
    return 1;
  }
  sayDiagnostics(err, input, read->diagnostics);
  host.replaceDocument(std::move(read->document));

  if (format != nullptr) return saveThroughPlugin(host, *format, option, output, err);

  platform::Result<std::vector<host::svg::SvgDiagnostic>> written = host::svg::writeSvgFile(host.document(), output);
  if (!written) {
    err << "drawhost: " << written.error().describe() << "\n";
    return 1;
  }
  sayDiagnostics(err, output, *written);
  return 0;
}

int convertAll(host::Host& host, const std::vector<Conversion>& conversions, const ConvertSettings& settings,
               std::ostream& out, std::ostream& err) {
  int status = 0;
  for (const Conversion& conversion : conversions) {
    std::error_code error;
    // A folder in the output's place is no file to protect; writing to it fails and is said so.
    if (!settings.force && std::filesystem::exists(conversion.output, error) &&
        !std::filesystem::is_directory(conversion.output, error)) {
      err << "drawhost: " << conversion.output.string() << ": exists; not replaced (--force replaces it)\n";
      status = 1;
      continue;
    }
    const auto started = std::chrono::steady_clock::now();
    if (convert(host, conversion.input, conversion.output, settings.kind, err) != 0) {
      status = 1;
      // The user asked to stop: the drawings after this one are left alone too.
      if (platform::isKeyDown(platform::KEY_ESCAPE)) break;
      continue;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (settings.quiet) continue;
    std::optional<OutputSummary> summary = extensionOf(conversion.output) == "dxf" ? summariseDxf(conversion.output)
                                           : extensionOf(conversion.output) == "svg"
                                               ? std::optional(summariseDocument(host.document()))
                                               : std::nullopt;
    if (summary) {
      out << summaryLine(conversion.input, conversion.output, *summary, seconds) << "\n";
    } else {
      out << conversion.input.string() << " -> " << conversion.output.string() << "\n";
    }
  }
  return status;
}

}  // namespace drawhost
