#include "host/text/TextOutlines.h"

#include <utility>

#include "host/document/Document.h"
#include "host/document/DocumentError.h"
#include "host/text/TextLayout.h"

namespace host {

namespace {

// Maps a glyph's em coordinates to artwork: scaled by size and scales, moved to the glyph's origin in the
// frame, then through the frame matrix. Affine maps keep Bezier curves exact, so mapping control points
// is enough.
class GlyphPlacement {
public:
  GlyphPlacement(const AffineMatrix& matrix, const CharacterFeatures& features, double originX, double originY)
      : matrix(matrix),
        scaleX(static_cast<double>(features.size) * features.horizontalScale),
        scaleY(static_cast<double>(features.size) * features.verticalScale),
        originX(originX),
        originY(originY) {}

  HostRealPoint operator()(OutlinePoint point) const {
    const double x = originX + point.x * scaleX;
    const double y = originY + point.y * scaleY;
    return {static_cast<HostReal>(matrix.a * x + matrix.c * y + matrix.tx),
            static_cast<HostReal>(matrix.b * x + matrix.d * y + matrix.ty)};
  }

private:
  const AffineMatrix& matrix;
  double scaleX;
  double scaleY;
  double originX;
  double originY;
};

PathStyle paintOf(const CharacterFeatures& features) {
  PathStyle style;
  style.fill.paint = features.fillPaint;
  style.fill.color = features.fillColor;
  style.fill.evenOdd = false;
  style.stroke.paint = features.strokePaint;
  style.stroke.color = features.strokeColor;
  style.stroke.width = features.strokeWidth;
  return style;
}

platform::Result<PathData> contourPath(const OutlineContour& contour, const GlyphPlacement& place) {
  std::vector<PathSegment> segments;
  segments.reserve(contour.anchors.size());
  for (const OutlineAnchor& anchor : contour.anchors) {
    segments.push_back({place(anchor.point), place(anchor.in), place(anchor.out), true});
  }
  PathData path;
  if (platform::Result<void> assigned = path.assignSegments(segments); !assigned) return assigned.error();
  path.setClosed(true);
  return path;
}

// Removes art created part way, so that a refused conversion leaves the document as it was.
platform::Error discard(Document& document, Art* group, platform::Error error) {
  // The group was just created by this conversion; disposing it cannot meet a stale handle.
  static_cast<void>(document.disposeArt(group));
  return error;
}

}  // namespace

platform::Result<std::vector<GlyphShape>> outlineGlyphs(const TextFrameData& frame, const FontCatalog& catalog) {
  platform::Result<TextLayout> layout = layoutText(frame, catalog);
  if (!layout) return layout.error();
  std::vector<GlyphShape> shapes;
  for (const TextLine& line : layout->lines) {
    if (line.overflow) break;
    for (const GlyphRun& run : line.runs) {
      platform::Result<const FontFace*> face = catalog.face(run.font);
      if (!face) return face.error();
      double x = run.origin.h;
      for (std::size_t index = 0; index < run.characters.size(); ++index) {
        const GlyphPlacement place(frame.matrix, run.features, x, run.origin.v);
        x += run.advances[index];
        platform::Result<GlyphOutline> outline = (*face)->outline(run.characters[index]);
        if (!outline) return outline.error();
        if (outline->contours.empty()) continue;
        GlyphShape shape;
        shape.character = run.firstCharacter + static_cast<std::int32_t>(index);
        shape.style = paintOf(run.features);
        for (const OutlineContour& contour : outline->contours) {
          platform::Result<PathData> path = contourPath(contour, place);
          if (!path) return path.error();
          shape.contours.push_back(std::move(*path));
        }
        shapes.push_back(std::move(shape));
      }
    }
  }
  return shapes;
}

platform::Result<Art*> createOutlines(Art& frame, const FontCatalog& catalog) {
  if (frame.type() != ArtType::TEXT_FRAME) return badParameter("only a text frame converts to outlines");
  Document& document = frame.document();
  platform::Result<std::vector<GlyphShape>> shapes = outlineGlyphs(frame.textFrame(), catalog);
  if (!shapes) return shapes.error();
  platform::Result<Art*> group = document.newArt(ArtType::GROUP, PaintOrder::PLACE_ABOVE, &frame);
  if (!group) return group.error();
  for (GlyphShape& shape : *shapes) {
    Art* container = *group;
    if (shape.contours.size() > 1) {
      platform::Result<Art*> compound =
          document.newArt(ArtType::COMPOUND_PATH, PaintOrder::PLACE_INSIDE_ON_TOP, *group);
      if (!compound) return discard(document, *group, compound.error());
      container = *compound;
    }
    for (PathData& contour : shape.contours) {
      platform::Result<Art*> path =
          document.newPath(PaintOrder::PLACE_INSIDE_ON_TOP, container, std::move(contour), shape.style);
      if (!path) return discard(document, *group, path.error());
    }
  }
  return *group;
}

}  // namespace host
