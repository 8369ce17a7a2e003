#include "host/text/FontFiles.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "host/text/FontconfigHandles.h"

namespace host {

namespace {

constexpr std::array<std::string_view, 1> kDejaVuFolders{"/usr/share/fonts/truetype/dejavu"};
constexpr std::array<std::string_view, 2> kIpaGothicFolders{"/usr/share/fonts/opentype/ipafont-gothic",
                                                            "/usr/share/fonts/truetype/ipafont-gothic"};
constexpr std::array<std::string_view, 1> kNanumFolders{"/usr/share/fonts/truetype/nanum"};

constexpr std::array<FontFileEntry, 9> kFixedFontFiles{{
    {"DejaVuSans.ttf", kDejaVuFolders, "fonts-dejavu-core"},
    {"DejaVuSans-Bold.ttf", kDejaVuFolders, "fonts-dejavu-core"},
    {"DejaVuSansMono.ttf", kDejaVuFolders, "fonts-dejavu-core"},
    {"DejaVuSansMono-Bold.ttf", kDejaVuFolders, "fonts-dejavu-core"},
    {"DejaVuSerif.ttf", kDejaVuFolders, "fonts-dejavu-core"},
    {"DejaVuSerif-Bold.ttf", kDejaVuFolders, "fonts-dejavu-core"},
    {"ipag.ttf", kIpaGothicFolders, "fonts-ipafont-gothic"},
    {"NanumGothic.ttf", kNanumFolders, "fonts-nanum"},
    {"NanumGothicBold.ttf", kNanumFolders, "fonts-nanum"},
}};

std::optional<std::filesystem::path> findInFolders(const FontFileEntry& entry) {
  for (const std::string_view folder : entry.debianFolders) {
    std::filesystem::path candidate = std::filesystem::path(folder) / entry.fileName;
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return std::nullopt;
}

// Asks the system's fontconfig, with the user's configuration, for the files it knows; used only to find
// files outside the Debian folders, never to add other fonts.
std::vector<std::filesystem::path> systemFontFiles() {
  std::vector<std::filesystem::path> files;
  const FontconfigConfig config(FcInitLoadConfigAndFonts());
  if (!config) return files;
  const FontconfigPattern pattern(FcPatternCreate());
  const FontconfigObjectSet objects(FcObjectSetBuild(FC_FILE, nullptr));
  if (!pattern || !objects) return files;
  const FontconfigFontSet fonts(FcFontList(config.get(), pattern.get(), objects.get()));
  if (!fonts) return files;
  for (int index = 0; index < fonts->nfont; ++index) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(fonts->fonts[index], FC_FILE, 0, &file) == FcResultMatch) {
      files.emplace_back(reinterpret_cast<const char*>(file));
    }
  }
  // Sorted, so that of two copies of a file the same one is chosen every time.
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

std::span<const FontFileEntry> fixedFontFiles() { return kFixedFontFiles; }

platform::Result<std::vector<std::filesystem::path>> locateFixedFontFiles() {
  std::vector<std::filesystem::path> located;
  std::optional<std::vector<std::filesystem::path>> systemFiles;
  for (const FontFileEntry& entry : kFixedFontFiles) {
    if (std::optional<std::filesystem::path> file = findInFolders(entry)) {
      located.push_back(std::move(*file));
      continue;
    }
    if (!systemFiles) systemFiles = systemFontFiles();
    std::optional<std::filesystem::path> known;
    for (const std::filesystem::path& file : *systemFiles) {
      if (file.filename() == entry.fileName) {
        known = file;
        break;
      }
    }
    if (!known) {
      return platform::fail("font file " + std::string(entry.fileName) + " not found; install the package " +
                            std::string(entry.package));
    }
    located.push_back(std::move(*known));
  }
  return located;
}

}  // namespace host

