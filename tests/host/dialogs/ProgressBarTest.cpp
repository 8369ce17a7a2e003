// What a drawn bar reads as, and the bar a headless host draws on a terminal for a modeless dialog.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "host/dialogs/DialogManager.h"
#include "host/dialogs/HeadlessDriver.h"
#include "host/dialogs/ItemDrawing.h"
#include "host/dialogs/ProgressLine.h"
#include "host/sdk/DrawerSuite.h"

namespace {

using host::DrawnShape;

DrawnShape frame(int32_t right) { return {DrawnShape::Kind::FRAME, HostRect{0, 0, right, 20}, ADM_COLOR_BLACK}; }
DrawnShape fill(int32_t left, int32_t right, int32_t color) {
  return {DrawnShape::Kind::FILL, HostRect{left, 1, right, 19}, color};
}

TEST(ProgressBar, ADrawingReadsAsTheShareItsBlackFillCovers) {
  struct Case {
    const char* what;
    std::vector<DrawnShape> shapes;
    std::optional<int> percent;
  };
  const Case cases[] = {
      {"no frame", {fill(1, 50, ADM_COLOR_BLACK)}, std::nullopt},
      {"empty bar filled white", {frame(102), fill(1, 101, ADM_COLOR_WHITE)}, 0},
      {"half", {frame(102), fill(1, 51, ADM_COLOR_BLACK)}, 50},
      {"full", {frame(102), fill(1, 101, ADM_COLOR_BLACK)}, 100},
      {"a fill beyond the frame counts to its inside", {frame(102), fill(1, 500, ADM_COLOR_BLACK)}, 100},
      {"a fill not from the left edge is not progress", {frame(102), fill(30, 60, ADM_COLOR_BLACK)}, 0},
      {"a frame too small for an inside", {frame(1)}, 0},
  };
  for (const Case& expected : cases) {
    host::ItemDrawing drawing;
    drawing.shapes = expected.shapes;
    EXPECT_EQ(host::barPercent(drawing), expected.percent) << expected.what;
  }
}

TEST(ProgressBar, TheTerminalLineShowsTitleBarAndFigure) {
  EXPECT_EQ(host::progressLine("Progress", 50, 10), "Progress [#####     ]  50%");
  EXPECT_EQ(host::progressLine("進捗状況", 100, 4), "進捗状況 [####] 100%");
  EXPECT_EQ(host::progressLine("Progress", -5, 4), "Progress [    ]   0%");
  EXPECT_EQ(host::progressLine("Progress", 250, 4), "Progress [####] 100%");
}

constexpr const char* kResources = R"xml(<resources>
  <dialog id="16255" title="Progress" width="320" height="90">
    <item id="1" type="user" bounds="15,15,117,35"/>
    <item id="2" type="text" bounds="15,50,150,70" text="Stop ESC"/>
  </dialog>
</resources>)xml";

/// The share the test's bar shows.
int shownPercent = 0;

/// Draws as a plug-in's bar would, straight into the drawing the drawer stands for.
void drawTestBar(ItemRef, DrawerRef drawer) {
  auto* item = reinterpret_cast<host::DialogItem*>(drawer);
  item->drawing.shapes.push_back(frame(102));
  item->drawing.shapes.push_back(fill(1, 1 + shownPercent, ADM_COLOR_BLACK));
}

TEST(ProgressBar, AHeadlessHostDrawsTheBarOnItsStreamAsItMoves) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  host::Journal journal;
  host::HeadlessDriver driver;
  driver.showProgressOn(stream);
  host::DialogManager manager{journal, driver};
  host::ResourceSet resources;
  ASSERT_TRUE(resources.addXml("test.xml", kResources).ok());

  shownPercent = 0;
  host::Dialog* dialog = manager.createModeless(nullptr, resources, "Progress", 16255, [](DialogRef created) -> HostResult {
    reinterpret_cast<host::Dialog*>(created)->item(1)->drawProc = drawTestBar;
    return 0;
  }, nullptr);
  ASSERT_NE(dialog, nullptr);
  dialog->visible = true;
  manager.changed(*dialog);
  for (int percent : {25, 25, 100}) {
    shownPercent = percent;
    dialog->item(1)->invalid = true;
    manager.update(*dialog);
  }
  manager.destroy(*dialog);

  std::string written(4096, '\0');
  std::rewind(stream);
  written.resize(std::fread(written.data(), 1, written.size(), stream));
  std::fclose(stream);
  // One line per change of the figure, each redrawn in place, and a line end when the dialog goes.
  const std::string bar0 = "\rProgress [                                        ]   0%\033[K";
  const std::string bar25 = "\rProgress [##########                              ]  25%\033[K";
  const std::string bar100 = "\rProgress [########################################] 100%\033[K";
  EXPECT_EQ(written, bar0 + bar25 + bar100 + "\n");
}

}  // namespace
