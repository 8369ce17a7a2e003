#include "PathTestHost.h"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "converter/export/DxfWriter.h"

namespace converter::test {
namespace {

/// The handle length of a quarter circle of radius 1 (4/3 · tan(π/8)).
constexpr double kQuarterCircleHandle = 0.5522847498307936;

}  // namespace

ArtHandle PathTestHost::addPath(const std::vector<host::PathSegment>& segments, bool closed,
                                const host::PathStyle& style, host::Art* container) {
  host::PathData path;
  if (!path.assignSegments(segments)) throw std::runtime_error("segments refused");
  path.setClosed(closed);
  auto order = container != nullptr ? host::PaintOrder::PLACE_INSIDE_ON_TOP : host::PaintOrder::PLACE_ABOVE_ALL;
  platform::Result<host::Art*> art = host.document().newPath(order, container, std::move(path), style);
  if (!art) throw std::runtime_error("path refused: " + art.error().message);
  return reinterpret_cast<ArtHandle>(*art);
}

host::Art* PathTestHost::addCompoundPath() {
  platform::Result<host::Art*> art =
      host.document().newArt(host::ArtType::COMPOUND_PATH, host::PaintOrder::PLACE_ABOVE_ALL, nullptr);
  if (!art) throw std::runtime_error("compound path refused");
  return *art;
}

host::Art* artOf(ArtHandle handle) { return reinterpret_cast<host::Art*>(handle); }

host::PathStyle strokedStyle() { return host::PathStyle{}; }

host::PathStyle filledStyle() {
  host::PathStyle style;
  style.stroke.paint = false;
  style.fill.paint = true;
  style.fill.color = host::ThreeColor{1, 0, 0};
  return style;
}

host::PathSegment corner(float x, float y) { return host::cornerSegment({x, y}); }

host::PathSegment smooth(HostRealPoint anchor, HostRealPoint in, HostRealPoint out) {
  return host::PathSegment{anchor, in, out, false};
}

std::vector<host::PathSegment> circleSegments(float cx, float cy, float r) {
  auto handle = static_cast<float>(r * kQuarterCircleHandle);
  return {
      smooth({cx + r, cy}, {cx + r, cy - handle}, {cx + r, cy + handle}),
      smooth({cx, cy + r}, {cx + handle, cy + r}, {cx - handle, cy + r}),
      smooth({cx - r, cy}, {cx - r, cy + handle}, {cx - r, cy - handle}),
      smooth({cx, cy - r}, {cx - handle, cy - r}, {cx + handle, cy - r}),
  };
}

PathRecords::PathRecords(plugin::ConverterOptions options)
    : converterOptions(options), exportContext(std::make_unique<ExportContext>()) {
  recordWriter = std::make_unique<DxfRecordWriter>(output, *exportContext, converterOptions);
  exportContext->unitFactor = 1.0;
  exportContext->arcSegmentDetection = 1;
  plugin::fillBezierWeights(exportContext->bezierWeights,
                            options.fusesmoth != 0 ? kSmoothingBezierSteps : kPlainBezierSteps);
}

std::vector<std::string> WrittenEntity::values(int code) const { return valuesOf(groups, code); }

double WrittenEntity::real(int code) const {
  std::vector<std::string> found = values(code);
  return found.empty() ? std::nan("") : std::stod(found.front());
}

std::vector<WrittenEntity> writtenEntities(const std::string& text) {
  std::vector<WrittenEntity> entities;
  for (DxfPair& pair : dxfPairs(text)) {
    if (pair.first == 0) {
      entities.push_back({std::move(pair.second), {}});
    } else if (!entities.empty()) {
      entities.back().groups.push_back(std::move(pair));
    }
  }
  return entities;
}

std::string entityTypes(const std::vector<WrittenEntity>& entities) {
  std::string types;
  for (const WrittenEntity& entity : entities) types += (types.empty() ? "" : " ") + entity.type;
  return types;
}

}  // namespace converter::test
