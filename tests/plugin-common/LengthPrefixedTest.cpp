#include "plugin-common/LengthPrefixed.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(LengthPrefixed, RoundTripsTextsUpTo255Characters) {
  for (size_t length : {0u, 1u, 17u, 255u}) {
    std::string text(length, 'x');
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    unsigned char* prefixed = plugin::toLengthPrefixed(buffer.data());
    ASSERT_NE(prefixed, nullptr) << length;
    EXPECT_EQ(prefixed[0], length);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(prefixed + 1), length), text);
    EXPECT_EQ(std::string(plugin::toZeroTerminated(prefixed)), text);
  }
}

TEST(LengthPrefixed, RefusesTextsOf256CharactersAndLeavesThemAlone) {
  std::string text(256, 'y');
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  EXPECT_EQ(plugin::toLengthPrefixed(buffer.data()), nullptr);
  EXPECT_EQ(std::string(buffer.data()), text);
}

}  // namespace
