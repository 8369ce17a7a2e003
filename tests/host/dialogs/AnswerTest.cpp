#include "host/dialogs/Answer.h"

#include <gtest/gtest.h>

namespace {

TEST(Answer, ParsesDialogItemAndValue) {
  struct Case {
    const char* text;
    const char* dialog;
    const char* item;   // null: none
    const char* value;  // null: none
  };
  const Case cases[] = {
      {"Plug-in Error", "Plug-in Error", nullptr, nullptr},
      {"16158/2", "16158", "2", nullptr},
      {"DXF Type/Scale=2.5", "DXF Type", "Scale", "2.5"},
      {"Select Filter/KELMO-Pro=0", "Select Filter", "KELMO-Pro", "0"},
      {"Title/Item=a=b", "Title", "Item", "a=b"},
      {"Title/Item=", "Title", "Item", ""},
  };
  for (const Case& expected : cases) {
    platform::Result<host::Answer> answer = host::parseAnswer(expected.text);
    ASSERT_TRUE(answer.ok()) << expected.text;
    EXPECT_EQ(answer->dialog, expected.dialog);
    EXPECT_EQ(answer->item.has_value(), expected.item != nullptr) << expected.text;
    if (expected.item != nullptr) {
      EXPECT_EQ(*answer->item, expected.item);
    }
    EXPECT_EQ(answer->value.has_value(), expected.value != nullptr) << expected.text;
    if (expected.value != nullptr) {
      EXPECT_EQ(*answer->value, expected.value);
    }
    EXPECT_EQ(answer->text(), expected.text);
  }
}

TEST(Answer, RefusesAnswersWithoutDialogOrItem) {
  for (const char* text : {"", "/OK", "Title/", "Title/=1"}) EXPECT_FALSE(host::parseAnswer(text).ok()) << text;
}

}  // namespace
