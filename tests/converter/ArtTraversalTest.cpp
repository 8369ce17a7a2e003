// Whole documents through KELMO-Pro: which art becomes a block, where each block is inserted, what the TIIP
// variants do, and what is left out.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/sdk/ErrorCodes.h"
#include "tests/converter/ConverterSession.h"

namespace {

using converter::test::ConverterSession;
using converter::test::DxfContents;
using converter::test::readDxfContents;

/// An SVG page with one layer "Cut" holding body.
std::string drawing(const std::string& body) {
  return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape")"
         R"( width="200" height="200" viewBox="0 0 200 200"><g inkscape:groupmode="layer" inkscape:label="Cut">)" +
         body + "</g></svg>";
}

constexpr const char* kSquare = R"(<path d="M10 10 H60 V60 H10 Z" fill="none" stroke="black"/>)";

/// Converts body with the settings and reads the file back.
DxfContents convert(const std::string& settings, const std::string& body) {
  ConverterSession run;
  run.start(settings);
  EXPECT_TRUE(run.open(drawing(body)));
  EXPECT_EQ(run.save("out.dxf"), HOST_NO_ERROR);
  return readDxfContents(run.file("out.dxf"));
}

std::vector<std::string> blockNames(const DxfContents& contents) {
  std::vector<std::string> names;
  for (const auto& block : contents.blocks) names.push_back(block.name);
  return names;
}

TEST(ArtTraversal, APathOnALayerStandsInTheEntitiesWithoutBlocks) {
  DxfContents contents = convert("", kSquare);
  EXPECT_TRUE(contents.blocks.empty());
  EXPECT_EQ(contents.entityTypes(), "POLYLINE VERTEX VERTEX VERTEX VERTEX SEQEND");
  EXPECT_EQ(contents.entities.front().layer, "LAYER_1");
}

TEST(ArtTraversal, NestedGroupsBecomeBlocksDeepestFirst) {
  DxfContents contents = convert("", std::string("<g><g>") + kSquare + "</g></g>");
  ASSERT_EQ(blockNames(contents), (std::vector<std::string>{"AIGNBL01020003", "AIGNBL01010002"}));
  EXPECT_EQ(contents.blocks[0].entities.front().type, "POLYLINE");
  ASSERT_EQ(contents.blocks[1].entities.size(), 1u);
  EXPECT_EQ(contents.blocks[1].entities[0].type, "INSERT");
  EXPECT_EQ(contents.blocks[1].entities[0].block, "AIGNBL01020003");
  ASSERT_EQ(contents.entities.size(), 1u);
  EXPECT_EQ(contents.entities[0].block, "AIGNBL01010002");
  EXPECT_EQ(contents.entities[0].layer, "LAYER_1");
}

TEST(ArtTraversal, ACompoundPathIsABlockWithItsHatch) {
  DxfContents contents =
      convert("", R"(<path d="M0 0 H80 V80 H0 Z M20 20 H40 V40 H20 Z" fill="red" fill-rule="evenodd"/>)");
  ASSERT_EQ(blockNames(contents), std::vector<std::string>{"AIGNBL01010002"});
  std::string types;
  for (const auto& entity : contents.blocks[0].entities) {
    if (entity.type != "VERTEX") types += entity.type + " ";
  }
  EXPECT_EQ(types, "POLYLINE SEQEND POLYLINE SEQEND HATCH ");
  EXPECT_EQ(contents.entityTypes(), "INSERT");
}

TEST(ArtTraversal, TiipAgmsWritesTheWholeDrawingAsOneBlockOnLayerOne) {
  DxfContents contents = convert("ftiipcomp = 2\n", std::string("<g>") + kSquare + "</g>" + kSquare);
  ASSERT_EQ(blockNames(contents), std::vector<std::string>{"AIGNBL00010001"});
  for (const auto& entity : contents.blocks[0].entities) {
    if (entity.type != "SEQEND") {  // SEQEND carries no layer
      EXPECT_EQ(entity.layer, "1") << entity.type;
    }
  }
  ASSERT_EQ(contents.entities.size(), 1u);
  EXPECT_EQ(contents.entities[0].type, "INSERT");
  EXPECT_EQ(contents.entities[0].block, "AIGNBL00010001");
  EXPECT_EQ(contents.entities[0].layer, "1");
}

TEST(ArtTraversal, TiipCreacompoWritesEverythingInlineOnLayerOneWithoutArcs) {
  // A half circle: two circular quarter segments, which this variant writes as straight pieces.
  DxfContents contents = convert("ftiipcomp = 3\n", std::string("<g>") + kSquare +
                                                        R"(<path d="M100 100 A40 40 0 0 1 180 100" fill="none" stroke="black"/>)" +
                                                        "</g>");
  EXPECT_TRUE(contents.blocks.empty());
  ASSERT_FALSE(contents.entities.empty());
  for (const auto& entity : contents.entities) {
    if (entity.type != "SEQEND") {
      EXPECT_EQ(entity.layer, "1") << entity.type;
    }
    EXPECT_NE(entity.type, "ARC");
    EXPECT_NE(entity.type, "INSERT");
  }
}

TEST(ArtTraversal, TheGroupTableHoldsAtMost4096Groups) {
  // The layer's own group is the first entry: of 4100 groups on it, the 4095 top-most are written.
  std::string groups;
  for (int index = 0; index < 4100; ++index) groups += std::string("<g>") + kSquare + "</g>";
  DxfContents contents = convert("", groups);
  EXPECT_EQ(contents.blocks.size(), 4095u);
  EXPECT_EQ(contents.entities.size(), 4095u);
}

TEST(ArtTraversal, AClippingPathIsLeftOutUnlessMasksAreConverted) {
  const std::string clipped = R"(<defs><clipPath id="c"><rect width="30" height="30"/></clipPath></defs>)"
                              R"svg(<g clip-path="url(#c)">)svg" + std::string(kSquare) + "</g>";
  auto polylines = [](const DxfContents& contents) {
    int count = 0;
    for (const auto& block : contents.blocks) {
      for (const auto& entity : block.entities) count += entity.type == "POLYLINE" ? 1 : 0;
    }
    return count;
  };
  EXPECT_EQ(polylines(convert("fcnvMask = 0\n", clipped)), 1);
  EXPECT_EQ(polylines(convert("fcnvMask = 1\n", clipped)), 2);
}

TEST(ArtTraversal, DashedPathsInsideInlineGroupsHaveTheirLineTypes) {
  const std::string dashed = R"(<g><g><path d="M0 0 H50" stroke="black" stroke-dasharray="6 3"/></g></g>)";
  for (const char* settings : {"ftiipcomp = 1\n", "ftiipcomp = 3\n"}) {
    DxfContents contents = convert(settings, dashed);
    EXPECT_NE(std::find(contents.lineTypes.begin(), contents.lineTypes.end(), "AIGENLINE001"), contents.lineTypes.end())
        << settings;
  }
}

}  // namespace
