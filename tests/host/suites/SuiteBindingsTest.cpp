// Suite bindings seen from a plug-in's side: text handed over in the system code page, custom colours and
// point arithmetic.

#include <gtest/gtest.h>

#include <string>

#include "host/Host.h"
#include "host/sdk/CustomColorSuite.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/RealMathSuite.h"
#include "host/sdk/SuiteNames.h"
#include "host/sdk/TextEngineSuites.h"
#include "host/sdk/TextFrameSuite.h"
#include "host/text/TextEditing.h"
#include "tests/platform/TestSupport.h"

namespace host {
namespace {

/// A suite's table as a plug-in acquires it; released when the test ends.
template <class Suite>
class Acquired {
public:
  Acquired(Host& running, const char* name, int32_t version) : running(running), name(name), version(version) {
    const void* table = nullptr;
    EXPECT_EQ(running.suites().acquire(name, version, &table), HOST_NO_ERROR) << name;
    suite = static_cast<const Suite*>(table);
  }
  ~Acquired() { EXPECT_EQ(running.suites().release(name, version), HOST_NO_ERROR); }
  const Suite* operator->() const { return suite; }

private:
  Host& running;
  const char* name;
  int32_t version;
  const Suite* suite = nullptr;
};

TEST(TextInTheSystemCodePage, RangeContentsAreConvertedAndCutBetweenCharacters) {
  platform::test::ScopedEnvironment environment;
  Host running;
  platform::Result<TextFrameData> data = makePointText({0, 0}, "アイ図x");
  ASSERT_TRUE(data.ok());
  platform::Result<Art*> frame = newTextFrame(running.document(), PaintOrder::PLACE_ABOVE_ALL, nullptr, *data);
  ASSERT_TRUE(frame.ok());
  Acquired<TextFrameSuite> frames(running, SUITE_TEXT_FRAME, TEXT_FRAME_SUITE_VERSION);
  Acquired<AteTextRangeSuite> ranges(running, "ATE TextRange Suite", TEXT_ENGINE_SUITE_VERSION);
  TextRangeRef range = nullptr;
  ASSERT_EQ(frames->getATETextRange(reinterpret_cast<ArtHandle>(*frame), &range), HOST_NO_ERROR);

  struct Case {
    const char* codePage;
    int32_t capacity;
    std::string expected;
    int32_t fullLength;
  };
  // Shift-JIS: ア 83 41, イ 83 43, 図 90 7D; the second bytes 41, 43 and 7D look like ASCII letters, so a cut
  // that only looks at bytes would split a character.
  const Case cases[] = {
      {"932", 64, "\x83\x41\x83\x43\x90\x7D" "x", 7},
      {"932", 4, "\x83\x41", 7},
      {"932", 6, "\x83\x41\x83\x43", 7},
      {"932", 7, "\x83\x41\x83\x43\x90\x7D", 7},
      {"949", 64, "\xAB\xA2\xAB\xA4?x", 6},  // code page 949 has the katakana, not the Japanese form of 図
      {"1252", 64, "???x", 4},                     // characters the code page lacks are "?"
      {"1252", 3, "??", 4},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(std::string(test.codePage) + " " + std::to_string(test.capacity));
    environment.set("PLATFORM_CODEPAGE", test.codePage);
    std::string buffer(static_cast<size_t>(test.capacity), '\xEE');
    int32_t length = 0;
    ASSERT_EQ(ranges->getContents(range, buffer.data(), test.capacity, &length), HOST_NO_ERROR);
    EXPECT_EQ(std::string(buffer.c_str()), test.expected);
    EXPECT_EQ(length, test.fullLength);
  }
  EXPECT_EQ(ranges->release(range), HOST_NO_ERROR);
}

TEST(CustomColorSuiteBinding, TheDocumentsCustomColours) {
  Host running;
  Acquired<CustomColorSuite> colors(running, SUITE_CUSTOM_COLOR, CUSTOM_COLOR_SUITE_VERSION);
  HostCustomColor process{};
  process.kind = CUSTOM_COLOR_KIND_FOUR;
  process.c.four = {0.1f, 0.2f, 0.3f, 0.4f};
  CustomColorHandle made = nullptr;
  ASSERT_EQ(colors->newCustomColor(&process, "Spot", &made), HOST_NO_ERROR);

  HostCustomColor read{};
  ASSERT_EQ(colors->getCustomColor(made, &read), HOST_NO_ERROR);
  EXPECT_EQ(read.kind, CUSTOM_COLOR_KIND_FOUR);
  EXPECT_FLOAT_EQ(read.c.four.black, 0.4f);
  char name[8] = {};
  ASSERT_EQ(colors->getCustomColorName(made, name, sizeof name), HOST_NO_ERROR);
  EXPECT_STREQ(name, "Spot");
  int32_t count = 0;
  ASSERT_EQ(colors->countCustomColors(&count), HOST_NO_ERROR);
  EXPECT_EQ(count, 1);
  CustomColorHandle first = nullptr;
  ASSERT_EQ(colors->getNthCustomColor(0, &first), HOST_NO_ERROR);
  EXPECT_EQ(first, made);

  // Refusals: a name taken, values out of range, an unknown kind, a handle of nothing, an index beyond.
  EXPECT_EQ(colors->newCustomColor(&process, "Spot", &made), HOST_DUPLICATE_NAME);
  HostCustomColor tooBright{};
  tooBright.kind = CUSTOM_COLOR_KIND_THREE;
  tooBright.c.three = {2, 0, 0};
  EXPECT_EQ(colors->newCustomColor(&tooBright, "Bright", &made), HOST_BAD_PARAMETER);
  HostCustomColor unknown{};
  unknown.kind = 7;
  EXPECT_EQ(colors->newCustomColor(&unknown, "Unknown", &made), HOST_BAD_PARAMETER);
  EXPECT_EQ(colors->getCustomColor(reinterpret_cast<CustomColorHandle>(&running), &read), HOST_BAD_HANDLE);
  EXPECT_EQ(colors->getNthCustomColor(1, &first), HOST_BAD_PARAMETER);
}

TEST(RealMathSuiteBinding, TransformAndConcatenate) {
  Host running;
  Acquired<RealMathSuite> math(running, SUITE_REAL_MATH, REAL_MATH_SUITE_VERSION);
  const HostRealMatrix turn{0, 1, -1, 0, 10, 20};  // a quarter turn anticlockwise, then a shift
  HostRealPoint point{3, 4};
  ASSERT_EQ(math->realMatrixTransformPoint(&turn, &point, &point), HOST_NO_ERROR);
  EXPECT_FLOAT_EQ(point.h, 6);
  EXPECT_FLOAT_EQ(point.v, 23);

  const HostRealMatrix scale{2, 0, 0, 2, 1, 1};
  HostRealMatrix both{};
  ASSERT_EQ(math->realMatrixConcatenate(&turn, &scale, &both), HOST_NO_ERROR);  // turn first, then scale
  HostRealPoint again{3, 4};
  ASSERT_EQ(math->realMatrixTransformPoint(&both, &again, &again), HOST_NO_ERROR);
  EXPECT_FLOAT_EQ(again.h, 13);
  EXPECT_FLOAT_EQ(again.v, 47);
  EXPECT_EQ(math->realMatrixTransformPoint(nullptr, &again, &again), HOST_BAD_PARAMETER);
}

}  // namespace
}  // namespace host
