#include "converter/export/CompoundHatch.h"

#include <vector>

#include "converter/export/DxfColors.h"
#include "converter/export/DxfEntities.h"
#include "converter/export/DxfHatches.h"
#include "converter/export/ExportPath.h"
#include "converter/export/SegmentConversion.h"
#include "host/sdk/ArtConstants.h"
#include "host/sdk/ArtSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/ConverterOptions.h"
#include "plugin-common/PluginFrame.h"

namespace converter {
namespace {

/// A compound path's loops are converted as a polyline with this line type (nothing is written with it).
constexpr int16_t kLoopLineType = 0;

/// The member paths of compound with more than one segment, in child order.
HostResult readLoopMembers(ArtHandle compound, std::vector<ExportPath>& members) {
  const ArtSuite* arts = plugin::pluginFrame().suites().get<ArtSuite>();
  if (arts == nullptr) return HOST_SUITE_NOT_FOUND;
  ArtHandle member = nullptr;
  if (HostResult error = arts->getArtFirstChild(compound, &member)) return error;
  while (member != nullptr) {
    int16_t type = 0;
    if (HostResult error = arts->getArtType(member, &type)) return error;
    if (type == ART_TYPE_PATH) {
      ExportPath path;
      if (HostResult error = readExportPath(member, path)) return error;
      if (path.segments.size() > 1) members.push_back(std::move(path));
    }
    if (HostResult error = arts->getArtSibling(member, &member)) return error;
  }
  return HOST_NO_ERROR;
}

}  // namespace

HostResult writeHatchCompound(DxfRecordWriter& writer, ArtHandle compound, std::string_view layer) {
  const plugin::ConverterOptions& options = writer.options();
  if (options.polyMode != plugin::POLY_MODE_POLYLINE) return HOST_NO_ERROR;
  std::vector<ExportPath> members;
  if (HostResult error = readLoopMembers(compound, members)) return error;

  const ExportPath* filled = nullptr;
  for (const ExportPath& member : members) {
    if (member.style.fillPaint != 0) {
      filled = &member;
      break;
    }
  }
  if (filled == nullptr || !isSolidFillKind(filled->style.fill.color.kind)) return HOST_NO_ERROR;
  int16_t color = colorNumber(filled->style.fill.color);

  beginHatchCompound(writer, color, static_cast<int32_t>(members.size()), layer);
  ExportContext& context = writer.context();
  for (const ExportPath& member : members) {
    SegmentArcs& arcs = context.segmentArcs;
    arcs.reset(member.segments, member.closed);
    PathCircle circle = options.fuseCircle != 0 ? circleOfPath(arcs) : PathCircle{};
    if (circle.ok) {
      writeHatchCircleLoop(writer, {circle.centre.x, circle.centre.y}, circle.radius);
      continue;
    }
    context.curLineType = kLoopLineType;
    context.curColor = color;
    context.curWidthCode = kUnstrokedWidthCode;
    context.curClosed = member.closed ? 1 : 0;
    SegmentConverter converter(writer, layer, plugin::POLY_MODE_POLYLINE);
    converter.begin();
    converter.convertPath(arcs);
    writeHatchPolylineLoop(writer, converter.vertices(), member.closed);
  }
  endHatchCompound(writer);
  context.polyVertices.clear();
  return HOST_NO_ERROR;
}

}  // namespace converter
