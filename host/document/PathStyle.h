#pragma once
// How a path is painted: its fill and its stroke. The defaults are those of a new path in a vector editor:
// a black 1 point stroke, no fill, miter limit 4.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "host/document/Color.h"
#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

/// How open stroke ends are drawn; the values are the host's.
enum class LineCap : std::int32_t { BUTT = 0, ROUND = 1, PROJECTING = 2 };

/// How stroke corners are drawn; the values are the host's.
enum class LineJoin : std::int32_t { MITER = 0, ROUND = 1, BEVEL = 2 };

/// The most dash lengths a stroke holds.
inline constexpr std::size_t kMaxDashLengths = 6;

/// A stroke's dash pattern: an offset and up to six lengths, alternating dash and gap. No lengths: solid.
class DashPattern {
public:
  /// A solid stroke.
  DashPattern() = default;
  /// A pattern of up to kMaxDashLengths lengths; more, a negative or a non-finite value is refused.
  [[nodiscard]] static platform::Result<DashPattern> make(HostReal offset, std::span<const HostReal> lengths);

  /// Distance into the pattern at which the stroke starts, artwork points.
  [[nodiscard]] HostReal offset() const { return dashOffset; }
  /// The lengths, artwork points.
  [[nodiscard]] std::span<const HostReal> lengths() const { return {dashLengths.data(), dashCount}; }
  /// Number of lengths, 0 for a solid stroke.
  [[nodiscard]] std::int32_t count() const { return static_cast<std::int32_t>(dashCount); }
  /// True without lengths.
  [[nodiscard]] bool isSolid() const { return dashCount == 0; }
  /// Same offset and lengths (unused slots are always zero).
  friend bool operator==(const DashPattern&, const DashPattern&) = default;

private:
  HostReal dashOffset = 0;
  std::array<HostReal, kMaxDashLengths> dashLengths{};
  std::size_t dashCount = 0;
};

/// The fill of a path.
struct FillStyle {
  /// Whether the path is filled.
  bool paint = false;
  /// The fill colour.
  Color color;
  /// Even-odd fill rule instead of non-zero winding.
  bool evenOdd = false;
  /// Member-wise equality.
  friend bool operator==(const FillStyle&, const FillStyle&) = default;
};

/// The stroke of a path.
struct StrokeStyle {
  /// Whether the path is stroked.
  bool paint = true;
  /// The stroke colour.
  Color color;
  /// Line width, artwork points, 0 or more.
  HostReal width = 1;
  /// End caps.
  LineCap cap = LineCap::BUTT;
  /// Corner joins.
  LineJoin join = LineJoin::MITER;
  /// Ratio of miter length to line width beyond which a miter becomes a bevel, 1 or more.
  HostReal miterLimit = 4;
  /// Dashes; solid by default.
  DashPattern dash;
  /// Member-wise equality.
  friend bool operator==(const StrokeStyle&, const StrokeStyle&) = default;
};

/// The paint of a path.
struct PathStyle {
  /// Fill.
  FillStyle fill;
  /// Stroke.
  StrokeStyle stroke;
  /// Member-wise equality.
  friend bool operator==(const PathStyle&, const PathStyle&) = default;
};

/// Checks colours, width (finite, 0 or more), miter limit (finite, 1 or more), cap and join values. Custom
/// colours are checked for presence only; the document checks that they are its own.
[[nodiscard]] platform::Result<void> validatePathStyle(const PathStyle& style);

}  // namespace host
