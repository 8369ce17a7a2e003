#pragma once
// A headless host in the test's own process, with the converter's suites held through the test frame
// (ExportTestFrame.cpp) for as long as it lives: export code then calls the host exactly as inside a message.

#include <gtest/gtest.h>

#include "host/Host.h"
#include "host/suites/SuiteBindings.h"
#include "plugin-common/PluginFrame.h"

namespace converter::test {

/// The host and the suites, from construction to destruction.
class InProcessHost {
public:
  InProcessHost() { EXPECT_EQ(plugin::acquireSuites(&host::basicSuite()), 0); }
  ~InProcessHost() { EXPECT_EQ(plugin::releaseSuites(&host::basicSuite()), 0); }
  InProcessHost(const InProcessHost&) = delete;
  InProcessHost& operator=(const InProcessHost&) = delete;

  /// The host's current document.
  [[nodiscard]] host::Document& document() { return running.document(); }

private:
  host::Host running;
};

}  // namespace converter::test
