// The plug-in frame that export code reaches the host's suites through (plugin::pluginFrame), for the export
// test binaries: the converter's suite table and no handlers. Tests that run against an in-process host
// acquire the suites through it (InProcessHost.h); the others never hold any.

#include "plugin-common/PluginFrame.h"

plugin::PluginFrame& plugin::pluginFrame() {
  static PluginFrame frame(FrameConfig{converterSuiteTable(), 0, {}});
  return frame;
}
