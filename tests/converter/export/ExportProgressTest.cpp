#include "converter/export/ExportProgress.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ExportTestSupport.h"
#include "platform/KeyState.h"

namespace converter {
namespace {

using test::RecordingPasses;

std::vector<std::string> progressOf(int16_t blockCount, int entriesDone) {
  auto context = std::make_unique<ExportContext>();
  context->blockCount = blockCount;
  RecordingPasses passes;
  for (int entry = 0; entry < entriesDone; ++entry) advanceProgress(*context, passes);
  EXPECT_EQ(context->blocksDone, entriesDone);
  return passes.calls;
}

TEST(ExportProgress, RedrawsOnlyWhenThePercentageChanges) {
  EXPECT_EQ(progressOf(4, 4), (std::vector<std::string>{"progress 25", "progress 50", "progress 75", "progress 100"}));
  EXPECT_EQ(progressOf(3, 3), (std::vector<std::string>{"progress 33", "progress 66", "progress 100"}));
  // 4096 entries move the bar 100 times, not 4096.
  std::vector<std::string> many = progressOf(4096, 4096);
  EXPECT_EQ(many.size(), 100u);
  EXPECT_EQ(many.front(), "progress 1");
  EXPECT_EQ(many.back(), "progress 100");
}

TEST(ExportProgress, EmptyTableHasNoFraction) { EXPECT_TRUE(progressOf(0, 3).empty()); }

class CancelKeysTest : public ::testing::Test {
protected:
  void SetUp() override { platform::releaseAllKeys(); }
  void TearDown() override { platform::releaseAllKeys(); }
};

TEST_F(CancelKeysTest, EscapeOrControlWithTheKeypadDecimalPoint) {
  EXPECT_FALSE(cancelRequested());
  platform::setKeyDown(platform::KEY_ESCAPE, true);
  EXPECT_TRUE(cancelRequested());
  platform::releaseAllKeys();

  platform::setKeyDown(platform::KEY_CONTROL, true);
  EXPECT_FALSE(cancelRequested()) << "Ctrl alone";
  platform::setKeyDown(platform::KEY_DECIMAL, true);
  EXPECT_TRUE(cancelRequested());
  platform::setKeyDown(platform::KEY_CONTROL, false);
  EXPECT_FALSE(cancelRequested()) << "the decimal point alone";
}

}  // namespace
}  // namespace converter
