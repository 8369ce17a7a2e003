#include "host/text/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <string>

namespace host {

namespace {

// What FreeType reports when it fails, for messages.
std::string freeTypeMessage(FT_Error error) {
  const char* text = FT_Error_String(error);
  return text != nullptr ? std::string(text) : "FreeType error " + std::to_string(error);
}

// Collects FT_Outline_Decompose's moves, lines and curves into closed cubic contours, in ems.
class OutlineCollector {
public:
  explicit OutlineCollector(double unitsPerEm) : scale(1.0 / unitsPerEm) {}

  static int moveTo(const FT_Vector* to, void* user) {
    auto& self = *static_cast<OutlineCollector*>(user);
    self.finishContour();
    const OutlinePoint point = self.toEms(to);
    self.contour.anchors.push_back({point, point, point});
    return 0;
  }

  static int lineTo(const FT_Vector* to, void* user) {
    auto& self = *static_cast<OutlineCollector*>(user);
    const OutlinePoint point = self.toEms(to);
    self.contour.anchors.push_back({point, point, point});
    return 0;
  }

  // A quadratic curve with control q is the cubic whose handles lie two thirds of the way from each end
  // towards q.
  static int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto& self = *static_cast<OutlineCollector*>(user);
    const OutlinePoint start = self.contour.anchors.back().point;
    const OutlinePoint middle = self.toEms(control);
    const OutlinePoint end = self.toEms(to);
    constexpr double kTwoThirds = 2.0 / 3.0;
    self.contour.anchors.back().out = {start.x + kTwoThirds * (middle.x - start.x),
                                       start.y + kTwoThirds * (middle.y - start.y)};
    const OutlinePoint in{end.x + kTwoThirds * (middle.x - end.x), end.y + kTwoThirds * (middle.y - end.y)};
    self.contour.anchors.push_back({end, in, end});
    return 0;
  }

  static int cubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user) {
    auto& self = *static_cast<OutlineCollector*>(user);
    self.contour.anchors.back().out = self.toEms(control1);
    const OutlinePoint end = self.toEms(to);
    self.contour.anchors.push_back({end, self.toEms(control2), end});
    return 0;
  }

  GlyphOutline finish() {
    finishContour();
    return std::move(outline);
  }

private:
  OutlinePoint toEms(const FT_Vector* vector) const {
    return {static_cast<double>(vector->x) * scale, static_cast<double>(vector->y) * scale};
  }

  // FreeType ends every contour with a segment back to its start point; that last anchor coincides with
  // the first, which takes over its in handle, so the closed contour has each anchor once.
  void finishContour() {
    std::vector<OutlineAnchor>& anchors = contour.anchors;
    if (anchors.size() > 1 && anchors.back().point.x == anchors.front().point.x &&
        anchors.back().point.y == anchors.front().point.y) {
      anchors.front().in = anchors.back().in;
      anchors.pop_back();
    }
    if (!anchors.empty()) outline.contours.push_back(std::move(contour));
    contour = {};
  }

  double scale;
  OutlineContour contour;
  GlyphOutline outline;
};

}  // namespace

void FreeTypeFaceCloser::operator()(FT_FaceRec_* face) const { FT_Done_Face(face); }

void FreeTypeLibraryCloser::operator()(FT_LibraryRec_* library) const { FT_Done_FreeType(library); }

platform::Result<FreeTypeLibrary> openFreeType() {
  FT_Library library = nullptr;
  if (const FT_Error error = FT_Init_FreeType(&library); error != 0) {
    return platform::fail("cannot start FreeType: " + freeTypeMessage(error));
  }
  return FreeTypeLibrary(library);
}

platform::Result<FontFace> FontFace::open(FT_LibraryRec_& library, const std::filesystem::path& file,
                                          std::int32_t faceIndex) {
  FT_Face opened = nullptr;
  if (const FT_Error error = FT_New_Face(&library, file.c_str(), faceIndex, &opened); error != 0) {
    return platform::fail("cannot open the font: " + freeTypeMessage(error), file.string());
  }
  FontFace face(opened);
  if (!FT_IS_SCALABLE(opened) || opened->units_per_EM == 0) {
    return platform::fail("the font has no outlines", file.string());
  }
  if (FT_Select_Charmap(opened, FT_ENCODING_UNICODE) != 0) {
    return platform::fail("the font has no Unicode character map", file.string());
  }
  return face;
}

std::int32_t FontFace::unitsPerEm() const { return face->units_per_EM; }

bool FontFace::hasGlyph(char32_t character) const { return FT_Get_Char_Index(face.get(), character) != 0; }

platform::Result<double> FontFace::advance(char32_t character) const {
  FT_Fixed units = 0;
  const FT_UInt glyph = FT_Get_Char_Index(face.get(), character);
  // NO_SCALE gives the advance in font units, unhinted.
  if (const FT_Error error = FT_Get_Advance(face.get(), glyph, FT_LOAD_NO_SCALE, &units); error != 0) {
    return platform::fail("cannot read an advance width: " + freeTypeMessage(error));
  }
  return static_cast<double>(units) / face->units_per_EM;
}

VerticalMetrics FontFace::verticalMetrics() const {
  double ascender = face->ascender;
  double descender = face->descender;
  double lineGap = face->height - face->ascender + face->descender;
  if (const auto* header = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_HHEA))) {
    ascender = header->Ascender;
    descender = header->Descender;
    lineGap = header->Line_Gap;
  }
  const double unitsPerEm = face->units_per_EM;
  // Descenders are stored below the baseline (negative); the model keeps depths positive.
  return {ascender / unitsPerEm, std::abs(descender) / unitsPerEm, lineGap / unitsPerEm};
}

platform::Result<GlyphOutline> FontFace::outline(char32_t character) const {
  const FT_UInt glyph = FT_Get_Char_Index(face.get(), character);
  if (const FT_Error error = FT_Load_Glyph(face.get(), glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP); error != 0) {
    return platform::fail("cannot load a glyph: " + freeTypeMessage(error));
  }
  if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return platform::fail("the glyph has no outline");
  OutlineCollector collector(face->units_per_EM);
  FT_Outline_Funcs callbacks{};
  callbacks.move_to = &OutlineCollector::moveTo;
  callbacks.line_to = &OutlineCollector::lineTo;
  callbacks.conic_to = &OutlineCollector::conicTo;
  callbacks.cubic_to = &OutlineCollector::cubicTo;
  if (const FT_Error error = FT_Outline_Decompose(&face->glyph->outline, &callbacks, &collector); error != 0) {
    return platform::fail("cannot read a glyph outline: " + freeTypeMessage(error));
  }
  return collector.finish();
}

}  // namespace host
