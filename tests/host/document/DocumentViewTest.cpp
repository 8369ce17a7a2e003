#include <gtest/gtest.h>

#include <cmath>

#include "host/document/DocumentView.h"
#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

class ZoomedView : public testing::Test {
protected:
  ZoomedView() { EXPECT_TRUE(view.setZoom(2)); }

  // 800 x 600 pixels showing artwork (100, 200) at their centre, at 200 %.
  DocumentView view{{100, 200}, 800, 600};
};

TEST_F(ZoomedView, ArtworkMapsToPixelsWithYFlipped) {
  struct MappingCase {
    HostRealPoint artwork;
    HostRealPoint view;
  };
  const MappingCase cases[] = {
      {{100, 200}, {400, 300}},  // the centre
      {{110, 210}, {420, 280}},  // right and up in artwork: right and up (smaller y) on screen
      {{-100, 350}, {0, 0}},     // the window's top-left corner
      {{300, 50}, {800, 600}},   // its bottom-right corner
  };
  for (const MappingCase& mapping : cases) {
    SCOPED_TRACE(testing::Message() << "artwork " << mapping.artwork.h << ", " << mapping.artwork.v);
    const HostRealPoint viewPoint = view.artworkToView(mapping.artwork);
    EXPECT_NEAR(viewPoint.h, mapping.view.h, 1e-4);
    EXPECT_NEAR(viewPoint.v, mapping.view.v, 1e-4);
  }
  const HostRealRect visible = view.visibleBounds();
  EXPECT_NEAR(visible.left, -100, 1e-4);
  EXPECT_NEAR(visible.top, 350, 1e-4);
  EXPECT_NEAR(visible.right, 300, 1e-4);
  EXPECT_NEAR(visible.bottom, 50, 1e-4);
}

TEST_F(ZoomedView, RoundTripReturnsThePointAtEveryZoom) {
  for (HostReal zoom : {0.03125f, 0.5f, 1.0f, 3.7f, 64.0f}) {
    ASSERT_TRUE(view.setZoom(zoom));
    for (HostRealPoint artwork : {HostRealPoint{0, 0}, HostRealPoint{-1234.5f, 987.25f}, HostRealPoint{595, 842}}) {
      SCOPED_TRACE(testing::Message() << "zoom " << zoom << " artwork " << artwork.h << ", " << artwork.v);
      const HostRealPoint back = view.viewToArtwork(view.artworkToView(artwork));
      // Float rounding of the pixel position, worth at most a few ulps of the pixel value over the zoom.
      const double tolerance = 1e-3 + 1e-6 * (std::abs(artwork.h) + std::abs(artwork.v)) / zoom;
      EXPECT_NEAR(back.h, artwork.h, tolerance);
      EXPECT_NEAR(back.v, artwork.v, tolerance);
    }
  }
}

TEST_F(ZoomedView, RefusesZoomsAndSizesThatCannotMap) {
  for (HostReal zoom : {0.0f, -1.0f, std::nanf(""), INFINITY}) {
    EXPECT_EQ(view.setZoom(zoom).error().code, HOST_BAD_PARAMETER) << zoom;
  }
  EXPECT_EQ(view.setSize(0, 600).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(view.setCentre({NAN, 0}).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(view.zoom(), 2.0f);
  EXPECT_EQ(view.width(), 800);
}

}  // namespace
}  // namespace host
