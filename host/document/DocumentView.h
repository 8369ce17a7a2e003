#pragma once
// A view of a document: which artwork point is at the centre of a window of a given pixel size, and at
// which zoom. View coordinates are pixels from the window's top-left corner, y downwards.

#include <cstdint>

#include "host/sdk/HostTypes.h"
#include "platform/Result.h"

namespace host {

/// One view of a document. The document owns its views; a view never moves in memory.
class DocumentView {
public:
  /// A 100 % view of width x height pixels centred on centre.
  DocumentView(HostRealPoint centre, std::int32_t width, std::int32_t height)
      : centrePoint(centre), viewWidth(width), viewHeight(height) {}

  /// Pixels per artwork point: 1 is 100 %.
  [[nodiscard]] HostReal zoom() const { return zoomFactor; }
  /// Sets the zoom; refused unless finite and above 0.
  platform::Result<void> setZoom(HostReal zoom);
  /// The artwork point shown at the window's centre.
  [[nodiscard]] HostRealPoint centre() const { return centrePoint; }
  /// Scrolls so that centre is shown at the window's centre; refused unless finite.
  platform::Result<void> setCentre(HostRealPoint centre);
  /// Window width in pixels.
  [[nodiscard]] std::int32_t width() const { return viewWidth; }
  /// Window height in pixels.
  [[nodiscard]] std::int32_t height() const { return viewHeight; }
  /// Resizes the window; refused unless both sizes are above 0.
  platform::Result<void> setSize(std::int32_t width, std::int32_t height);

  /// The window position of an artwork point.
  [[nodiscard]] HostRealPoint artworkToView(HostRealPoint artwork) const;
  /// The artwork point at a window position.
  [[nodiscard]] HostRealPoint viewToArtwork(HostRealPoint view) const;
  /// The artwork rectangle the window shows.
  [[nodiscard]] HostRealRect visibleBounds() const;

private:
  HostRealPoint centrePoint;
  std::int32_t viewWidth;
  std::int32_t viewHeight;
  HostReal zoomFactor = 1;
};

}  // namespace host
