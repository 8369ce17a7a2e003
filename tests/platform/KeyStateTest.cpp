#include "platform/KeyState.h"

#include <gtest/gtest.h>
#include <signal.h>

namespace platform {
namespace {

class KeyStateTest : public ::testing::Test {
protected:
  void SetUp() override { releaseAllKeys(); }
  void TearDown() override { releaseAllKeys(); }
};

TEST_F(KeyStateTest, KeysAreUpUntilSetDown) {
  for (int32_t key = 0; key < KEY_COUNT; ++key) EXPECT_FALSE(isKeyDown(key)) << key;
  setKeyDown(KEY_ESCAPE, true);
  EXPECT_TRUE(isKeyDown(KEY_ESCAPE));
  EXPECT_FALSE(isKeyDown(KEY_RETURN));
  setKeyDown(KEY_ESCAPE, false);
  EXPECT_FALSE(isKeyDown(KEY_ESCAPE));
}

TEST_F(KeyStateTest, CancelChordOfControlAndDecimal) {
  setKeyDown(KEY_CONTROL, true);
  setKeyDown(KEY_DECIMAL, true);
  EXPECT_TRUE(isKeyDown(KEY_CONTROL) && isKeyDown(KEY_DECIMAL));
  releaseAllKeys();
  EXPECT_FALSE(isKeyDown(KEY_CONTROL));
  EXPECT_FALSE(isKeyDown(KEY_DECIMAL));
}

TEST_F(KeyStateTest, WindowsNumbers) {
  EXPECT_EQ(KEY_LBUTTON, 0x01);
  EXPECT_EQ(KEY_RETURN, 0x0D);
  EXPECT_EQ(KEY_SHIFT, 0x10);
  EXPECT_EQ(KEY_CONTROL, 0x11);
  EXPECT_EQ(KEY_MENU, 0x12);
  EXPECT_EQ(KEY_ESCAPE, 0x1B);
  EXPECT_EQ(KEY_DECIMAL, 0x6E);
}

TEST_F(KeyStateTest, NumbersOutsideTheTableAreIgnored) {
  setKeyDown(-1, true);
  setKeyDown(KEY_COUNT, true);
  setKeyDown(KEY_ESCAPE + KEY_COUNT, true);  // must not wrap onto Escape
  EXPECT_FALSE(isKeyDown(-1));
  EXPECT_FALSE(isKeyDown(KEY_COUNT));
  EXPECT_FALSE(isKeyDown(KEY_ESCAPE));
}

extern "C" void holdEscape(int) { setKeyDown(KEY_ESCAPE, true); }

TEST_F(KeyStateTest, ASignalHandlerCanHoldEscapeDown) {
  struct sigaction action {};
  struct sigaction previous {};
  action.sa_handler = holdEscape;
  sigemptyset(&action.sa_mask);
  ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);
  raise(SIGUSR1);
  sigaction(SIGUSR1, &previous, nullptr);
  EXPECT_TRUE(isKeyDown(KEY_ESCAPE));
}

}  // namespace
}  // namespace platform
