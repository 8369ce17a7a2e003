#include "host/dialogs/HeadlessDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host/dialogs/DialogManager.h"

namespace {

constexpr const char* kResources = R"xml(<resources>
  <dialog id="16158" title="Select Filter" width="300" height="120">
    <item id="1" type="button" bounds="200,80,280,100" text="OK"/>
    <item id="2" type="radio" bounds="10,10,200,30" text="KELMO-Pro"/>
    <item id="3" type="radio" bounds="10,40,200,60" text="AutoCAD Interchange File (Adobe DXF)"/>
    <item id="5" type="button" bounds="100,80,180,100" text="Cancel"/>
    <item id="6" type="number" bounds="10,70,90,90" label="Scale" text="1"/>
    <item id="7" type="popup" bounds="10,90,90,110" label="Unit"><entry>inch</entry><entry>mm</entry></item>
  </dialog>
</resources>)xml";

class HeadlessDriverTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(resources.addXml("test.xml", kResources).ok()); }

  void queue(const char* text) { driver.queue(*host::parseAnswer(text)); }

  /// Runs the dialog; the init procedure turns radio 2 on, as a plug-in would.
  int32_t run() {
    return manager.runModal(nullptr, resources, "Select Filter", 16158, [](DialogRef dialog) -> HostResult {
      reinterpret_cast<host::Dialog*>(dialog)->item(2)->boolValue = true;
      return 0;
    }, nullptr);
  }

  bool journalHas(const std::string& line) {
    const auto& lines = journal.lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  host::ResourceSet resources;
  host::Journal journal;
  host::HeadlessDriver driver;
  host::DialogManager manager{journal, driver};
};

TEST_F(HeadlessDriverTest, WithoutAnswersPressesOk) {
  EXPECT_EQ(run(), 1);
  EXPECT_TRUE(journalHas("dialog.open 16158 \"Select Filter\" name \"Select Filter\" modal"));
  EXPECT_TRUE(journalHas("dialog.item 16158 2 radio on"));
  EXPECT_TRUE(journalHas("dialog.press 16158 1 \"OK\""));
  EXPECT_TRUE(journalHas("dialog.close 16158 \"Select Filter\" result 1"));
}

TEST_F(HeadlessDriverTest, AppliesAnswersByLabelTextAndNumberThenPressesOk) {
  queue("Select Filter/AutoCAD Interchange File (Adobe DXF)");
  queue("16158/Scale=2.5");
  queue("Select Filter/Unit=mm");
  queue("Another Dialog/1");
  int32_t result = manager.runModal(nullptr, resources, "Select Filter", 16158, nullptr, nullptr);
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(journalHas("dialog.press 16158 3 \"AutoCAD Interchange File (Adobe DXF)\""));
  EXPECT_TRUE(journalHas("dialog.answer 16158 6 \"2.5\""));
  EXPECT_TRUE(journalHas("dialog.answer 16158 7 \"mm\""));
  ASSERT_EQ(driver.pending().size(), 1u);  // the answer for another dialog waits for it
  EXPECT_EQ(driver.pending().front().dialog, "Another Dialog");
}

TEST_F(HeadlessDriverTest, ChoosingARadioButtonTurnsTheOthersOff) {
  struct Seen {
    bool second = true;
    bool third = false;
  } seen;
  queue("Select Filter/3");
  manager.runModal(nullptr, resources, "Select Filter", 16158, [](DialogRef dialog) -> HostResult {
    auto* live = reinterpret_cast<host::Dialog*>(dialog);
    live->item(2)->boolValue = true;
    // Read the radio buttons back when OK is pressed.
    live->item(1)->notifyProc = [](ItemRef item, DialogNotifierRef) {
      auto* ok = reinterpret_cast<host::DialogItem*>(item);
      auto* out = static_cast<Seen*>(ok->dialog->userData);
      out->second = ok->dialog->item(2)->boolValue;
      out->third = ok->dialog->item(3)->boolValue;
      ok->dialog->modalResult = 1;
    };
    return 0;
  }, &seen);
  EXPECT_FALSE(seen.second);
  EXPECT_TRUE(seen.third);
}

TEST_F(HeadlessDriverTest, PressingCancelEndsWithItsNumber) {
  queue("Select Filter/Cancel");
  EXPECT_EQ(run(), 5);
  EXPECT_FALSE(journalHas("dialog.press 16158 1 \"OK\""));
}

TEST_F(HeadlessDriverTest, AnswersThatDoNotFitAreRecordedNotApplied) {
  queue("Select Filter/No Such Item");
  queue("Select Filter/Unit=furlong");
  queue("Select Filter/2=maybe");
  EXPECT_EQ(run(), 1);
  EXPECT_TRUE(journalHas("dialog.unanswered 16158 \"Select Filter\" no item \"No Such Item\""));
  EXPECT_TRUE(journalHas("dialog.answer 16158 7 \"furlong\" not an entry"));
  EXPECT_TRUE(journalHas("dialog.answer 16158 2 \"maybe\" not a switch"));
}

TEST_F(HeadlessDriverTest, ADialogThatRefusesToCloseIsCancelled) {
  int32_t result = manager.runModal(nullptr, resources, "Select Filter", 16158, [](DialogRef dialog) -> HostResult {
    // OK refuses to close, as a plug-in does when a value is out of range.
    reinterpret_cast<host::Dialog*>(dialog)->item(1)->notifyProc = [](ItemRef, DialogNotifierRef) {};
    return 0;
  }, nullptr);
  EXPECT_EQ(result, 2);
  EXPECT_TRUE(journalHas("dialog.stuck 16158 \"Select Filter\" cancelled"));
}

TEST_F(HeadlessDriverTest, MissingResourceOrFailingInitGivesMinusOne) {
  EXPECT_EQ(manager.runModal(nullptr, resources, "Missing", 99, nullptr, nullptr), -1);
  EXPECT_EQ(manager.runModal(nullptr, resources, "Refused", 16158, [](DialogRef) -> HostResult { return 1; }, nullptr), -1);
  EXPECT_TRUE(journalHas("dialog.missing 99 name \"Missing\""));
}

}  // namespace

namespace {

TEST_F(HeadlessDriverTest, ModelessDialogsLiveUntilDestroyedAndTheJournalFollowsThem) {
  host::Dialog* progress = manager.createModeless(nullptr, resources, "Progress", 16158, nullptr, nullptr);
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(manager.liveDialog(progress), progress);
  host::DialogItem* bar = progress->item(2);
  EXPECT_EQ(manager.liveItem(bar), bar);
  progress->visible = true;
  manager.changed(*progress);
  manager.destroy(*progress);
  EXPECT_EQ(manager.liveDialog(progress), nullptr);  // a stale handle is refused, never read
  EXPECT_EQ(manager.liveItem(bar), nullptr);
  EXPECT_TRUE(journalHas("dialog.open 16158 \"Select Filter\" name \"Progress\" modeless"));
  EXPECT_TRUE(journalHas("dialog.show 16158 \"Select Filter\""));
  EXPECT_TRUE(journalHas("dialog.close 16158 \"Select Filter\""));
}

}  // namespace
