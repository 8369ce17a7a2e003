#include "apps/drawhost/ConversionPlan.h"

#include <algorithm>
#include <optional>
#include <set>

#include "platform/AsciiText.h"

namespace drawhost {
namespace {

namespace fs = std::filesystem;

bool isDrawing(const std::string& extension) { return extension == "svg" || extension == "svgz"; }

bool namesFolder(const std::string& file) {
  std::error_code error;
  return file.ends_with('/') || fs::is_directory(file, error);
}

/// Whether two paths name one file: the same path once links and dots are resolved, or the same inode.
bool sameFile(const fs::path& a, const fs::path& b) {
  const auto resolved = [](const fs::path& path) {
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(path, error);
    return error ? path.lexically_normal() : canonical;
  };
  if (resolved(a) == resolved(b)) return true;
  std::error_code error;
  return fs::equivalent(a, b, error);
}

/// The output of an input named after it: its name with the extension, in the folder or beside it.
fs::path outputNamedAfter(const std::string& input, const std::string& toExtension, const std::optional<fs::path>& folder) {
  const std::string extension = toExtension.empty() ? (isDrawing(extensionOf(input)) ? "dxf" : "svg") : toExtension;
  fs::path name = fs::path(input).filename().replace_extension(extension);
  return folder ? *folder / name : fs::path(input).parent_path() / name;
}

}  // namespace

std::string extensionOf(const fs::path& file) {
  std::string extension = file.extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  return platform::lowerAsciiText(extension);
}

platform::Result<std::vector<Conversion>> planConversions(const std::vector<std::string>& files,
                                                          const std::string& toExtension) {
  if (files.empty()) return platform::fail("no drawing to convert");
  if (std::find(files.begin(), files.end(), std::string()) != files.end()) {
    return platform::fail("an empty file name; name every drawing and output");
  }
  std::vector<Conversion> plan;
  std::vector<std::string> inputs = files;
  std::optional<fs::path> folder;
  // Two files without --to never depend on what exists: only a trailing / makes the second a folder.
  const bool pair = files.size() == 2 && toExtension.empty();
  if (files.size() >= 2 && (pair ? files.back().ends_with('/') : namesFolder(files.back()))) {
    folder = fs::path(files.back());
    inputs.pop_back();
  } else if (files.size() == 1 && namesFolder(files.back())) {
    return platform::fail("is a folder; name the drawings to convert", files.back());
  }
  if (toExtension.empty() && !folder) {
    // Two files without --to are always a drawing and its output, whether the output exists or not.
    if (files.size() == 2) {
      plan.push_back(Conversion{files[0], files[1]});
      inputs.pop_back();
    } else if (files.size() == 1) {
      return platform::fail("name the output (convert DRAWING OUTPUT), or give --to EXT to write it beside the drawing",
                            files[0]);
    } else {
      return platform::fail("several drawings need --to EXT, and optionally a folder last, for their outputs");
    }
  } else {
    if (toExtension.empty() && inputs.size() > 1) {
      return platform::fail("several drawings need --to EXT, and optionally a folder last, for their outputs");
    }
    std::set<fs::path> outputs;
    for (const std::string& input : inputs) {
      fs::path output = outputNamedAfter(input, toExtension, folder);
      if (!outputs.insert(fs::weakly_canonical(output)).second) {
        return platform::fail("two drawings would be written to the same file " + output.string(), input);
      }
      plan.push_back(Conversion{input, output});
    }
  }
  for (const Conversion& conversion : plan) {
    for (const std::string& input : inputs) {
      if (sameFile(conversion.output, input)) {
        return platform::fail("the output " + conversion.output.string() +
                                  " is a drawing of this run; drawings are never written over (name another output)",
                              input);
      }
    }
  }
  return plan;
}

}  // namespace drawhost
