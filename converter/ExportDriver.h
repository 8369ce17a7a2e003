#pragma once

#include <string>

#include "converter/PluginGlobals.h"
#include "host/sdk/HostTypes.h"

namespace converter {

/// The options an export may change for its own length, kept to be put back afterwards.
struct SavedExportOptions {
  int16_t polyMode;
  int16_t fusesmoth;
  int16_t fuseCircle;
  int16_t arcSegmentDetection;
};

/// Applies the TIIP variant's overrides for one export and returns what they changed: TORAY CREACOMPO draws
/// lines and arcs; ASAHI KASEI AGMS draws polylines and arcs without smoothing, circles or arc detection.
[[nodiscard]] SavedExportOptions applyTiipOverrides(PluginGlobals& state);
/// Puts the saved options back.
void restoreExportOptions(PluginGlobals& state, const SavedExportOptions& saved);

/// Writes the current document to path as DXF: the export driver, from the work area to the closed file.
void exportDxf(PluginRef plugin, const std::string& path);

}  // namespace converter
