#pragma once

#include "host/sdk/FileFormatSuite.h"

namespace converter {

/// Registers the DXF format with the host ("Drawing Interchange(DXF)", or "AutoCAD DXF/TIIP" in the TIIP
/// variant), read, export, import art and write, priority 10000.
HostResult registerFileFormat(PluginMessage* message);
/// "AI Check": 0 when this plug-in reads the file, else 'STOP' so that the host's own reader takes it.
HostResult checkFile(FileFormatMessage* message);
/// "AI Get Parameters": the options for a write or a read; 'STOP' when the user cancels.
HostResult getParameters(FileFormatMessage* message);
/// "AI Go": writes or reads the file; always 0 (an export that could not write tells no one, as the host expects).
HostResult runFileFormat(FileFormatMessage* message);

}  // namespace converter
