// The export driver's own rules: the TIIP overrides last one export, and the companion's monitor is found by
// its exact process name.

#include "converter/ExportDriver.h"

#include <gtest/gtest.h>

#include "converter/Companion.h"
#include "platform/Processes.h"

namespace {

using converter::PluginGlobals;

TEST(ExportDriver, TiipOverridesAreUndoneAfterTheExport) {
  struct Case {
    int16_t ftiipcomp;
    int16_t polyMode;
    int16_t fusesmoth;
    int16_t fuseCircle;
    int16_t arcSegmentDetection;
  };
  const Case cases[] = {
      {plugin::TIIP_NONE, 0, 1, 1, 1},
      {plugin::TIIP_GENERAL, 0, 1, 1, 1},
      {plugin::TIIP_ASAHI_KASEI_AGMS, plugin::POLY_MODE_POLYLINE_AND_ARC, 0, 0, 0},
      {plugin::TIIP_TORAY_CREACOMPO, plugin::POLY_MODE_LINE_AND_ARC, 1, 1, 1},
  };
  for (const Case& expected : cases) {
    PluginGlobals state{};
    state.options = plugin::defaultConverterOptions();
    state.options.ftiipcomp = expected.ftiipcomp;
    state.arcSegmentDetection = 1;
    const plugin::ConverterOptions before = state.options;

    converter::SavedExportOptions saved = converter::applyTiipOverrides(state);
    EXPECT_EQ(state.options.polyMode, expected.polyMode) << expected.ftiipcomp;
    EXPECT_EQ(state.options.fusesmoth, expected.fusesmoth) << expected.ftiipcomp;
    EXPECT_EQ(state.options.fuseCircle, expected.fuseCircle) << expected.ftiipcomp;
    EXPECT_EQ(state.arcSegmentDetection, expected.arcSegmentDetection) << expected.ftiipcomp;

    converter::restoreExportOptions(state, saved);
    EXPECT_EQ(state.options.polyMode, before.polyMode);
    EXPECT_EQ(state.options.fusesmoth, before.fusesmoth);
    EXPECT_EQ(state.options.fuseCircle, before.fuseCircle);
    EXPECT_EQ(state.arcSegmentDetection, 1);
  }
}

TEST(ExportDriver, TheCompanionMonitorIsFoundByItsExactName) {
  struct Case {
    const char* process;
    bool running;
  };
  const Case cases[] = {{"Pelmorix.exe", true}, {"pelmorix.exe", false}, {"Pelmorix", false}, {"drawhost", false}};
  for (const Case& expected : cases) {
    platform::setProcessSnapshotSource([&]() -> platform::Result<std::vector<platform::ProcessEntry>> {
      return std::vector<platform::ProcessEntry>{{1, "init"}, {42, expected.process}};
    });
    EXPECT_EQ(converter::companionRunning(), expected.running) << expected.process;
  }
  platform::setProcessSnapshotSource(nullptr);
}

}  // namespace
