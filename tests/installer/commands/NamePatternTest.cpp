// The name patterns of the file commands: matching source names and mapping them to destination names.

#include <gtest/gtest.h>

#include <string>

#include "installer/commands/NamePatterns.h"

namespace installer {
namespace {

struct MatchCase {
  const char* pattern;
  const char* candidate;
  bool matches;
};

constexpr MatchCase kMatchCases[] = {
    {"*.*", "README.TXT", true},
    {"*.*", "README", true},  // a name without a dot is every name's too
    {"*.*", "archive.tar.gz", true},
    {"*.TXT", "readme.txt", true},  // letter case does not count
    {"*.TXT", "README.DOC", false},
    {"*.TXT", "README", false},
    {"*.GZ", "archive.tar.gz", true},  // the star before the last dot takes the name up to its last dot
    {"*.TAR", "archive.tar.gz", false},
    {"README.*", "README", true},
    {"README.*", "README.TXT", true},
    {"README.TXT", "README.TXT", true},
    {"README.TXT", "README.TXT2", false},
    {"README.TXT", "READ.TXT", false},
    {"R*", "README.TXT", true},  // without a dot a star takes the rest
    {"*", "README.TXT", true},
    {"A?.TXT", "AB.TXT", false},  // "?" is no wildcard: it matches only itself
    {"A?.TXT", "A?.TXT", true},
    {"C:\\SRC\\*.TXT", "D:\\OTHER\\A.TXT", true},  // directories are not compared
    {"*.T*", "A.TXT", true},
    {"MAKEFILE", "Makefile", true},
};

TEST(FileMatchName, Table) {
  for (const MatchCase& c : kMatchCases) {
    EXPECT_EQ(matchName(c.pattern, c.candidate), c.matches) << c.pattern << " against " << c.candidate;
  }
}

struct MapCase {
  const char* destination;
  const char* source;
  const char* mapped;
};

constexpr MapCase kMapCases[] = {
    {"C:\\DST\\*.BAK", "README.TXT", "C:\\DST\\README.BAK"},
    {"C:\\DST\\*.*", "README.TXT", "C:\\DST\\README.TXT"},
    {"C:\\DST\\*.*", "README", "C:\\DST\\README"},  // no trailing dot, as Windows names have none
    {"C:\\DST\\*.*", "archive.tar.gz", "C:\\DST\\archive.tar.gz"},
    {"C:\\DST\\NEW.TXT", "README.TXT", "C:\\DST\\NEW.TXT"},
    {"C:\\DST\\", "README.TXT", "C:\\DST\\README.TXT"},  // an empty name pattern keeps the source name
    {"C:\\APP", "README.TXT", "C:\\APP"},  // no backslash: a file named after the directory
    {"C:\\DST\\*", "README.TXT", "C:\\DST\\README.TXT"},
    {"C:\\DST\\X*.TXT", "README.DOC", "C:\\DST\\XEADME.TXT"},  // other characters replace the source's
    {"C:\\DST\\*.B", "README.TXT", "C:\\DST\\README.B"},
    {"C:\\DST\\*.", "README.TXT", "C:\\DST\\README"},
    {"DST\\*.OLD", "a.txt", "DST\\a.OLD"},
};

TEST(FileMapName, Table) {
  for (const MapCase& c : kMapCases) {
    EXPECT_EQ(mapName(c.destination, c.source), c.mapped) << c.destination << " for " << c.source;
  }
}

TEST(FileNameParts, SplitAtTheLastSeparatorOrDriveColon) {
  EXPECT_EQ(fileNamePart("C:\\A\\B.TXT"), "B.TXT");
  EXPECT_EQ(directoryPart("C:\\A\\B.TXT"), "C:\\A\\");
  EXPECT_EQ(fileNamePart("C:B.TXT"), "B.TXT");
  EXPECT_EQ(directoryPart("C:B.TXT"), "C:");
  EXPECT_EQ(fileNamePart("B.TXT"), "B.TXT");
  EXPECT_EQ(directoryPart("B.TXT"), "");
}

}  // namespace
}  // namespace installer
