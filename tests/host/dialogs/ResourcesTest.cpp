#include "host/dialogs/Resources.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kResources = R"xml(<resources>
  <string id="16050">&lt;list&gt;</string>
  <string id="16051">日本語</string>
  <dialog id="16158" title="Select Filter" width="300" height="120">
    <item id="1" type="button" bounds="200,80,280,100" text="OK"/>
    <item id="2" type="radio" bounds="10,10,200,30" text="KELMO-Pro"/>
    <item id="4" type="popup" bounds="10,40,200,60" label="Unit"><entry>inch</entry><entry>mm</entry></item>
  </dialog>
</resources>)xml";

TEST(Resources, ReadsStringsAndDialogsByNumber) {
  host::ResourceSet resources;
  ASSERT_TRUE(resources.addXml("english.xml", kResources).ok());
  ASSERT_NE(resources.string(16051), nullptr);
  EXPECT_EQ(*resources.string(16051), "日本語");
  EXPECT_EQ(*resources.string(16050), "<list>");
  EXPECT_EQ(resources.string(16052), nullptr);
  const host::DialogResource* dialog = resources.dialog(16158);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->title, "Select Filter");
  ASSERT_EQ(dialog->items.size(), 3u);
  EXPECT_EQ(dialog->items[1].type, host::ItemType::RADIO);
  EXPECT_EQ(dialog->items[0].bounds.right, 280);
  EXPECT_EQ(dialog->items[2].entries, (std::vector<std::string>{"inch", "mm"}));
}

TEST(Resources, ErrorsNameTheFileAndLineAndAddNothing) {
  struct Case {
    const char* xml;
    const char* where;
  };
  const Case cases[] = {
      {"<resources>\n<string id=\"1\">a</string>\n<string id=\"x\">b</string>\n</resources>", "bad.xml:3"},
      {"<resources>\n<dialog id=\"2\" title=\"t\" width=\"1\" height=\"1\">\n<item id=\"1\" type=\"knob\" bounds=\"0,0,1,1\"/>\n</dialog>\n</resources>", "bad.xml:3"},
      {"<resources>\n<dialog id=\"2\" title=\"t\" width=\"1\" height=\"1\">\n\n<item id=\"1\" type=\"text\" bounds=\"0,0,1\"/>\n</dialog>\n</resources>", "bad.xml:4"},
      {"<resources>\n<string id=\"1\">unclosed\n</resources>", "bad.xml:3"},
      {"<strings/>", "bad.xml:1"},
  };
  for (const Case& bad : cases) {
    host::ResourceSet resources;
    platform::Result<void> added = resources.addXml("bad.xml", bad.xml);
    ASSERT_FALSE(added.ok()) << bad.xml;
    EXPECT_EQ(added.error().where, bad.where) << added.error().message;
    EXPECT_EQ(resources.string(1), nullptr);
  }
}

TEST(Resources, ANumberDefinedInTwoFilesIsRefused) {
  host::ResourceSet resources;
  ASSERT_TRUE(resources.addXml("a.xml", "<resources><string id=\"7\">a</string></resources>").ok());
  platform::Result<void> again = resources.addXml("b.xml", "<resources><string id=\"7\">b</string></resources>");
  ASSERT_FALSE(again.ok());
  EXPECT_EQ(again.error().where, "b.xml");
  EXPECT_EQ(*resources.string(7), "a");
}

}  // namespace
