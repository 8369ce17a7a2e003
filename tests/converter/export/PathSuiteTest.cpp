// The host's path suite as a plug-in reads it: segments, flags, and the errors of bad handles and ranges.

#include "host/sdk/PathSuite.h"

#include <gtest/gtest.h>

#include "PathTestHost.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/PluginFrame.h"

namespace converter {
namespace {

using test::PathTestHost;

TEST(PathSuite, ReadsSegmentsAndFlagsAndRefusesWhatIsNoPath) {
  PathTestHost host;
  const PathSuite* paths = plugin::pluginFrame().suites().get<PathSuite>();
  ASSERT_NE(paths, nullptr);
  std::vector<host::PathSegment> segments{test::corner(1, 2), test::smooth({3, 4}, {5, 6}, {7, 8}),
                                          test::corner(9, 10)};
  ArtHandle path = host.addPath(segments, true, test::strokedStyle());

  int16_t count = 0;
  ASSERT_EQ(paths->getPathSegmentCount(path, &count), HOST_NO_ERROR);
  EXPECT_EQ(count, 3);
  HostPathSegment read[2]{};
  ASSERT_EQ(paths->getPathSegments(path, 1, 2, read), HOST_NO_ERROR);
  EXPECT_EQ(read[0].p.h, 3);
  EXPECT_EQ(read[0].in.v, 6);
  EXPECT_EQ(read[0].out.h, 7);
  EXPECT_EQ(read[0].corner, 0);
  EXPECT_EQ(read[1].p.v, 10);
  EXPECT_EQ(read[1].corner, 1);
  HostBool closed = 0;
  HostBool guide = 1;
  ASSERT_EQ(paths->getPathClosed(path, &closed), HOST_NO_ERROR);
  ASSERT_EQ(paths->getPathGuide(path, &guide), HOST_NO_ERROR);
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(guide, 0);

  struct Range {
    int16_t first;
    int16_t count;
  };
  for (Range range : {Range{2, 2}, Range{-1, 1}, Range{0, -1}, Range{3, 1}}) {
    HostPathSegment untouched[2]{};
    untouched[0].p.h = 42;
    EXPECT_EQ(paths->getPathSegments(path, range.first, range.count, untouched), HOST_BAD_PARAMETER)
        << range.first << " " << range.count;
    EXPECT_EQ(untouched[0].p.h, 42);
  }
  EXPECT_EQ(paths->getPathSegments(path, 0, 1, nullptr), HOST_BAD_PARAMETER);
  EXPECT_EQ(paths->getPathSegmentCount(path, nullptr), HOST_BAD_PARAMETER);

  host::Art* compound = host.addCompoundPath();
  EXPECT_EQ(paths->getPathSegmentCount(reinterpret_cast<ArtHandle>(compound), &count), HOST_BAD_HANDLE);
  int notArt = 0;
  EXPECT_EQ(paths->getPathClosed(reinterpret_cast<ArtHandle>(&notArt), &closed), HOST_BAD_HANDLE);
}

}  // namespace
}  // namespace converter
