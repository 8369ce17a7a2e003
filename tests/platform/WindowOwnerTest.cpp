#include "platform/WindowOwner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

// Records what the plug-ins asked for, as the headless host's journal does.
class RecordingOwner : public WindowOwner {
public:
  void beep() override { calls.push_back("beep"); }
  void setCursor(int32_t cursorId) override { calls.push_back("cursor " + std::to_string(cursorId)); }

  std::vector<std::string> calls;
};

class WindowOwnerTest : public ::testing::Test {
protected:
  void TearDown() override { setWindowOwner(nullptr); }
};

TEST_F(WindowOwnerTest, ServicesGoToTheRegisteredOwner) {
  RecordingOwner owner;
  setWindowOwner(&owner);
  EXPECT_EQ(windowOwner(), &owner);
  beep();
  setCursor(16104);
  beep();
  EXPECT_EQ(owner.calls, (std::vector<std::string>{"beep", "cursor 16104", "beep"}));
}

TEST_F(WindowOwnerTest, WithoutAnOwnerNothingHappens) {
  RecordingOwner owner;
  setWindowOwner(&owner);
  setWindowOwner(nullptr);
  EXPECT_EQ(windowOwner(), nullptr);
  beep();
  setCursor(16102);
  EXPECT_TRUE(owner.calls.empty());
}

TEST_F(WindowOwnerTest, ANewOwnerReplacesTheOld) {
  RecordingOwner first;
  RecordingOwner second;
  setWindowOwner(&first);
  setWindowOwner(&second);
  beep();
  EXPECT_TRUE(first.calls.empty());
  EXPECT_EQ(second.calls, std::vector<std::string>{"beep"});
}

}  // namespace
}  // namespace platform
