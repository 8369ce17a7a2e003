#include "converter/Companion.h"

#include "host/sdk/ArtSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/LayerSuite.h"
#include "host/sdk/PathStyleSuite.h"
#include "host/sdk/TextFrameSuite.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "plugin-common/PluginFrame.h"

namespace converter {
namespace {

/// The stroke width given to a fill turned into a stroke, points.
constexpr HostReal kFillStrokeWidth = 0.143f;

const plugin::HostSuites& suites() { return plugin::pluginFrame().suites(); }

/// Calls visit(art, type) for every art below parent, through groups and compound paths, stopping at the first
/// non-zero result. The next sibling is taken before the visit, so a visit may dispose the art it was given.
template <class Visit>
HostResult forEachArtBelow(ArtHandle parent, Visit&& visit) {
  const ArtSuite* arts = suites().get<ArtSuite>();
  ArtHandle art = nullptr;
  if (HostResult error = arts->getArtFirstChild(parent, &art)) return error;
  while (art != nullptr) {
    ArtHandle next = nullptr;
    int16_t type = 0;
    if (HostResult error = arts->getArtSibling(art, &next)) return error;
    if (HostResult error = arts->getArtType(art, &type)) return error;
    if (type == ART_TYPE_GROUP || type == ART_TYPE_COMPOUND_PATH) {
      if (HostResult error = forEachArtBelow(art, visit)) return error;
    } else if (HostResult error = visit(art, type)) {
      return error;
    }
    art = next;
  }
  return HOST_NO_ERROR;
}

/// The same over every layer's art.
template <class Visit>
HostResult forEachArt(Visit&& visit) {
  const LayerSuite* layers = suites().get<LayerSuite>();
  int32_t count = 0;
  if (HostResult error = layers->countLayers(&count)) return error;
  for (int32_t index = 0; index < count; ++index) {
    LayerHandle layer = nullptr;
    ArtHandle top = nullptr;
    if (HostResult error = layers->getNthLayer(index, &layer)) return error;
    if (HostResult error = suites().get<ArtSuite>()->getFirstArtOfLayer(layer, &top)) return error;
    if (HostResult error = forEachArtBelow(top, visit)) return error;
  }
  return HOST_NO_ERROR;
}

}  // namespace

bool companionRunning() {
  platform::Result<std::vector<platform::ProcessEntry>> processes = platform::processSnapshot();
  if (!processes) return false;  // no snapshot: nothing is known to run
  for (const platform::ProcessEntry& process : *processes) {
    if (process.executableName == "Pelmorix.exe") return true;  // exact name, case-sensitive
  }
  return false;
}

bool companionWantsOutlines() {
  platform::Result<uint32_t> value =
      platform::readRegistryDword(platform::RegistryRoot::HKEY_CURRENT_USER, "Software\\QUILLMERE\\Pelmgate", "DXF_CNV_OUTL");
  return !value || *value != 0;
}

void strokeFills() {
  const PathStyleSuite* styles = suites().get<PathStyleSuite>();
  // The companion's preparation is best effort: a host error ends it and the export goes on.
  (void)forEachArt([&](ArtHandle art, int16_t type) -> HostResult {
    if (type != ART_TYPE_PATH) return HOST_NO_ERROR;
    HostPathStyle style{};
    if (styles->getPathStyle(art, &style) != HOST_NO_ERROR || style.fillPaint == 0) return HOST_NO_ERROR;
    if (style.strokePaint == 0) {
      style.strokePaint = 1;
      style.stroke.color = style.fill.color;
      style.stroke.width = kFillStrokeWidth;
    }
    style.fillPaint = 0;
    return styles->setPathStyle(art, &style);
  });
}

void outlineText() {
  (void)forEachArt([&](ArtHandle art, int16_t type) -> HostResult {
    if (type != ART_TYPE_TEXT_FRAME) return HOST_NO_ERROR;
    ArtHandle outlines = nullptr;
    if (HostResult error = suites().get<TextFrameSuite>()->createOutline(art, &outlines)) return error;
    return outlines != nullptr ? suites().get<ArtSuite>()->disposeArt(art) : HOST_NO_ERROR;
  });
}

}  // namespace converter
