// Paths from a host document written as DXF entities: the shapes the converter knows (rectangles, circles,
// straight Beziers, curves), the three line-conversion modes, the vertex limit, line types and solid fills.

#include "converter/export/PathConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "PathTestHost.h"
#include "converter/export/DxfEntities.h"

namespace converter {
namespace {

using test::corner;
using test::countOf;
using test::dxfPairs;
using test::entityTypes;
using test::PathRecords;
using test::PathTestHost;
using test::smooth;
using test::writtenEntities;
using test::WrittenEntity;

constexpr double kEighthTurnBulge = 0.41421356237309503;  // tan(π/8): a quarter circle

/// The options of these tests: no rewriting of the vertices unless a test asks for it.
plugin::ConverterOptions plainOptions() {
  plugin::ConverterOptions options = plugin::defaultConverterOptions();
  options.fuselnfix = 0;
  options.fusesmoth = 0;
  return options;
}

/// The vertices (x, y, bulge) of the VERTEX entities from index first to the next SEQEND.
std::vector<PolyVertex> verticesFrom(const std::vector<WrittenEntity>& entities, size_t first) {
  std::vector<PolyVertex> vertices;
  for (size_t index = first; index < entities.size() && entities[index].type == "VERTEX"; ++index) {
    const WrittenEntity& vertex = entities[index];
    vertices.push_back({vertex.real(10), vertex.real(20), vertex.has(42) ? vertex.real(42) : 0.0});
  }
  return vertices;
}

/// A path through the points, every anchor a corner.
std::vector<host::PathSegment> polygon(const std::vector<std::pair<float, float>>& points) {
  std::vector<host::PathSegment> segments;
  for (auto [x, y] : points) segments.push_back(corner(x, y));
  return segments;
}

/// The S-curve of two Bezier segments from (0, 0) over (50, 0) to (100, 0).
std::vector<host::PathSegment> sCurve() {
  return {smooth({0, 0}, {0, 0}, {10, 40}), smooth({50, 0}, {40, -40}, {60, 40}),
          smooth({100, 0}, {90, -40}, {100, 0})};
}

class PathConversion : public ::testing::Test {
 protected:
  PathTestHost host;
};

TEST_F(PathConversion, ARectangleIsOneClosedPolylineOfFourVertices) {
  ArtHandle path = host.addPath(polygon({{0, 0}, {100, 0}, {100, 50}, {0, 50}}), true, test::strokedStyle());
  PathRecords records(plainOptions());
  ASSERT_EQ(writePath(records.writer(), path, ExportMode::ENTITIES, "LAYER_1"), 0);
  std::vector<WrittenEntity> entities = writtenEntities(records.text());
  ASSERT_EQ(entityTypes(entities), "POLYLINE VERTEX VERTEX VERTEX VERTEX SEQEND");
  EXPECT_EQ(entities[0].values(70), std::vector<std::string>{"1"});
  EXPECT_EQ(entities[0].values(8), std::vector<std::string>{"LAYER_1"});
  EXPECT_DOUBLE_EQ(entities[0].real(40), 1.0);  // a 1 point stroke: width code 100
  std::vector<PolyVertex> vertices = verticesFrom(entities, 1);
  const double expected[4][2] = {{0, 0}, {100, 0}, {100, 50}, {0, 50}};
  for (size_t index = 0; index < 4; ++index) {
    EXPECT_DOUBLE_EQ(vertices[index].x, expected[index][0]) << index;
    EXPECT_DOUBLE_EQ(vertices[index].y, expected[index][1]) << index;
    EXPECT_EQ(vertices[index].bulge, 0) << index;
  }
}

TEST_F(PathConversion, AFourBezierCircleIsACircleOrAClosedPolylineOfQuarterArcs) {
  ArtHandle path = host.addPath(test::circleSegments(30, 40, 25), true, test::strokedStyle());
  {
    PathRecords records(plugin::defaultConverterOptions());
    ASSERT_EQ(writePath(records.writer(), path, ExportMode::ENTITIES, ""), 0);
    std::vector<WrittenEntity> entities = writtenEntities(records.text());
    ASSERT_EQ(entityTypes(entities), "CIRCLE");
    EXPECT_NEAR(entities[0].real(10), 30, 1e-4);
    EXPECT_NEAR(entities[0].real(20), 40, 1e-4);
    EXPECT_NEAR(entities[0].real(40), 25, 1e-4);
  }
  plugin::ConverterOptions options = plugin::defaultConverterOptions();  // smoothing and optimization on
  options.fuseCircle = 0;
  PathRecords records(options);
  ASSERT_EQ(writePath(records.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(records.text());
  ASSERT_EQ(entityTypes(entities), "POLYLINE VERTEX VERTEX VERTEX VERTEX SEQEND");
  EXPECT_EQ(entities[0].values(70), std::vector<std::string>{"1"});
  for (const PolyVertex& vertex : verticesFrom(entities, 1)) EXPECT_NEAR(vertex.bulge, kEighthTurnBulge, 1e-6);
}

TEST_F(PathConversion, ABezierWithItsHandlesOnTheChordIsStraight) {
  std::vector<host::PathSegment> segments{smooth({0, 0}, {0, 0}, {30, 10}), smooth({90, 30}, {60, 20}, {90, 30})};
  ArtHandle path = host.addPath(segments, false, test::strokedStyle());
  plugin::ConverterOptions options = plainOptions();
  options.polyMode = plugin::POLY_MODE_LINE_AND_ARC;
  PathRecords lines(options);
  ASSERT_EQ(writePath(lines.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(lines.text());
  ASSERT_EQ(entityTypes(entities), "LINE");
  EXPECT_EQ(entities[0].real(11), 90);
  EXPECT_EQ(entities[0].real(21), 30);

  PathRecords polyline(plainOptions());
  ASSERT_EQ(writePath(polyline.writer(), path, ExportMode::ENTITIES, ""), 0);
  EXPECT_EQ(entityTypes(writtenEntities(polyline.text())), "POLYLINE VERTEX VERTEX SEQEND");
}

TEST_F(PathConversion, AnSCurveInLineModeIsLinesOrArcs) {
  ArtHandle path = host.addPath(sCurve(), false, test::strokedStyle());
  plugin::ConverterOptions options = plainOptions();
  options.polyMode = plugin::POLY_MODE_LINE_AND_ARC;
  PathRecords lines(options);
  ASSERT_EQ(writePath(lines.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(lines.text());
  EXPECT_EQ(entities.size(), 2u * 64u);  // 64 steps per segment
  for (const WrittenEntity& entity : entities) EXPECT_EQ(entity.type, "LINE");
  // Consecutive lines join.
  for (size_t index = 1; index < entities.size(); ++index) {
    EXPECT_EQ(entities[index].real(10), entities[index - 1].real(11));
    EXPECT_EQ(entities[index].real(20), entities[index - 1].real(21));
  }

  options.fusesmoth = 1;  // arc smoothing refits the flattened points with arcs
  PathRecords smoothed(options);
  ASSERT_EQ(writePath(smoothed.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> refitted = writtenEntities(smoothed.text());
  ASSERT_FALSE(refitted.empty());
  for (const WrittenEntity& entity : refitted) {
    EXPECT_TRUE(entity.type == "ARC" || entity.type == "LINE") << entity.type;
  }
  EXPECT_LT(refitted.size(), entities.size());
}

TEST_F(PathConversion, PathsThatDrawNothingWriteNothing) {
  host::PathData guidePath;
  ASSERT_TRUE(guidePath.assignSegments(polygon({{0, 0}, {10, 10}})));
  guidePath.setGuide(true);
  platform::Result<host::Art*> guide =
      host.document().newPath(host::PaintOrder::PLACE_ABOVE_ALL, nullptr, guidePath, test::strokedStyle());
  ASSERT_TRUE(guide);
  const ArtHandle paths[] = {
      host.addPath(polygon({{5, 5}, {5, 5}}), false, test::strokedStyle()),  // its extent is one point
      host.addPath(polygon({{5, 5}}), false, test::strokedStyle()),          // one segment
      reinterpret_cast<ArtHandle>(*guide),
  };
  for (ArtHandle path : paths) {
    PathRecords records(plainOptions());
    EXPECT_EQ(writePath(records.writer(), path, ExportMode::ENTITIES, ""), 0);
    EXPECT_EQ(records.text(), "");
  }
}

TEST_F(PathConversion, APathThatIsNoPathIsAHostError) {
  host::Art* compound = host.addCompoundPath();
  PathRecords records(plainOptions());
  EXPECT_NE(writePath(records.writer(), reinterpret_cast<ArtHandle>(compound), ExportMode::ENTITIES, ""), 0);
  EXPECT_EQ(records.text(), "");
}

/// A zigzag of count corner anchors, none of them on a line with its neighbours.
std::vector<host::PathSegment> zigzag(int count) {
  std::vector<host::PathSegment> segments;
  for (int index = 0; index < count; ++index) {
    segments.push_back(corner(static_cast<float>(index), index % 2 == 0 ? 0.0f : 5.0f));
  }
  return segments;
}

TEST_F(PathConversion, ALongPolylineIsWrittenInPiecesSharingAVertex) {
  ArtHandle path = host.addPath(zigzag(600), false, test::strokedStyle());
  // A limit that cannot split (below 2) counts as the default 512.
  for (int16_t limit : {512, 0, -3}) {
    plugin::ConverterOptions options = plainOptions();
    options.vertexLimit = limit;
    PathRecords records(options);
    ASSERT_EQ(writePath(records.writer(), path, ExportMode::ENTITIES, ""), 0);
    std::vector<WrittenEntity> entities = writtenEntities(records.text());
    ASSERT_EQ(entities[0].type, "POLYLINE");
    std::vector<PolyVertex> first = verticesFrom(entities, 1);
    size_t second = 1 + first.size() + 1;
    ASSERT_EQ(entities[second].type, "POLYLINE");
    std::vector<PolyVertex> rest = verticesFrom(entities, second + 1);
    EXPECT_EQ(entities.size(), second + 1 + rest.size() + 1);
    EXPECT_EQ(first.size(), 301u);
    EXPECT_EQ(rest.size(), 300u);
    EXPECT_EQ(first.back().x, rest.front().x);  // the shared vertex
    EXPECT_EQ(first.back().y, rest.front().y);
    EXPECT_EQ(rest.back().x, 599);
    EXPECT_FALSE(entities[0].has(70));
  }
}

TEST_F(PathConversion, AClosedPathInPiecesEndsOnItsFirstVertex) {
  // A closed zigzag whose closing segment is an arc: the last vertex keeps its bulge back to the first.
  std::vector<host::PathSegment> segments = zigzag(700);
  ArtHandle path = host.addPath(segments, true, test::strokedStyle());
  plugin::ConverterOptions options = plainOptions();
  options.vertexLimit = 256;
  PathRecords records(options);
  ASSERT_EQ(writePath(records.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(records.text());
  std::vector<std::vector<PolyVertex>> pieces;
  for (size_t index = 0; index < entities.size(); ++index) {
    if (entities[index].type != "POLYLINE") continue;
    EXPECT_FALSE(entities[index].has(70));  // pieces are open
    pieces.push_back(verticesFrom(entities, index + 1));
  }
  // 700 vertices in pieces of at most 256: p = 699 / 255 + 1 = 3, m = 699 / 3 + 1 = 234.
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].size(), 235u);
  EXPECT_EQ(pieces[1].size(), 235u);
  EXPECT_EQ(pieces[2].size(), 700u - 2 * 234u + 1u);
  for (size_t piece = 1; piece < pieces.size(); ++piece) {
    EXPECT_EQ(pieces[piece - 1].back().x, pieces[piece].front().x);
    EXPECT_EQ(pieces[piece - 1].back().bulge, 0);
  }
  EXPECT_EQ(pieces.back().back().x, 0);  // back on the first vertex
  EXPECT_EQ(pieces.back().back().y, 0);
  EXPECT_EQ(pieces.back()[pieces.back().size() - 2].x, 699);
}

TEST_F(PathConversion, PolylineAndArcModeSplitsAtArcsWithoutRepeatingVertices) {
  // A line, a quarter circle around (100, 50), and a line.
  auto handle = static_cast<float>(50 * 0.5522847498);
  std::vector<host::PathSegment> segments{corner(0, 0), smooth({100, 0}, {100, 0}, {100 + handle, 0}),
                                          smooth({150, 50}, {150, 50 - handle}, {150, 50}), corner(150, 150)};
  ArtHandle path = host.addPath(segments, false, test::strokedStyle());
  plugin::ConverterOptions options = plainOptions();
  options.polyMode = plugin::POLY_MODE_POLYLINE_AND_ARC;
  PathRecords records(options);
  ASSERT_EQ(writePath(records.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(records.text());
  ASSERT_EQ(entityTypes(entities), "POLYLINE VERTEX VERTEX SEQEND ARC POLYLINE VERTEX VERTEX SEQEND");
  EXPECT_NEAR(entities[4].real(10), 100, 1e-3);
  EXPECT_NEAR(entities[4].real(20), 50, 1e-3);
  EXPECT_NEAR(entities[4].real(40), 50, 1e-3);
  EXPECT_NEAR(entities[4].real(50), 270, 1e-3);
  EXPECT_NEAR(entities[4].real(51), 360, 1e-3);
  EXPECT_EQ(entities[2].real(10), 100);
  EXPECT_EQ(entities[6].real(10), 150);
  EXPECT_EQ(entities[7].real(20), 150);

  // A path that ends on an arc leaves no polyline of a single vertex behind.
  std::vector<host::PathSegment> endsOnArc(segments.begin(), segments.begin() + 3);
  PathRecords arcEnd(options);
  ASSERT_EQ(writePath(arcEnd.writer(), host.addPath(endsOnArc, false, test::strokedStyle()), ExportMode::ENTITIES, ""),
            0);
  EXPECT_EQ(entityTypes(writtenEntities(arcEnd.text())), "POLYLINE VERTEX VERTEX SEQEND ARC");
}

TEST_F(PathConversion, DashPatternsAreRegisteredInTheLineTypePass) {
  host::PathStyle dashed = test::strokedStyle();
  const HostReal lengths[] = {6, 3, 2};
  platform::Result<host::DashPattern> pattern = host::DashPattern::make(0, lengths);
  ASSERT_TRUE(pattern);
  dashed.stroke.dash = *pattern;
  ArtHandle path = host.addPath(polygon({{0, 0}, {100, 0}, {100, 50}}), true, dashed);
  PathRecords records(plainOptions());

  ASSERT_EQ(writePath(records.writer(), path, ExportMode::LINE_TYPES, ""), 0);
  ASSERT_EQ(records.context().lineTypeCount, 1);
  std::vector<WrittenEntity> ltype = writtenEntities(records.text());
  ASSERT_EQ(entityTypes(ltype), "LTYPE");
  EXPECT_EQ(ltype[0].values(2), std::vector<std::string>{"AIGENLINE001"});
  // Registered once only.
  ASSERT_EQ(writePath(records.writer(), path, ExportMode::LINE_TYPES, ""), 0);
  EXPECT_EQ(records.context().lineTypeCount, 1);
  EXPECT_EQ(entityTypes(writtenEntities(records.text())), "LTYPE");

  PathRecords entitiesPass(plainOptions());
  entitiesPass.context().lineTypes = records.context().lineTypes;
  entitiesPass.context().lineTypeCount = 1;
  ASSERT_EQ(writePath(entitiesPass.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(entitiesPass.text());
  EXPECT_EQ(entities[0].values(6), std::vector<std::string>{"AIGENLINE001"});
  EXPECT_EQ(entities[0].values(70), std::vector<std::string>{"129"});  // pattern through the vertices, closed
}

TEST_F(PathConversion, APatternTheLineTypePassDidNotSeeIsWrittenSolid) {
  host::PathStyle dashed = test::strokedStyle();
  const HostReal lengths[] = {4, 4};
  dashed.stroke.dash = *host::DashPattern::make(0, lengths);
  ArtHandle path = host.addPath(polygon({{0, 0}, {100, 0}}), false, dashed);
  PathRecords records(plainOptions());
  ASSERT_EQ(writePath(records.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(records.text());
  ASSERT_EQ(entities[0].type, "POLYLINE");
  EXPECT_FALSE(entities[0].has(6));  // no AIGENLINE that the LTYPE table would lack
  EXPECT_EQ(records.context().lineTypeCount, 0);
}

TEST_F(PathConversion, FilledPathsGetAHatchAfterTheirEntities) {
  ArtHandle rectangle = host.addPath(polygon({{0, 0}, {100, 0}, {100, 50}, {0, 50}}), true, test::filledStyle());
  ArtHandle circle = host.addPath(test::circleSegments(0, 0, 10), true, test::filledStyle());
  PathRecords records(plainOptions());
  ASSERT_EQ(writePath(records.writer(), rectangle, ExportMode::ENTITIES, ""), 0);
  ASSERT_EQ(writePath(records.writer(), circle, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(records.text());
  ASSERT_EQ(entityTypes(entities), "POLYLINE VERTEX VERTEX VERTEX VERTEX SEQEND HATCH CIRCLE HATCH");
  // An unstroked path: its fill colour and the width code 14.
  EXPECT_EQ(entities[0].values(62), std::vector<std::string>{"1"});
  EXPECT_EQ(entities[0].values(40), std::vector<std::string>{"0.050000"});
  EXPECT_EQ(entities[6].values(62), std::vector<std::string>{"1"});
  EXPECT_EQ(entities[6].values(93), std::vector<std::string>{"     4"});
  EXPECT_EQ(entities[8].values(72), std::vector<std::string>{"     2"});  // a circular edge

  // Fills off, or a pattern fill: no HATCH.
  plugin::ConverterOptions noFills = plainOptions();
  noFills.fcnvFill = 0;
  PathRecords unfilled(noFills);
  ASSERT_EQ(writePath(unfilled.writer(), rectangle, ExportMode::ENTITIES, ""), 0);
  EXPECT_EQ(entityTypes(writtenEntities(unfilled.text())), "POLYLINE VERTEX VERTEX VERTEX VERTEX SEQEND");
}

TEST_F(PathConversion, ACompoundPathsFirstMemberWritesTheCompoundHatch) {
  host::Art* compound = host.addCompoundPath();
  ArtHandle outer =
      host.addPath(polygon({{0, 0}, {100, 0}, {100, 100}, {0, 100}}), true, test::filledStyle(), compound);
  ArtHandle inner = host.addPath(test::circleSegments(50, 50, 20), true, test::filledStyle(), compound);
  PathRecords records(plainOptions());
  // The traversal reaches the members from the last child back: the square, added first and so behind the
  // circle, then the circle, the first child, after which the hatch follows.
  ASSERT_EQ(writePath(records.writer(), outer, ExportMode::ENTITIES, ""), 0);
  ASSERT_EQ(writePath(records.writer(), inner, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(records.text());
  ASSERT_EQ(entityTypes(entities), "POLYLINE VERTEX VERTEX VERTEX VERTEX SEQEND CIRCLE HATCH");
  const WrittenEntity& hatch = entities.back();
  EXPECT_EQ(hatch.values(91), std::vector<std::string>{"     2"});
  EXPECT_EQ(hatch.values(92), (std::vector<std::string>{"     1", "     2"}));  // from the first child: circle, square
  EXPECT_EQ(hatch.values(93), (std::vector<std::string>{"     1", "     4"}));
  EXPECT_EQ(hatch.values(62), std::vector<std::string>{"1"});

  plugin::ConverterOptions arcs = plainOptions();
  arcs.polyMode = plugin::POLY_MODE_POLYLINE_AND_ARC;  // compound fills only in polyline mode
  PathRecords noHatch(arcs);
  ASSERT_EQ(writePath(noHatch.writer(), inner, ExportMode::ENTITIES, ""), 0);
  EXPECT_EQ(countOf(dxfPairs(records.text()), {0, "HATCH"}), 1u);
  EXPECT_EQ(countOf(dxfPairs(noHatch.text()), {0, "HATCH"}), 0u);
}

TEST_F(PathConversion, AVeryLongCurvedPathIsWrittenWhole) {
  // 2000 curved segments flattened at 128 steps: far more vertices than any fixed buffer of the format holds.
  std::vector<host::PathSegment> segments;
  for (int index = 0; index < 2000; ++index) {
    auto x = static_cast<float>(index * 10);
    segments.push_back(smooth({x, 0}, {x - 3, -4}, {x + 3, 4}));
  }
  ArtHandle path = host.addPath(segments, false, test::strokedStyle());
  PathRecords flattened(plainOptions());
  plugin::fillBezierWeights(flattened.context().bezierWeights, 128);
  ASSERT_EQ(writePath(flattened.writer(), path, ExportMode::ENTITIES, ""), 0);
  std::vector<WrittenEntity> entities = writtenEntities(flattened.text());
  size_t vertices = 0;
  size_t polylines = 0;
  for (const WrittenEntity& entity : entities) {
    vertices += entity.type == "VERTEX" ? 1 : 0;
    polylines += entity.type == "POLYLINE" ? 1 : 0;
  }
  const size_t total = 1999 * 128 + 1;
  // Pieces of at most 512 vertices, each sharing its last vertex with the next.
  EXPECT_EQ(vertices, total + polylines - 1);
  EXPECT_EQ(polylines, (total - 1) / 511 + 1);
}

}  // namespace
}  // namespace converter
