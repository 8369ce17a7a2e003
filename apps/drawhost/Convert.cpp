#include "apps/drawhost/Convert.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "apps/drawhost/CodePageNote.h"
#include "apps/drawhost/OutputSummary.h"
#include "apps/drawhost/OutputTarget.h"
#include "host/Host.h"
#include "host/sdk/FileFormatSuite.h"
#include "host/svg/SvgErrors.h"
#include "host/svg/SvgReader.h"
#include "host/svg/SvgWriter.h"
#include "platform/KeyState.h"

namespace drawhost {
namespace {

bool isSvg(const std::string& extension) { return extension == "svg" || extension == "svgz"; }

/// File paths cross to plug-ins in buffers of this many bytes, the terminating zero included.
constexpr size_t kPluginPathCapacity = 1024;

/// " (why)" for a file that could not be written, or nothing when its folder does not tell.
std::string because(const std::filesystem::path& file) {
  const std::string why = whyNotWritten(file);
  return why.empty() ? std::string() : " (" + why + ")";
}

/// The user asked to stop (Ctrl+C, SIGTERM, SIGHUP hold Escape down).
bool cancelled() { return platform::isKeyDown(platform::KEY_ESCAPE); }

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

/// Saves through a plug-in's format into file (output is the name the user gave). The plug-in tells success
/// even when it was cancelled or could not write the file: the host looks at the keyboard and at the file to
/// tell the user.
int saveThroughPlugin(host::Host& host, const host::FileFormat& format, int32_t option, const std::filesystem::path& output,
                      const std::filesystem::path& file, std::ostream& err) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  if (error || absolute.string().size() >= kPluginPathCapacity) {
    err << "drawhost: " << output.string() << ": not written: the path is too long for " << format.name << " (at most "
        << kPluginPathCapacity - 1 << " bytes)\n";
    return 1;
  }
  const FileVersion before = versionOf(file);
  HostResult result = host.saveDocument(format, option, file);
  if (result == HOST_STOP) {
    err << "drawhost: " << output.string() << ": not written: " << format.name << " declined or its options were cancelled\n";
    return 1;
  }
  if (result != HOST_NO_ERROR) {
    err << "drawhost: " << output.string() << ": not written: " << format.name << " failed with result " << result << "\n";
    return 1;
  }
  std::string extension = extensionOf(output);
  if (cancelled()) {
    err << "drawhost: " << output.string() << ": cancelled; not written\n";
    return 1;
  }
  const FileVersion after = versionOf(file);
  if (!after.exists || after == before) {
    // The plug-in keeps a file it could not write whole from replacing the one that was there.
    err << "drawhost: " << output.string() << ": not written: " << format.name << " could not write it" << because(file)
        << "\n";
    return 1;
  }
  if (!writtenWhole(file, extension)) {
    err << "drawhost: " << output.string() << ": incomplete: " << format.name << " could not write the whole file"
        << because(file) << "\n";
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
  platform::Result<OutputTarget> target = vetOutput(output);
  if (!target) {
    err << "drawhost: " << target.error().describe() << "\n";
    return 1;
  }

  // Reading a large drawing takes a while of its own: its bar comes before the plug-in's, and Ctrl+C stops it.
  host::HeadlessDriver& driver = host.headless();
  platform::Result<host::svg::SvgReadResult> read = host::svg::readSvgFile(input, [&](double share) {
    driver.showProgress("Reading", static_cast<int>(share * 100));
    return !cancelled();
  });
  driver.endProgress();
  // A Ctrl+C stops the conversion here too when it came after the reader's last progress check.
  if (cancelled() || (!read && read.error().code == host::svg::kSvgCancelled)) {
    err << "drawhost: " << output.string() << ": cancelled; not written\n";
    return 1;
  }
  if (!read) {
    err << "drawhost: " << read.error().describe() << "\n";
    return 1;
  }
  sayDiagnostics(err, input, read->diagnostics);
  host.replaceDocument(std::move(read->document));

  if (format != nullptr) {
    const int saved = saveThroughPlugin(host, *format, option, output, target->file, err);
    // Plug-ins take text in the system code page: what it lacks is said, once per file. The converter writes
    // such characters as \U+XXXX, which DXF readers decode.
    if (saved == 0) {
      if (std::optional<std::string> note = codePageNote(host.document(), platform::systemCodePage())) {
        err << "drawhost: " << output.string() << ": " << *note
            << (outputExtension == "dxf" ? " (written as \\U+XXXX, which DXF readers decode)" : "") << "\n";
      }
    }
    return saved;
  }

  platform::Result<std::vector<host::svg::SvgDiagnostic>> written = host::svg::writeSvgFile(host.document(), target->file);
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
    if (cancelled()) break;
    // What is no drawing (a folder, a device) is refused by convert, with or without --force.
    platform::Result<OutputTarget> target = vetOutput(conversion.output);
    if (!settings.force && target && target->exists) {
      err << "drawhost: " << conversion.output.string() << ": exists; not replaced (--force replaces it)\n";
      status = 1;
      continue;
    }
    const auto started = std::chrono::steady_clock::now();
    if (convert(host, conversion.input, conversion.output, settings.kind, err) != 0) {
      status = 1;
      // The user asked to stop: the drawings after this one are left alone too.
      if (cancelled()) break;
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
