#include "converter/Companion.h"

#include "platform/Processes.h"

namespace converter {

bool companionRunning() {
  platform::Result<std::vector<platform::ProcessEntry>> processes = platform::processSnapshot();
  if (!processes) return false;  // no snapshot: nothing is known to run
  for (const platform::ProcessEntry& process : *processes) {
    if (process.executableName == "Pelmorix.exe") return true;  // exact name, case-sensitive
  }
  return false;
}

}  // namespace converter
