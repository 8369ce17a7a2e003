#include "apps/drawhost/Convert.h"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

#include "host/Host.h"
#include "host/svg/SvgReader.h"
#include "host/svg/SvgWriter.h"

namespace drawhost {
namespace {

/// The extension without its dot, in lower case ("svg" for "Drawing.SVG").
std::string extensionOf(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
  return extension;
}

bool isSvg(const std::string& extension) { return extension == "svg" || extension == "svgz"; }

void sayDiagnostics(std::ostream& err, const std::filesystem::path& file, const std::vector<host::svg::SvgDiagnostic>& diagnostics) {
  for (const host::svg::SvgDiagnostic& diagnostic : diagnostics) {
    err << "drawhost: " << file.string() << ": " << host::svg::describeDiagnostic(diagnostic) << "\n";
  }
}

}  // namespace

int convert(host::Host& host, const std::filesystem::path& input, const std::filesystem::path& output, std::ostream& out,
            std::ostream& err) {
  std::string inputExtension = extensionOf(input);
  std::string outputExtension = extensionOf(output);
  if (!isSvg(inputExtension)) {
    err << "drawhost: " << input.string() << ": no reader for ." << inputExtension << " files (svg and svgz are read)\n";
    return 1;
  }
  if (outputExtension != "svg") {
    err << "drawhost: " << output.string() << ": no writer for ." << outputExtension << " files (svg is written)\n";
    return 1;
  }

  platform::Result<host::svg::SvgReadResult> read = host::svg::readSvgFile(input);
  if (!read) {
    err << "drawhost: " << read.error().describe() << "\n";
    return 1;
  }
  sayDiagnostics(err, input, read->diagnostics);
  host.replaceDocument(std::move(read->document));

  platform::Result<std::vector<host::svg::SvgDiagnostic>> written = host::svg::writeSvgFile(host.document(), output);
  if (!written) {
    err << "drawhost: " << written.error().describe() << "\n";
    return 1;
  }
  sayDiagnostics(err, output, *written);
  out << "wrote " << output.string() << "\n";
  return 0;
}

}  // namespace drawhost
