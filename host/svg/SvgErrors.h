#pragma once
// The codes that SVG reading and writing put in platform::Error::code: four-character codes like the host's
// own results, so a suite can pass them to a plug-in unchanged.

#include <cstdint>

#include "host/sdk/HostTypes.h"

namespace host::svg {

/// The file does not exist.
inline constexpr std::int32_t kSvgFileNotFound = HOST_FOUR_CHAR('S', 'V', 'n', 'f');
/// The file exists but cannot be read, or its compressed content is damaged or too large.
inline constexpr std::int32_t kSvgReadFailed = HOST_FOUR_CHAR('S', 'V', 'r', 'd');
/// The content is not well-formed XML.
inline constexpr std::int32_t kSvgNotXml = HOST_FOUR_CHAR('S', 'V', 'x', 'm');
/// The XML is not an SVG document (its root is not <svg>).
inline constexpr std::int32_t kSvgNotSvg = HOST_FOUR_CHAR('S', 'V', 's', 'v');
/// A path's d attribute is broken.
inline constexpr std::int32_t kSvgBadPathData = HOST_FOUR_CHAR('S', 'V', 'p', 'd');
/// The page size is missing a usable unit (a percentage or an unknown unit) or is not a positive size.
inline constexpr std::int32_t kSvgBadPageSize = HOST_FOUR_CHAR('S', 'V', 'p', 's');
/// The reading was stopped by its progress callback (the user cancelled).
inline constexpr std::int32_t kSvgCancelled = HOST_FOUR_CHAR('S', 'V', 'c', 'n');
/// The file could not be written; the target is left as it was.
inline constexpr std::int32_t kSvgWriteFailed = HOST_FOUR_CHAR('S', 'V', 'w', 'r');

}  // namespace host::svg
