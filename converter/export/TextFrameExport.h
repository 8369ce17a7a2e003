#pragma once
// Text frames as TEXT entities, one per laid-out line.

#include <string_view>

#include "converter/export/DxfRecordWriter.h"
#include "converter/export/ExportMode.h"
#include "host/sdk/HostTypes.h"

namespace converter {

/// Writes each line of the text frame that has glyphs and text as one TEXT entity on layer: at the line's
/// start (left), the middle of its start and end (centre, justification 1) or its end (right, justification
/// 2), turned like the frame, 0.8 times the line's tallest font height high, in the colour of its first run's
/// fill. The line's bytes are those the host gives in the system code page, read in the character set of the
/// context's language and schrType. Writes nothing in mode LINE_TYPES. Returns 0, or the first failing host
/// operation's result (the frame is then written up to the line before).
[[nodiscard]] HostResult writeTextFrame(DxfRecordWriter& writer, ArtHandle frame, ExportMode mode,
                                        std::string_view layer);

}  // namespace converter
