#include "apps/drawhost/ConversionPlan.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>

namespace drawhost {
namespace {

namespace fs = std::filesystem;

bool isDrawing(const std::string& extension) { return extension == "svg" || extension == "svgz"; }

/// The kind a file's extension names: drawings (svg, svgz) are one kind, every other extension its own.
std::string kindOf(const std::string& extension) { return isDrawing(extension) ? "svg" : extension; }

bool namesFolder(const std::string& file) {
  std::error_code error;
  return file.ends_with('/') || fs::is_directory(file, error);
}

}  // namespace

std::string extensionOf(const fs::path& file) {
  std::string extension = file.extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
  return extension;
}

platform::Result<std::vector<Conversion>> planConversions(const std::vector<std::string>& files,
                                                          const std::string& toExtension) {
  if (files.empty()) return platform::fail("no drawing to convert");
  std::vector<Conversion> plan;
  if (files.size() == 2 && toExtension.empty()) {
    const std::string from = extensionOf(files[0]);
    const std::string to = extensionOf(files[1]);
    // plan.svg plan.dxf, or new.svg for a drawing written back: an input and its output.
    std::error_code error;
    if (!to.empty() && !files[1].ends_with('/') && (kindOf(from) != kindOf(to) || !fs::exists(files[1], error))) {
      plan.push_back(Conversion{files[0], files[1]});
      return plan;
    }
  }
  std::vector<std::string> inputs = files;
  std::optional<fs::path> folder;
  if (files.size() >= 2 && namesFolder(files.back())) {
    folder = fs::path(files.back());
    inputs.pop_back();
  } else if (files.size() == 1 && namesFolder(files.back())) {
    return platform::fail("is a folder; name the drawings to convert", files.back());
  }
  std::set<fs::path> outputs;
  for (const std::string& input : inputs) {
    const std::string extension = toExtension.empty() ? (isDrawing(extensionOf(input)) ? "dxf" : "svg") : toExtension;
    fs::path name = fs::path(input).filename().replace_extension(extension);
    fs::path output = folder ? *folder / name : fs::path(input).parent_path() / name;
    if (!outputs.insert(fs::weakly_canonical(output)).second) {
      return platform::fail("two drawings would be written to the same file " + output.string(), input);
    }
    plan.push_back(Conversion{input, output});
  }
  return plan;
}

}  // namespace drawhost
