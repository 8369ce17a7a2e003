#pragma once
// One opened face of a font file (a FreeType face), read at unit size without hinting: character
// coverage, advance widths, vertical metrics and outlines. FreeType types stay out of this header.

#include <cstdint>
#include <filesystem>
#include <memory>

#include "host/text/FontMetrics.h"
#include "host/text/GlyphOutline.h"
#include "platform/Result.h"

struct FT_FaceRec_;
struct FT_LibraryRec_;

namespace host {

/// Closes a FreeType face.
struct FreeTypeFaceCloser {
  /// FT_Done_Face.
  void operator()(FT_FaceRec_* face) const;
};

/// Releases a FreeType library instance.
struct FreeTypeLibraryCloser {
  /// FT_Done_FreeType.
  void operator()(FT_LibraryRec_* library) const;
};

/// An owned FreeType library instance.
using FreeTypeLibrary = std::unique_ptr<FT_LibraryRec_, FreeTypeLibraryCloser>;

/// A new FreeType library instance.
[[nodiscard]] platform::Result<FreeTypeLibrary> openFreeType();

/// An opened face; it must not outlive the library it was opened with.
class FontFace {
public:
  /// Opens face index of a font file; refused when the file is no font, or the face has no Unicode
  /// character map or no units per em (a bitmap font).
  [[nodiscard]] static platform::Result<FontFace> open(FT_LibraryRec_& library, const std::filesystem::path& file,
                                                       std::int32_t faceIndex);

  /// Font units per em.
  [[nodiscard]] std::int32_t unitsPerEm() const;
  /// Whether the face has a glyph for the character.
  [[nodiscard]] bool hasGlyph(char32_t character) const;
  /// The unhinted advance width of the character's glyph in ems (the .notdef glyph's for a missing one).
  [[nodiscard]] platform::Result<double> advance(char32_t character) const;
  /// Ascender, descender and line gap of the horizontal header, in ems.
  [[nodiscard]] VerticalMetrics verticalMetrics() const;
  /// The character's outline in ems (the .notdef glyph's for a missing one).
  [[nodiscard]] platform::Result<GlyphOutline> outline(char32_t character) const;

private:
  explicit FontFace(FT_FaceRec_* face) : face(face) {}

  std::unique_ptr<FT_FaceRec_, FreeTypeFaceCloser> face;
};

}  // namespace host
