#pragma once
// Reads a font file with FreeType directly, apart from the code under test, so that tests compare the
// catalog's metrics and outlines with values computed independently.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BBOX_H

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace host::testing {

/// A bounding box in ems.
struct EmBox {
  /// Left edge.
  double left = 0;
  /// Bottom edge.
  double bottom = 0;
  /// Right edge.
  double right = 0;
  /// Top edge.
  double top = 0;
};

/// One face opened with its own FreeType library.
class ReferenceFont {
public:
  /// Opens face 0 of a font file; fails the test on error.
  explicit ReferenceFont(const std::filesystem::path& file) {
    FT_Library opened = nullptr;
    EXPECT_EQ(FT_Init_FreeType(&opened), 0);
    library.reset(opened);
    FT_Face face = nullptr;
    EXPECT_EQ(FT_New_Face(opened, file.c_str(), 0, &face), 0) << file;
    fontFace.reset(face);
  }

  /// The unscaled advance of a character's glyph divided by units per em.
  [[nodiscard]] double advance(char32_t character) const {
    EXPECT_EQ(FT_Load_Char(fontFace.get(), character, FT_LOAD_NO_SCALE), 0);
    return static_cast<double>(fontFace->glyph->advance.x) / fontFace->units_per_EM;
  }

  /// The exact control box of the curves of a character's outline, in ems.
  [[nodiscard]] EmBox bbox(char32_t character) const {
    EXPECT_EQ(FT_Load_Char(fontFace.get(), character, FT_LOAD_NO_SCALE), 0);
    FT_BBox box{};
    EXPECT_EQ(FT_Outline_Get_BBox(&fontFace->glyph->outline, &box), 0);
    const double units = fontFace->units_per_EM;
    return {box.xMin / units, box.yMin / units, box.xMax / units, box.yMax / units};
  }

  /// The number of contours of a character's outline.
  [[nodiscard]] int contourCount(char32_t character) const {
    EXPECT_EQ(FT_Load_Char(fontFace.get(), character, FT_LOAD_NO_SCALE), 0);
    return fontFace->glyph->outline.n_contours;
  }

  /// The signed area enclosed by a character's outline in square ems, from its quadratic and cubic curves
  /// sampled finely (positive for counter-clockwise contours).
  [[nodiscard]] double area(char32_t character) const {
    EXPECT_EQ(FT_Load_Char(fontFace.get(), character, FT_LOAD_NO_SCALE), 0);
    AreaSampler sampler;
    FT_Outline_Funcs callbacks{};
    callbacks.move_to = &AreaSampler::moveTo;
    callbacks.line_to = &AreaSampler::lineTo;
    callbacks.conic_to = &AreaSampler::conicTo;
    callbacks.cubic_to = &AreaSampler::cubicTo;
    EXPECT_EQ(FT_Outline_Decompose(&fontFace->glyph->outline, &callbacks, &sampler), 0);
    const double units = fontFace->units_per_EM;
    return sampler.total / (units * units);
  }

  /// The face's ascender, from FreeType's face record, in ems.
  [[nodiscard]] double ascender() const { return static_cast<double>(fontFace->ascender) / fontFace->units_per_EM; }

private:
  // Sums the shoelace terms of a polygon through finely sampled curve points; FreeType closes each contour
  // with a segment back to its start, so the sum needs no closing term.
  struct AreaSampler {
    static constexpr int kSteps = 64;
    double x = 0;
    double y = 0;
    double total = 0;

    void to(double nextX, double nextY) {
      total += (x * nextY - nextX * y) / 2;
      x = nextX;
      y = nextY;
    }
    static int moveTo(const FT_Vector* point, void* user) {
      auto& self = *static_cast<AreaSampler*>(user);
      self.x = static_cast<double>(point->x);
      self.y = static_cast<double>(point->y);
      return 0;
    }
    static int lineTo(const FT_Vector* point, void* user) {
      static_cast<AreaSampler*>(user)->to(static_cast<double>(point->x), static_cast<double>(point->y));
      return 0;
    }
    static int conicTo(const FT_Vector* control, const FT_Vector* point, void* user) {
      auto& self = *static_cast<AreaSampler*>(user);
      const double startX = self.x;
      const double startY = self.y;
      for (int step = 1; step <= kSteps; ++step) {
        const double t = static_cast<double>(step) / kSteps;
        const double u = 1 - t;
        self.to(u * u * startX + 2 * u * t * static_cast<double>(control->x) + t * t * static_cast<double>(point->x),
                u * u * startY + 2 * u * t * static_cast<double>(control->y) + t * t * static_cast<double>(point->y));
      }
      return 0;
    }
    static int cubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* point, void* user) {
      auto& self = *static_cast<AreaSampler*>(user);
      const double startX = self.x;
      const double startY = self.y;
      for (int step = 1; step <= kSteps; ++step) {
        const double t = static_cast<double>(step) / kSteps;
        const double u = 1 - t;
        self.to(u * u * u * startX + 3 * u * u * t * static_cast<double>(control1->x) +
                    3 * u * t * t * static_cast<double>(control2->x) + t * t * t * static_cast<double>(point->x),
                u * u * u * startY + 3 * u * u * t * static_cast<double>(control1->y) +
                    3 * u * t * t * static_cast<double>(control2->y) + t * t * t * static_cast<double>(point->y));
      }
      return 0;
    }
  };

  struct LibraryCloser {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
  };
  struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
  };
  // Declared first: the library is released after the face.
  std::unique_ptr<FT_LibraryRec_, LibraryCloser> library;
  std::unique_ptr<FT_FaceRec_, FaceCloser> fontFace;
};

}  // namespace host::testing
