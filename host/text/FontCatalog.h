#pragma once
// The host's font list: a private fontconfig configuration holding only the fixed font set (FontFiles.h),
// never the user's other fonts, listed as faces sorted by the bytes of their UTF-8 full names, so that "the
// first font" and every metric are the same on every machine.
//
// The host's fallback rules:
// - a name the catalog does not know resolves to the first face (index 0);
// - a character a face has no glyph for is drawn with the first face of the catalog that has one (so
//   Japanese comes from IPA Gothic, Korean from Nanum Gothic); when no face has it, the requested face's
//   .notdef glyph stands in.
//
// Faces are opened lazily and cached for the catalog's life. The host is single-threaded; a catalog is not
// meant to be used from two threads at once.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/text/FontFace.h"
#include "platform/Result.h"

namespace host {

/// One face of the catalog.
struct FontInfo {
  /// The full name (English where the font names several languages), e.g. "DejaVu Sans Bold".
  std::string fullName;
  /// The family name, e.g. "DejaVu Sans".
  std::string family;
  /// The style name, e.g. "Bold" or "Book".
  std::string style;
  /// The PostScript name, e.g. "DejaVuSans-Bold".
  std::string postScriptName;
  /// The font file.
  std::filesystem::path file;
  /// The face's index within its file.
  std::int32_t faceIndex = 0;
};

/// A fixed list of faces with their FreeType faces.
class FontCatalog {
public:
  /// The catalog of the host's fixed font set.
  [[nodiscard]] static platform::Result<FontCatalog> create();
  /// A catalog of exactly these font files (every face of each); refused when a file holds no usable face.
  [[nodiscard]] static platform::Result<FontCatalog> createFromFiles(std::span<const std::filesystem::path> files);

  /// Takes over the faces and the library.
  FontCatalog(FontCatalog&&) noexcept = default;
  /// Not assignable: assigning would release the old library while its faces are still held.
  FontCatalog& operator=(FontCatalog&&) = delete;
  /// Closes the faces, then the library.
  ~FontCatalog();

  /// The faces sorted by full name; never empty.
  [[nodiscard]] std::span<const FontInfo> fonts() const { return faces; }
  /// Number of faces.
  [[nodiscard]] std::int32_t fontCount() const { return static_cast<std::int32_t>(faces.size()); }
  /// The index of the face with this full name, or nullopt.
  [[nodiscard]] std::optional<std::int32_t> findByFullName(std::string_view fullName) const;
  /// The index of the face with this PostScript name, or nullopt.
  [[nodiscard]] std::optional<std::int32_t> findByPostScriptName(std::string_view postScriptName) const;
  /// The index of the face of this family and style, or nullopt.
  [[nodiscard]] std::optional<std::int32_t> findByFamilyAndStyle(std::string_view family, std::string_view style) const;
  /// The face with this full name, else the first face (the fallback for unknown names).
  [[nodiscard]] std::int32_t resolveFullName(std::string_view fullName) const;

  /// The opened face at index (0 .. fontCount() - 1), opened on first use; the reference lives as long as
  /// the catalog.
  [[nodiscard]] platform::Result<const FontFace*> face(std::int32_t index) const;
  /// The face that draws a character asked of face preferred: preferred when it has the glyph, else the
  /// first face with it, else preferred.
  [[nodiscard]] platform::Result<std::int32_t> faceForCharacter(std::int32_t preferred, char32_t character) const;

private:
  FontCatalog() = default;

  // The library is declared first so that it is released after the faces opened with it.
  FreeTypeLibrary library;
  std::vector<FontInfo> faces;
  // Parallel to faces; empty until a face is first used.
  mutable std::vector<std::unique_ptr<FontFace>> openedFaces;
};

/// The process's catalog of the fixed font set, built on first use; a failure to build it is reported on
/// every call.
[[nodiscard]] platform::Result<const FontCatalog*> defaultFontCatalog();

}  // namespace host
