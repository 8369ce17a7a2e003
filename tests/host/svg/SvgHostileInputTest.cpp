// Files made to hurt a reader: entities that would expand or read other files, nesting far beyond any
// drawing, numbers at the ends of the range. Each ends in a located error or a document whose every
// coordinate is finite, with memory bounded.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/document/Art.h"
#include "host/document/Document.h"
#include "host/svg/SvgErrors.h"
#include "host/svg/SvgReader.h"
#include "host/svg/SvgSource.h"
#include "host/svg/SvgWriter.h"
#include "tests/host/svg/SvgTestSupport.h"

namespace host::svg {
namespace {

using testing::allArt;
using testing::readSnippet;

constexpr const char* kSvgOpen = R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">)";

/// Every coordinate of the document's paths is finite, and so are the page's values.
void expectFinite(const Document& document) {
  for (const Art* art : allArt(document)) {
    for (const PathSegment& segment : art->path().segments()) {
      for (HostReal value : {segment.p.h, segment.p.v, segment.in.h, segment.in.v, segment.out.h, segment.out.v}) {
        ASSERT_TRUE(std::isfinite(value)) << art->name();
      }
    }
    EXPECT_TRUE(std::isfinite(art->style().stroke.width));
  }
  EXPECT_GT(document.pageSetup().paper.right, 0);
  EXPECT_GT(document.pageSetup().paper.bottom, 0);
}

TEST(SvgHostileInput, EntitiesAreNeitherExpandedNorFollowedToFiles) {
  const std::filesystem::path secret = std::filesystem::temp_directory_path() / "svg-entity-secret.txt";
  std::ofstream(secret) << "the secret";
  // Nine levels of ten: expanded, a billion bytes; and an entity that names a file.
  std::string doctype = "<!DOCTYPE svg [<!ENTITY lol0 \"lol\">";
  for (int level = 1; level < 10; ++level) {
    doctype += "<!ENTITY lol" + std::to_string(level) + " \"";
    for (int copy = 0; copy < 10; ++copy) doctype += "&lol" + std::to_string(level - 1) + ";";
    doctype += "\">";
  }
  doctype += "<!ENTITY secret SYSTEM \"file://" + secret.string() + "\">]>";
  const std::string svg = doctype + kSvgOpen + "<text x=\"1\" y=\"10\">&lol9;&secret;</text>" +
                          "<path inkscape:label=\"&lol9;\" d=\"M 0 0 L 1 1\"/></svg>";
  const platform::Result<SvgReadResult> result = readSnippet(svg);
  if (result) {
    for (const Art* art : allArt(*result->document)) {
      EXPECT_EQ(art->textFrame().text().find("the secret"), std::string::npos);
      EXPECT_LT(art->textFrame().text().size(), 100u) << "an entity was expanded";
      EXPECT_LT(art->name().size(), 100u) << "an entity was expanded";
    }
    EXPECT_EQ(formatSvg(*result->document).text.find("the secret"), std::string::npos);
  } else {
    EXPECT_EQ(result.error().where.rfind("snippet.svg", 0), 0u) << result.error().describe();
  }
  std::filesystem::remove(secret);
}

TEST(SvgHostileInput, AHundredThousandLevelsOfNestingAreCutOff) {
  std::string svg = kSvgOpen;
  for (int level = 0; level < 100'000; ++level) svg += "<g>";
  svg += R"(<rect width="1" height="1"/>)";
  for (int level = 0; level < 100'000; ++level) svg += "</g>";
  svg += "</svg>";
  const platform::Result<SvgReadResult> result = readSnippet(svg);
  ASSERT_TRUE(result) << result.error().describe();
  EXPECT_EQ(testing::diagnosticCount(result->diagnostics, SvgDiagnosticCode::NESTING_TOO_DEEP, "g"), 1);
  EXPECT_FALSE(formatSvg(*result->document).text.empty());
}

TEST(SvgHostileInput, NumbersAtTheEndsOfTheRangeGiveAnErrorOrFiniteArt) {
  struct NumberCase {
    const char* description;
    std::string svg;
  };
  auto page = [](const std::string& attributes) {
    return R"(<svg xmlns="http://www.w3.org/2000/svg" )" + attributes + R"(><path d="M 0 0 L 10 10"/></svg>)";
  };
  auto body = [](const std::string& content) { return std::string(kSvgOpen) + content + "</svg>"; };
  const NumberCase cases[] = {
      {"page width 1e308", page(R"svg(width="1e308" height="100")svg")},
      {"page height Inf", page(R"svg(width="100" height="Inf")svg")},
      {"page width NaN", page(R"svg(width="NaN" height="100")svg")},
      {"viewBox of 1e308", page(R"svg(viewBox="0 0 1e308 1e308")svg")},
      {"viewBox of 1e308 with one side", page(R"svg(height="16" viewBox="0 0 1e308 16")svg")},
      {"tiny viewBox", page(R"svg(width="100" height="100" viewBox="0 0 1e-308 1e-308")svg")},
      {"coordinates 1e308", body(R"svg(<path d="M 1e308 1e308 L -1e308 0"/>)svg")},
      {"coordinates beyond a double", body(R"svg(<path d="M 1e999 0 L 0 0"/>)svg")},
      {"coordinates NaN", body(R"svg(<path d="M NaN 0 L 0 0"/>)svg")},
      {"rectangle of 1e308", body(R"svg(<rect x="1e308" width="1e308" height="1e308"/>)svg")},
      {"circle of radius 1e308", body(R"svg(<circle r="1e308"/>)svg")},
      {"stroke width 1e39", body(R"svg(<path d="M 0 0 L 1 1" stroke="black" stroke-width="1e39"/>)svg")},
      {"scaled by 1e308", body(R"svg(<g transform="scale(1e308)"><path d="M 1 1 L 2 2"/></g>)svg")},
      {"matrix of NaN", body(R"svg(<path transform="matrix(NaN 0 0 1 0 0)" d="M 1 1 L 2 2"/>)svg")},
      {"arc radii 1e308", body(R"svg(<path d="M 0 0 A 1e308 1e308 0 0 1 10 10"/>)svg")},
      {"dashes of 1e308", body(R"svg(<path d="M 0 0 L 1 1" stroke="black" stroke-dasharray="1e308 1e308"/>)svg")},
  };
  for (const NumberCase& testCase : cases) {
    SCOPED_TRACE(testCase.description);
    const platform::Result<SvgReadResult> result = readSnippet(testCase.svg);
    if (!result) {
      EXPECT_EQ(result.error().where.rfind("snippet.svg", 0), 0u) << result.error().describe();
      continue;
    }
    expectFinite(*result->document);
    const platform::Result<SvgReadResult> reread = readSvgBytes(formatSvg(*result->document).text, "written.svg");
    EXPECT_TRUE(reread) << reread.error().describe();
  }
}

TEST(SvgHostileInput, TooLargeAFileIsRefusedBeforeItIsRead) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "svg-too-large.svg";
  {
    std::ofstream stream(file, std::ios::binary);
    stream << kSvgOpen;
  }
  // A sparse file: the size is there, the disk blocks are not.
  std::filesystem::resize_file(file, kMaxSvgBytes + 1);
  const platform::Result<SvgReadResult> result = readSvgFile(file);
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().code, kSvgReadFailed);
  EXPECT_EQ(result.error().where, file.string());
  EXPECT_NE(result.error().message.find("larger than 512 MiB"), std::string::npos) << result.error().message;
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace host::svg
