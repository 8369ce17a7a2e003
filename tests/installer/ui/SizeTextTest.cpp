// Sizes as the pages show them.

#include <gtest/gtest.h>

#include "installer/ui/SizeText.h"

namespace installer {
namespace {

TEST(InstallerConfig, Sizes) {
  EXPECT_EQ(sizeColumn(0), "\t    0 KB");
  EXPECT_EQ(sizeColumn(1024), "\t 1024 KB");
  EXPECT_EQ(sizeColumn(1025), "\t  1.0 MB");
  EXPECT_EQ(sizeColumn(2048), "\t  2.0 MB");
  EXPECT_EQ(sizeColumn(150 * 1024), "\t150.0 MB");
}

}  // namespace
}  // namespace installer
