#pragma once

namespace converter {

/// What a pass over the art does: register the dash patterns it meets (LTYPE table) or write entities.
enum class ExportMode { LINE_TYPES, ENTITIES };

}  // namespace converter
