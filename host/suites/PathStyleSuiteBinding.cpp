// "AI Path Style Suite": the paint of paths and compound paths, converted between the document's style and the
// record plug-ins read and write.

#include <cmath>
#include <span>

#include "host/document/Document.h"
#include "host/sdk/ArtConstants.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/PathStyleSuite.h"
#include "host/suites/ColorConversion.h"
#include "host/suites/HostServices.h"
#include "host/suites/SuiteBindings.h"
#include "host/suites/SuiteRegistry.h"

namespace host {
namespace {

Document& document() { return *services().document; }

/// The live path or compound path behind a handle, or null.
Art* styledArt(ArtHandle handle) {
  auto* art = reinterpret_cast<Art*>(handle);
  if (!document().isLiveArt(art)) return nullptr;
  return art->type() == ArtType::PATH || art->type() == ArtType::COMPOUND_PATH ? art : nullptr;
}

HostPathStyle toHostStyle(const PathStyle& style) {
  HostPathStyle converted{};
  converted.fillPaint = style.fill.paint ? 1 : 0;
  converted.fill.color = toHostColor(style.fill.color);
  converted.fill.evenOdd = style.fill.evenOdd ? 1 : 0;
  converted.strokePaint = style.stroke.paint ? 1 : 0;
  converted.stroke.color = toHostColor(style.stroke.color);
  converted.stroke.width = style.stroke.width;
  converted.stroke.cap = static_cast<int32_t>(style.stroke.cap);
  converted.stroke.join = static_cast<int32_t>(style.stroke.join);
  converted.stroke.miterLimit = style.stroke.miterLimit;
  converted.stroke.dash.offset = style.stroke.dash.offset();
  converted.stroke.dash.length = static_cast<int16_t>(style.stroke.dash.count());
  std::span<const HostReal> lengths = style.stroke.dash.lengths();
  for (size_t index = 0; index < lengths.size(); ++index) converted.stroke.dash.array[index] = lengths[index];
  return converted;
}

/// The document style of a record, or nullopt when a value is out of range.
std::optional<PathStyle> fromHostStyle(const HostPathStyle& style) {
  std::optional<Color> fill = fromHostColor(style.fill.color, document());
  std::optional<Color> stroke = fromHostColor(style.stroke.color, document());
  const HostDashStyle& dash = style.stroke.dash;
  if (dash.length < 0 || dash.length > PATH_STYLE_MAX_DASHES) return std::nullopt;
  if (style.stroke.cap < 0 || style.stroke.cap > 2 || style.stroke.join < 0 || style.stroke.join > 2) return std::nullopt;
  platform::Result<DashPattern> pattern =
      DashPattern::make(dash.offset, std::span<const HostReal>(dash.array, static_cast<size_t>(dash.length)));
  // A colour that is not painted may be of any kind; a painted one must be one the document can hold.
  if (!pattern || (style.fillPaint != 0 && !fill) || (style.strokePaint != 0 && !stroke)) return std::nullopt;
  PathStyle converted;
  converted.fill.paint = style.fillPaint != 0;
  converted.fill.color = fill.value_or(Color{});
  converted.fill.evenOdd = style.fill.evenOdd != 0;
  converted.stroke.paint = style.strokePaint != 0;
  converted.stroke.color = stroke.value_or(Color{});
  converted.stroke.width = style.stroke.width;
  converted.stroke.cap = static_cast<LineCap>(style.stroke.cap);
  converted.stroke.join = static_cast<LineJoin>(style.stroke.join);
  converted.stroke.miterLimit = style.stroke.miterLimit;
  converted.stroke.dash = *pattern;
  return converted;
}

HostResult getPathStyle(ArtHandle art, HostPathStyle* style) {
  return guarded([&] {
    Art* path = styledArt(art);
    if (path == nullptr) return HOST_BAD_HANDLE;
    if (style == nullptr) return HOST_BAD_PARAMETER;
    *style = toHostStyle(path->style());
    return HOST_NO_ERROR;
  });
}

HostResult setPathStyle(ArtHandle art, const HostPathStyle* style) {
  return guarded([&] {
    Art* path = styledArt(art);
    if (path == nullptr) return HOST_BAD_HANDLE;
    if (style == nullptr) return HOST_BAD_PARAMETER;
    std::optional<PathStyle> converted = fromHostStyle(*style);
    if (!converted || !document().checkPathStyle(*converted)) return HOST_BAD_PARAMETER;
    platform::Result<void> set = path->setStyle(*converted);
    return set ? HOST_NO_ERROR : set.error().code;
  });
}

constexpr PathStyleSuite kPathStyleSuite{getPathStyle, setPathStyle};

}  // namespace

void registerPathStyleSuite(SuiteRegistry& registry) {
  registry.add(SUITE_PATH_STYLE, PATH_STYLE_SUITE_VERSION_5, &kPathStyleSuite);
  registry.add(SUITE_PATH_STYLE, PATH_STYLE_SUITE_VERSION_8, &kPathStyleSuite);
}

}  // namespace host
