#include "host/document/DocumentView.h"

#include <cmath>

#include "host/document/DocumentError.h"

namespace host {

platform::Result<void> DocumentView::setZoom(HostReal zoom) {
  if (!std::isfinite(zoom) || zoom <= 0) return badParameter("the zoom must be finite and above 0");
  zoomFactor = zoom;
  return {};
}

platform::Result<void> DocumentView::setCentre(HostRealPoint centre) {
  if (!std::isfinite(centre.h) || !std::isfinite(centre.v)) return badParameter("the view centre must be finite");
  centrePoint = centre;
  return {};
}

platform::Result<void> DocumentView::setSize(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0) return badParameter("a view needs a width and a height above 0");
  viewWidth = width;
  viewHeight = height;
  return {};
}

// Computed in double: only the final conversion to float rounds, so a round trip stays within float rounding.
HostRealPoint DocumentView::artworkToView(HostRealPoint artwork) const {
  const double h = (static_cast<double>(artwork.h) - centrePoint.h) * zoomFactor + viewWidth / 2.0;
  const double v = (static_cast<double>(centrePoint.v) - artwork.v) * zoomFactor + viewHeight / 2.0;
  return {static_cast<HostReal>(h), static_cast<HostReal>(v)};
}

HostRealPoint DocumentView::viewToArtwork(HostRealPoint view) const {
  const double h = centrePoint.h + (static_cast<double>(view.h) - viewWidth / 2.0) / zoomFactor;
  const double v = centrePoint.v - (static_cast<double>(view.v) - viewHeight / 2.0) / zoomFactor;
  return {static_cast<HostReal>(h), static_cast<HostReal>(v)};
}

HostRealRect DocumentView::visibleBounds() const {
  const HostRealPoint topLeft = viewToArtwork({0, 0});
  const HostRealPoint bottomRight =
      viewToArtwork({static_cast<HostReal>(viewWidth), static_cast<HostReal>(viewHeight)});
  return {topLeft.h, topLeft.v, bottomRight.h, bottomRight.v};
}

}  // namespace host
