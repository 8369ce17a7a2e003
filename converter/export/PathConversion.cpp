#include "converter/export/PathConversion.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "converter/export/CompoundHatch.h"
#include "converter/export/DxfColors.h"
#include "converter/export/DxfEntities.h"
#include "converter/export/DxfHatches.h"
#include "converter/export/DxfTableEntries.h"
#include "converter/export/SegmentConversion.h"
#include "host/sdk/ArtConstants.h"
#include "host/sdk/ArtSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/PluginFrame.h"

namespace converter {
namespace {

/// Width codes are stroke widths in hundredths of a point.
constexpr float kWidthCodesPerPoint = 100.0f;
/// Vertices the polyline buffer keeps room for between paths (a few megabytes at most).
constexpr size_t kKeptVertexCapacity = 65536;

/// Whether the pattern holds exactly these dash lengths.
bool samePattern(const LineTypeEntry& entry, const HostDashStyle& dash) {
  if (entry.elementCount != dash.length) return false;
  for (int16_t index = 0; index < dash.length; ++index) {
    if (entry.elements[static_cast<size_t>(index)] != dash.array[index]) return false;
  }
  return true;
}

/// The colour of the path's entities: its stroke when stroked, else its fill when filled, else none.
int16_t entityColor(const HostPathStyle& style) {
  if (style.strokePaint != 0) return colorNumber(style.stroke.color);
  if (style.fillPaint != 0) return colorNumber(style.fill.color);
  return kNoColor;
}

/// Whether art is the first child of its compound path, the member that writes the compound path's fill.
HostResult isFirstMember(ArtHandle art, ArtHandle compound, bool& first) {
  const ArtSuite* arts = plugin::pluginFrame().suites().get<ArtSuite>();
  if (arts == nullptr) return HOST_SUITE_NOT_FOUND;
  ArtHandle child = nullptr;
  if (HostResult error = arts->getArtFirstChild(compound, &child)) return error;
  first = child == art;
  return HOST_NO_ERROR;
}

}  // namespace

int32_t widthCodeOf(const HostPathStyle& style) {
  float product = style.stroke.width * kWidthCodesPerPoint;
  // Converting a value beyond the integer range is undefined; no real stroke comes near it.
  int32_t code = 0;
  if (product >= static_cast<float>(std::numeric_limits<int32_t>::max())) {
    code = std::numeric_limits<int32_t>::max();
  } else if (product > 0) {
    code = static_cast<int32_t>(product);
  }
  if (style.strokePaint == 0 && code > 0) return kUnstrokedWidthCode;
  return code;
}

int16_t registerLineType(DxfRecordWriter& writer, const HostPathStyle& style, ExportMode mode) {
  const HostDashStyle& dash = style.stroke.dash;
  if (style.strokePaint == 0 || dash.length <= 0) return kNoLineType;
  ExportContext& context = writer.context();
  auto used = static_cast<size_t>(std::clamp<int16_t>(context.lineTypeCount, 0, kLineTypeCapacity));
  for (size_t index = 0; index < used; ++index) {
    if (samePattern(context.lineTypes[index], dash)) return static_cast<int16_t>(index);
  }
  if (mode != ExportMode::LINE_TYPES || used >= kLineTypeCapacity) return kNoLineType;
  LineTypeEntry entry;
  entry.elementCount = std::min<int32_t>(dash.length, static_cast<int32_t>(kDashElementCapacity));
  for (int32_t index = 0; index < entry.elementCount; ++index) {
    entry.elements[static_cast<size_t>(index)] = dash.array[index];
  }
  context.lineTypes[used] = entry;
  context.lineTypeCount = static_cast<int16_t>(used + 1);
  writeLineTypeEntry(writer, static_cast<int>(used), entry);
  return static_cast<int16_t>(used);
}

HostResult writeExportPath(DxfRecordWriter& writer, const ExportPath& path, ArtHandle art, ExportMode mode,
                           std::string_view layer) {
  size_t count = path.segments.size();
  bool singlePoint = path.bounds.right == path.bounds.left && path.bounds.bottom == path.bounds.top;
  if (path.guide || count < 2 || singlePoint) return HOST_NO_ERROR;

  int16_t lineType = registerLineType(writer, path.style, mode);
  if (mode == ExportMode::LINE_TYPES) return HOST_NO_ERROR;

  ExportContext& context = writer.context();
  const plugin::ConverterOptions& options = writer.options();
  int16_t color = entityColor(path.style);
  bool closed = path.closed;
  int32_t widthCode = widthCodeOf(path.style);
  bool ownFill = hasOwnSolidFill(path, options.fcnvFill);

  SegmentArcs& arcs = context.segmentArcs;
  arcs.reset(path.segments, closed);
  PathCircle circle = options.fuseCircle != 0 ? circleOfPath(arcs) : PathCircle{};
  if (circle.ok) {
    writeCircle(writer, lineType, color, {circle.centre.x, circle.centre.y}, circle.radius, layer);
    if (ownFill) {
      writeHatchCircle(writer, colorNumber(path.style.fill.color), {circle.centre.x, circle.centre.y}, circle.radius,
                       layer);
    }
  } else {
    context.curLineType = lineType;
    context.curColor = color;
    context.curWidthCode = widthCode;
    context.curClosed = closed ? 1 : 0;
    SegmentConverter converter(writer, layer, options.polyMode);
    converter.begin();
    converter.convertPath(arcs);
    if (converter.mode() == plugin::POLY_MODE_POLYLINE) {
      writePolyline(writer, converter.vertices(), closed, layer);
      if (ownFill) writeHatchPolyline(writer, colorNumber(path.style.fill.color), converter.vertices(), closed, layer);
    } else if (converter.mode() == plugin::POLY_MODE_POLYLINE_AND_ARC) {
      converter.writeBufferedRun();
    }
    // The buffer is reused by the next path; only a long path's memory is given back.
    context.polyVertices.clear();
    if (context.polyVertices.capacity() > kKeptVertexCapacity) context.polyVertices.shrink_to_fit();
  }

  if (options.fcnvFill != 0 && path.parentType == ART_TYPE_COMPOUND_PATH) {
    bool first = false;
    if (HostResult error = isFirstMember(art, path.parent, first)) return error;
    if (first) return writeHatchCompound(writer, path.parent, layer);
  }
  return HOST_NO_ERROR;
}

HostResult writePath(DxfRecordWriter& writer, ArtHandle path, ExportMode mode, std::string_view layer) {
  ExportPath& read = writer.context().path;
  if (HostResult error = readExportPath(path, read)) return error;
  return writeExportPath(writer, read, path, mode, layer);
}

}  // namespace converter
