#include "SvgTestSupport.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <optional>

#include "host/document/ArtWalk.h"
#include "host/document/Layer.h"

namespace host::svg::testing {
namespace {

void expectColorNear(const Color& actual, const Color& expected, std::string_view what) {
  const std::optional<ThreeColor> a = toThreeColor(actual);
  const std::optional<ThreeColor> e = toThreeColor(expected);
  ASSERT_TRUE(a.has_value()) << what;
  ASSERT_TRUE(e.has_value()) << what;
  // Colours pass through 8-bit channels.
  EXPECT_NEAR(a->red, e->red, 0.5 / 255) << what;
  EXPECT_NEAR(a->green, e->green, 0.5 / 255) << what;
  EXPECT_NEAR(a->blue, e->blue, 0.5 / 255) << what;
}

void expectSameStyle(const PathStyle& actual, const PathStyle& expected, double tolerance) {
  EXPECT_EQ(actual.fill.paint, expected.fill.paint);
  EXPECT_EQ(actual.fill.evenOdd, expected.fill.evenOdd);
  if (expected.fill.paint) {
    expectColorNear(actual.fill.color, expected.fill.color, "fill");
  }
  EXPECT_EQ(actual.stroke.paint, expected.stroke.paint);
  if (!expected.stroke.paint) return;
  expectColorNear(actual.stroke.color, expected.stroke.color, "stroke");
  EXPECT_NEAR(actual.stroke.width, expected.stroke.width, tolerance);
  EXPECT_EQ(actual.stroke.cap, expected.stroke.cap);
  EXPECT_EQ(actual.stroke.join, expected.stroke.join);
  EXPECT_NEAR(actual.stroke.miterLimit, expected.stroke.miterLimit, tolerance);
  ASSERT_EQ(actual.stroke.dash.count(), expected.stroke.dash.count());
  EXPECT_NEAR(actual.stroke.dash.offset(), expected.stroke.dash.offset(), tolerance);
  for (std::int32_t index = 0; index < expected.stroke.dash.count(); ++index) {
    EXPECT_NEAR(actual.stroke.dash.lengths()[static_cast<std::size_t>(index)],
                expected.stroke.dash.lengths()[static_cast<std::size_t>(index)], tolerance);
  }
}

void expectSamePath(const PathData& actual, const PathData& expected, double tolerance) {
  EXPECT_EQ(actual.closed(), expected.closed());
  std::int32_t count = expected.segmentCount();
  // A closed path whose last anchor repeats its first is read back with that anchor merged into the first: it
  // draws the same, with one segment fewer (the first segment then takes the last one's in-handle).
  const bool merged = expected.closed() && count >= 2 && actual.segmentCount() == count - 1 &&
                      std::abs(expected.segments().back().p.h - expected.segments().front().p.h) <= tolerance &&
                      std::abs(expected.segments().back().p.v - expected.segments().front().p.v) <= tolerance;
  if (merged) count -= 1;
  ASSERT_EQ(actual.segmentCount(), count);
  for (std::int32_t index = 0; index < count; ++index) {
    const PathSegment& a = actual.segments()[static_cast<std::size_t>(index)];
    const PathSegment& e = expected.segments()[static_cast<std::size_t>(index)];
    const std::string what = "segment " + std::to_string(index);
    expectPointNear(a.p, e.p, tolerance, what + " anchor");
    if (!(merged && index == 0)) expectPointNear(a.in, e.in, tolerance, what + " in handle");
    expectPointNear(a.out, e.out, tolerance, what + " out handle");
  }
}

void expectSameText(const TextFrameData& actual, const TextFrameData& expected, double tolerance) {
  EXPECT_EQ(actual.kind, expected.kind);
  EXPECT_NEAR(actual.matrix.a, expected.matrix.a, 1e-5);
  EXPECT_NEAR(actual.matrix.b, expected.matrix.b, 1e-5);
  EXPECT_NEAR(actual.matrix.c, expected.matrix.c, 1e-5);
  EXPECT_NEAR(actual.matrix.d, expected.matrix.d, 1e-5);
  EXPECT_NEAR(actual.matrix.tx, expected.matrix.tx, tolerance);
  EXPECT_NEAR(actual.matrix.ty, expected.matrix.ty, tolerance);
  ASSERT_EQ(actual.story.paragraphs.size(), expected.story.paragraphs.size());
  for (std::size_t index = 0; index < expected.story.paragraphs.size(); ++index) {
    const Paragraph& a = actual.story.paragraphs[index];
    const Paragraph& e = expected.story.paragraphs[index];
    SCOPED_TRACE("paragraph " + std::to_string(index));
    EXPECT_EQ(a.justification, e.justification);
    ASSERT_EQ(a.leading.has_value(), e.leading.has_value());
    if (e.leading) {
      EXPECT_NEAR(*a.leading, *e.leading, tolerance);
    }
    ASSERT_EQ(a.runs.size(), e.runs.size());
    for (std::size_t run = 0; run < e.runs.size(); ++run) {
      EXPECT_EQ(a.runs[run].text, e.runs[run].text);
      EXPECT_EQ(a.runs[run].features.font, e.runs[run].features.font);
      EXPECT_NEAR(a.runs[run].features.size, e.runs[run].features.size, tolerance);
      EXPECT_EQ(a.runs[run].features.fillPaint, e.runs[run].features.fillPaint);
      EXPECT_EQ(a.runs[run].features.strokePaint, e.runs[run].features.strokePaint);
      if (e.runs[run].features.fillPaint) {
        expectColorNear(a.runs[run].features.fillColor, e.runs[run].features.fillColor, "text fill");
      }
    }
  }
}

std::int32_t depthOf(const Art& art) {
  std::int32_t depth = 0;
  for (const Art* parent = art.parent(); parent != nullptr; parent = parent->parent()) ++depth;
  return depth;
}

}  // namespace

std::filesystem::path fixturePath(std::string_view name) {
  return std::filesystem::path(PROJECT_SOURCE_ROOT) / "tests" / "fixtures" / "svg" / name;
}

platform::Result<SvgReadResult> readSnippet(std::string_view svg) {
  return readSvgBytes(std::string(svg), "snippet.svg");
}

std::vector<const Art*> allArt(const Document& document) {
  std::vector<const Art*> list;
  for (std::int32_t index = 0; index < document.layerCount(); ++index) {
    static_cast<void>(walkLayerArt(*document.layerAt(index), [&](const Art& art) {
      list.push_back(&art);
      return WalkStep::CONTINUE;
    }));
  }
  return list;
}

std::vector<const Art*> artOfType(const Document& document, ArtType type) {
  std::vector<const Art*> list = allArt(document);
  std::erase_if(list, [type](const Art* art) { return art->type() != type; });
  return list;
}

std::int32_t diagnosticCount(const std::vector<SvgDiagnostic>& diagnostics, SvgDiagnosticCode code,
                             std::string_view subject) {
  for (const SvgDiagnostic& diagnostic : diagnostics) {
    if (diagnostic.code == code && diagnostic.subject == subject) return diagnostic.count;
  }
  return 0;
}

void expectPointNear(HostRealPoint actual, HostRealPoint expected, double tolerance, std::string_view what) {
  EXPECT_NEAR(actual.h, expected.h, tolerance) << what;
  EXPECT_NEAR(actual.v, expected.v, tolerance) << what;
}

void expectSameDocument(const Document& expected, const Document& actual, double tolerance) {
  EXPECT_EQ(actual.pageSetup(), expected.pageSetup());
  ASSERT_EQ(actual.layerCount(), expected.layerCount());
  for (std::int32_t index = 0; index < expected.layerCount(); ++index) {
    const Layer& e = *expected.layerAt(index);
    const Layer& a = *actual.layerAt(index);
    EXPECT_EQ(a.title(), e.title());
    EXPECT_EQ(a.visible(), e.visible());
    EXPECT_EQ(a.locked(), e.locked());
  }
  const std::vector<const Art*> expectedArt = allArt(expected);
  const std::vector<const Art*> actualArt = allArt(actual);
  ASSERT_EQ(actualArt.size(), expectedArt.size());
  for (std::size_t index = 0; index < expectedArt.size(); ++index) {
    const Art& e = *expectedArt[index];
    const Art& a = *actualArt[index];
    SCOPED_TRACE("art " + std::to_string(index) + " of type " + std::to_string(static_cast<int>(e.type())));
    ASSERT_EQ(a.type(), e.type());
    EXPECT_EQ(depthOf(a), depthOf(e));
    EXPECT_EQ(a.isClipGroup(), e.isClipGroup());
    EXPECT_EQ(a.isClipping(), e.isClipping());
    EXPECT_EQ(a.attributes(), e.attributes());
    EXPECT_EQ(a.name(), e.name());
    EXPECT_NEAR(a.opacity(), e.opacity(), 1e-4);
    if (e.type() == ArtType::PATH) {
      expectSamePath(a.path(), e.path(), tolerance);
      // Clipping paths paint nothing; their fill rule is what counts.
      if (e.isClipping() || (e.parent() != nullptr && e.parent()->isClipping())) {
        EXPECT_EQ(a.style().fill.evenOdd, e.style().fill.evenOdd);
      } else {
        expectSameStyle(a.style(), e.style(), tolerance);
      }
    }
    if (e.type() == ArtType::TEXT_FRAME) {
      expectSameText(a.textFrame(), e.textFrame(), tolerance);
    }
  }
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "svg-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::filesystem::filesystem_error("mkdtemp", std::error_code(errno, std::generic_category()));
  folder = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

std::vector<std::string> ScratchFolder::fileNames() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace host::svg::testing
