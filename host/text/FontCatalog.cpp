#include "host/text/FontCatalog.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include "host/text/FontFiles.h"
#include "host/text/FontconfigHandles.h"

namespace host {

namespace {

std::string stringValue(FcPattern* pattern, const char* object, int index) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch) return {};
  return reinterpret_cast<const char*>(value);
}

// Fonts name themselves in several languages (IPA Gothic also as "IPAゴシック"); the English name is the
// stable choice, the first name otherwise. Fontconfig keeps each name's language in a parallel object.
std::string englishValue(FcPattern* pattern, const char* object, const char* languageObject) {
  for (int index = 0;; ++index) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch) break;
    if (stringValue(pattern, languageObject, index) == "en") return reinterpret_cast<const char*>(value);
  }
  return stringValue(pattern, object, 0);
}

platform::Result<std::vector<FontInfo>> listFaces(std::span<const std::filesystem::path> files) {
  // A configuration of its own with no configuration files loaded: it holds exactly the fonts added here.
  const FontconfigConfig config(FcConfigCreate());
  if (!config) return platform::fail("cannot create a font configuration");
  for (const std::filesystem::path& file : files) {
    if (!FcConfigAppFontAddFile(config.get(), reinterpret_cast<const FcChar8*>(file.c_str()))) {
      return platform::fail("not a usable font file", file.string());
    }
  }
  const FontconfigPattern pattern(FcPatternCreate());
  const FontconfigObjectSet objects(
      FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, FC_FAMILYLANG, FC_STYLE, FC_STYLELANG, FC_FULLNAME,
                       FC_FULLNAMELANG, FC_POSTSCRIPT_NAME, FC_OUTLINE, nullptr));
  if (!pattern || !objects) return platform::fail("out of memory listing fonts");
  const FontconfigFontSet listed(FcFontList(config.get(), pattern.get(), objects.get()));
  if (!listed) return platform::fail("cannot list the fonts");

  std::vector<FontInfo> faces;
  for (int index = 0; index < listed->nfont; ++index) {
    FcPattern* font = listed->fonts[index];
    FcBool outline = FcFalse;
    if (FcPatternGetBool(font, FC_OUTLINE, 0, &outline) == FcResultMatch && !outline) continue;
    int faceIndex = 0;
    if (FcPatternGetInteger(font, FC_INDEX, 0, &faceIndex) != FcResultMatch) faceIndex = 0;
    FontInfo info;
    info.family = englishValue(font, FC_FAMILY, FC_FAMILYLANG);
    info.style = englishValue(font, FC_STYLE, FC_STYLELANG);
    info.fullName = englishValue(font, FC_FULLNAME, FC_FULLNAMELANG);
    if (info.fullName.empty()) info.fullName = info.style.empty() ? info.family : info.family + " " + info.style;
    info.postScriptName = stringValue(font, FC_POSTSCRIPT_NAME, 0);
    info.file = stringValue(font, FC_FILE, 0);
    info.faceIndex = faceIndex;
    faces.push_back(std::move(info));
  }
  if (faces.empty()) return platform::fail("no outline fonts in the font set");
  // std::string compares as unsigned bytes (char_traits<char>::lt), which is the byte order of UTF-8.
  std::sort(faces.begin(), faces.end(), [](const FontInfo& a, const FontInfo& b) {
    return std::tie(a.fullName, a.file, a.faceIndex) < std::tie(b.fullName, b.file, b.faceIndex);
  });
  return faces;
}

template <class Predicate>
std::optional<std::int32_t> findFace(std::span<const FontInfo> faces, Predicate matches) {
  const auto found = std::find_if(faces.begin(), faces.end(), matches);
  if (found == faces.end()) return std::nullopt;
  return static_cast<std::int32_t>(found - faces.begin());
}

}  // namespace

FontCatalog::~FontCatalog() {
  // Faces must close before the library that opened them.
  openedFaces.clear();
}

platform::Result<FontCatalog> FontCatalog::create() {
  platform::Result<std::vector<std::filesystem::path>> files = locateFixedFontFiles();
  if (!files) return files.error();
  return createFromFiles(*files);
}

platform::Result<FontCatalog> FontCatalog::createFromFiles(std::span<const std::filesystem::path> files) {
  platform::Result<std::vector<FontInfo>> faces = listFaces(files);
  if (!faces) return faces.error();
  platform::Result<FreeTypeLibrary> library = openFreeType();
  if (!library) return library.error();
  FontCatalog catalog;
  catalog.library = std::move(*library);
  catalog.faces = std::move(*faces);
  catalog.openedFaces.resize(catalog.faces.size());
  return catalog;
}

std::optional<std::int32_t> FontCatalog::findByFullName(std::string_view fullName) const {
  return findFace(faces, [&](const FontInfo& info) { return info.fullName == fullName; });
}

std::optional<std::int32_t> FontCatalog::findByPostScriptName(std::string_view postScriptName) const {
  return findFace(faces, [&](const FontInfo& info) { return info.postScriptName == postScriptName; });
}

std::optional<std::int32_t> FontCatalog::findByFamilyAndStyle(std::string_view family, std::string_view style) const {
  return findFace(faces, [&](const FontInfo& info) { return info.family == family && info.style == style; });
}

std::int32_t FontCatalog::resolveFullName(std::string_view fullName) const {
  return findByFullName(fullName).value_or(0);
}

platform::Result<const FontFace*> FontCatalog::face(std::int32_t index) const {
  if (index < 0 || index >= fontCount()) {
    return platform::fail("font index " + std::to_string(index) + " out of range");
  }
  std::unique_ptr<FontFace>& slot = openedFaces[static_cast<std::size_t>(index)];
  if (!slot) {
    const FontInfo& info = faces[static_cast<std::size_t>(index)];
    platform::Result<FontFace> opened = FontFace::open(*library, info.file, info.faceIndex);
    if (!opened) return opened.error();
    slot = std::make_unique<FontFace>(std::move(*opened));
  }
  return slot.get();
}

platform::Result<std::int32_t> FontCatalog::faceForCharacter(std::int32_t preferred, char32_t character) const {
  platform::Result<const FontFace*> preferredFace = face(preferred);
  if (!preferredFace) return preferredFace.error();
  if ((*preferredFace)->hasGlyph(character)) return preferred;
  for (std::int32_t index = 0; index < fontCount(); ++index) {
    if (index == preferred) continue;
    platform::Result<const FontFace*> candidate = face(index);
    if (!candidate) return candidate.error();
    if ((*candidate)->hasGlyph(character)) return index;
  }
  return preferred;
}

platform::Result<const FontCatalog*> defaultFontCatalog() {
  static const platform::Result<FontCatalog> catalog = FontCatalog::create();
  if (!catalog) return catalog.error();
  return &*catalog;
}

}  // namespace host
