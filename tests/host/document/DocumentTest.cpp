#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <type_traits>

#include "host/document/Document.h"
#include "host/document/PageSetup.h"
#include "host/sdk/ErrorCodes.h"

namespace host {
namespace {

TEST(PageSetupRecord, IsFortyBytesInThePluginsLayout) {
  EXPECT_EQ(sizeof(PageSetupRecord), 40u);
  EXPECT_TRUE(std::is_standard_layout_v<PageSetupRecord>);
  EXPECT_EQ(offsetof(PageSetupRecord, recordVersion), 0u);
  EXPECT_EQ(offsetof(PageSetupRecord, recordSize), 4u);
  EXPECT_EQ(offsetof(PageSetupRecord, paper), 8u);
  EXPECT_EQ(offsetof(PageSetupRecord, printableArea), 24u);
  EXPECT_EQ(offsetof(PageRect, left), 0u);
  EXPECT_EQ(offsetof(PageRect, top), 4u);
  EXPECT_EQ(offsetof(PageRect, right), 8u);
  EXPECT_EQ(offsetof(PageRect, bottom), 12u);
}

TEST(PageSetupRecord, IsHandedOutOnlyToACorrectHeader) {
  Document document;
  PageSetupRecord asked{};
  asked.recordVersion = 1;
  asked.recordSize = 40;
  ASSERT_TRUE(document.readPageSetup(asked));
  EXPECT_EQ(asked.paper, (PageRect{0, 0, 595, 842}));
  EXPECT_EQ(asked.printableArea, (PageRect{0, 0, 595, 842}));
  EXPECT_EQ(document.pageOrigin().h, 0.0f);
  EXPECT_EQ(document.pageOrigin().v, 0.0f);

  for (auto [version, size] : {std::pair{0, 40}, std::pair{1, 0}, std::pair{1, 36}, std::pair{2, 40}}) {
    PageSetupRecord wrong{};
    wrong.recordVersion = version;
    wrong.recordSize = size;
    const PageSetupRecord before = wrong;
    EXPECT_EQ(document.readPageSetup(wrong).error().code, HOST_BAD_PARAMETER) << version << ", " << size;
    EXPECT_EQ(wrong, before);
  }
}

TEST(PageSetupRecord, ChangesKeepThePrintableAreaOnNonEmptyPaper) {
  Document document;
  PageSetupRecord letter = defaultPageSetup();
  letter.paper = {0, 0, 612, 792};
  letter.printableArea = {18, 18, 594, 774};
  ASSERT_TRUE(document.setPageSetup(letter));
  EXPECT_EQ(document.pageSetup().printableArea, letter.printableArea);

  PageSetupRecord upsideDown = letter;
  upsideDown.paper = {0, 792, 612, 0};
  EXPECT_EQ(document.setPageSetup(upsideDown).error().code, HOST_BAD_PARAMETER);
  PageSetupRecord overhanging = letter;
  overhanging.printableArea = {-1, 18, 594, 774};
  EXPECT_EQ(document.setPageSetup(overhanging).error().code, HOST_BAD_PARAMETER);
  EXPECT_EQ(document.pageSetup(), letter);
}

TEST(Document, StartsWithOneLayerOneViewAndAnA4Page) {
  Document document;
  ASSERT_EQ(document.layerCount(), 1);
  EXPECT_EQ(document.layerAt(0)->title(), "Layer 1");
  EXPECT_EQ(document.currentLayer(), document.layerAt(0));
  EXPECT_EQ(document.layerAt(0)->group()->type(), ArtType::GROUP);
  EXPECT_EQ(document.layerAt(0)->group()->layer(), document.layerAt(0));
  ASSERT_EQ(document.viewCount(), 1);
  EXPECT_EQ(document.viewAt(0)->zoom(), 1.0f);
  EXPECT_EQ(document.viewAt(0)->centre().h, 297.5f);
  EXPECT_EQ(document.viewAt(0)->centre().v, 421.0f);
  EXPECT_EQ(document.title(), "Untitled");
  document.setFileName("/drawings/plan.svg");
  EXPECT_EQ(document.title(), "plan.svg");
}

TEST(Document, LayersStackFromIndexZeroAtTheBack) {
  Document document;
  Layer* top = document.layerAt(0);
  Layer* back = *document.insertLayer(0, "Back");
  Layer* middle = *document.insertLayer(1, "Middle");
  EXPECT_EQ(document.layerAt(0), back);
  EXPECT_EQ(document.layerAt(1), middle);
  EXPECT_EQ(document.layerAt(2), top);
  EXPECT_EQ(document.layerAt(3), nullptr);
  EXPECT_EQ(document.layerIndex(back), 0);
  EXPECT_EQ(document.layerIndex(middle), 1);
  EXPECT_EQ(document.layerIndex(top), 2) << "renumbered by the insertions below it";
  EXPECT_EQ(document.findLayer("Middle"), middle);
  EXPECT_EQ(document.insertLayer(4, "Too far").error().code, HOST_BAD_PARAMETER);

  ASSERT_TRUE(document.setCurrentLayer(middle));
  ASSERT_TRUE(document.disposeLayer(middle));
  EXPECT_EQ(document.currentLayer(), top) << "the layer that took the index";
  EXPECT_EQ(document.layerIndex(top), 1);
  EXPECT_FALSE(document.isLiveLayer(middle));
  EXPECT_EQ(document.layerIndex(middle), -1);
  EXPECT_EQ(document.findLayer("Middle"), nullptr);
  EXPECT_EQ(document.setCurrentLayer(middle).error().code, HOST_BAD_HANDLE);
  EXPECT_EQ(document.disposeLayer(middle).error().code, HOST_BAD_HANDLE);

  ASSERT_TRUE(document.setCurrentLayer(top));
  ASSERT_TRUE(document.disposeLayer(top));
  EXPECT_EQ(document.currentLayer(), back) << "the new top-most layer";
}

TEST(Document, LayersAreFoundByTheirCurrentTitleTopMostFirst) {
  Document document;
  Layer* first = document.layerAt(0);
  Layer* walls = *document.insertLayer(1, "Walls");
  Layer* upper = *document.insertLayer(2, "Walls");
  EXPECT_EQ(document.findLayer("Walls"), upper);
  EXPECT_EQ(document.findLayer("Layer 1"), first);
  EXPECT_EQ(document.findLayer("Doors"), nullptr);

  ASSERT_TRUE(upper->setTitle("Doors"));
  EXPECT_EQ(document.findLayer("Walls"), walls);
  EXPECT_EQ(document.findLayer("Doors"), upper);
  ASSERT_TRUE(document.disposeLayer(walls));
  EXPECT_EQ(document.findLayer("Walls"), nullptr);
  EXPECT_FALSE(upper->setTitle(std::string(256, 'L')));
  EXPECT_EQ(document.findLayer("Doors"), upper) << "a refused title leaves the index as it was";
}

TEST(Document, LayerTitlesAreUtf8OfAtMost255Bytes) {
  struct TitleCase {
    const char* description;
    std::string title;
    bool accepted;
  };
  std::string kana;
  for (int count = 0; count < 85; ++count) kana += "\xE3\x81\x82";  // U+3042, three bytes
  const TitleCase cases[] = {
      {"empty", "", true},
      {"255 ASCII bytes", std::string(255, 'L'), true},
      {"256 ASCII bytes", std::string(256, 'L'), false},
      {"85 three-byte characters", kana, true},
      {"86 three-byte characters", kana + "\xE3\x81\x82", false},
      {"Korean", "\xEB\xA0\x88\xEC\x9D\xB4\xEC\x96\xB4", true},
      {"Latin-1 byte", "Ebene \xE4", false},
      {"cut character", "\xE3\x81", false},
      {"overlong slash", "\xC0\xAF", false},
      {"surrogate", "\xED\xA0\x80", false},
  };
  Document document;
  Layer* layer = document.layerAt(0);
  for (const TitleCase& title : cases) {
    SCOPED_TRACE(title.description);
    platform::Result<void> result = layer->setTitle(title.title);
    ASSERT_EQ(static_cast<bool>(result), title.accepted);
    if (title.accepted) {
      EXPECT_EQ(layer->title(), title.title);
    } else {
      EXPECT_EQ(result.error().code, HOST_BAD_PARAMETER);
      EXPECT_EQ(document.insertLayer(0, title.title).error().code, HOST_BAD_PARAMETER);
    }
  }
}

TEST(Document, ContentChangesCountSelectionAndViewsDoNot) {
  Document document;
  Art* path = *document.newArt(ArtType::PATH, PaintOrder::PLACE_ABOVE_ALL, nullptr);
  std::uint64_t count = document.modificationCount();
  auto expectCounted = [&](const char* change, bool counted) {
    EXPECT_EQ(document.modificationCount() > count, counted) << change;
    count = document.modificationCount();
  };
  ASSERT_TRUE(path->editPath());
  expectCounted("path edited in place", true);
  ASSERT_TRUE(path->setStyle(PathStyle{}));
  expectCounted("style", true);
  document.layerAt(0)->setVisible(false);
  expectCounted("layer hidden", true);
  ASSERT_TRUE(document.setPageOrigin({10, 10}));
  expectCounted("page origin", true);
  ASSERT_TRUE(path->setAttributes(bitOf(ArtAttribute::SELECTED), bitOf(ArtAttribute::SELECTED)));
  expectCounted("selection", false);
  ASSERT_TRUE(document.viewAt(0)->setZoom(4));
  document.newView();
  expectCounted("views", false);
}

TEST(Document, ViewsComeAndGoButOneStays) {
  Document document;
  DocumentView& second = document.newView();
  EXPECT_EQ(document.viewCount(), 2);
  EXPECT_TRUE(document.isLiveView(&second));
  ASSERT_TRUE(document.disposeView(&second));
  EXPECT_FALSE(document.isLiveView(&second));
  EXPECT_EQ(document.disposeView(&second).error().code, HOST_BAD_HANDLE);
  EXPECT_EQ(document.disposeView(document.viewAt(0)).error().code, HOST_BAD_PARAMETER);
}

}  // namespace
}  // namespace host
