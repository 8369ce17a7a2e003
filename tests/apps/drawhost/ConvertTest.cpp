// drawhost convert: a drawing read and written back, what was skipped said, and bad input refused with the
// file and the place, writing nothing.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/document/Document.h"
#include "host/svg/SvgReader.h"
#include "tests/apps/drawhost/ProgramRun.h"

namespace {

namespace fs = std::filesystem;
using drawhost::testing::drawhost;
using drawhost::testing::ProgramRun;

class ConvertTest : public ::testing::Test {
protected:
  void SetUp() override { fs::create_directories(folder); }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder = fs::temp_directory_path() / ("drawhost-convert-" + std::to_string(::getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(ConvertTest, WritesTheDrawingBackWithItsLayersAndArt) {
  fs::path output = folder / "shapes.svg";
  ProgramRun run = drawhost("convert " SVG_FIXTURES "/layers.svg " + output.string());
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_TRUE(run.output.starts_with(SVG_FIXTURES "/layers.svg -> " + output.string() + ": ")) << run.output;

  platform::Result<host::svg::SvgReadResult> original = host::svg::readSvgFile(SVG_FIXTURES "/layers.svg");
  platform::Result<host::svg::SvgReadResult> written = host::svg::readSvgFile(output);
  ASSERT_TRUE(original.ok() && written.ok());
  ASSERT_EQ(written->document->layerCount(), original->document->layerCount());
  EXPECT_EQ(written->document->artCount(), original->document->artCount());
  for (int32_t index = 0; index < original->document->layerCount(); ++index) {
    EXPECT_EQ(written->document->layerAt(index)->title(), original->document->layerAt(index)->title());
  }
}

TEST_F(ConvertTest, SaysWhatItSkippedOncePerKind) {
  fs::path input = folder / "effects.svg";
  std::ofstream(input) << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10mm\" height=\"10mm\">\n"
                          "<filter id=\"f\"/><rect width=\"5\" height=\"5\" filter=\"url(#f)\"/><image/><image/></svg>\n";
  ProgramRun run = drawhost("convert " + input.string() + " " + (folder / "out.svg").string());
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("drawhost: " + input.string() + ": UNSUPPORTED_ELEMENT (image) x2: "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("UNSUPPORTED_EFFECT (filter)"), std::string::npos) << run.output;
}

TEST_F(ConvertTest, BadInputNamesTheFileAndThePlaceAndWritesNothing) {
  struct Case {
    const char* input;
    const char* message;
  };
  const Case cases[] = {
      {SVG_FIXTURES "/malformed-not-xml.svg", SVG_FIXTURES "/malformed-not-xml.svg:"},
      {SVG_FIXTURES "/malformed-broken-path-data.svg", "broken path data at offset"},
      {SVG_FIXTURES "/malformed-unknown-unit.svg", SVG_FIXTURES "/malformed-unknown-unit.svg:"},
      {SVG_FIXTURES "/no-such-drawing.svg", SVG_FIXTURES "/no-such-drawing.svg"},
      {SVG_FIXTURES "/../frame-test-plugin/english.xml", "no reader for .xml files"},
  };
  for (const Case& bad : cases) {
    fs::path output = folder / "out.svg";
    ProgramRun run = drawhost(std::string("convert ") + bad.input + " " + output.string());
    EXPECT_EQ(run.status, 1) << bad.input << "\n" << run.output;
    EXPECT_NE(run.output.find(bad.message), std::string::npos) << bad.input << "\n" << run.output;
    EXPECT_FALSE(fs::exists(output)) << bad.input;
  }
}

TEST_F(ConvertTest, RefusesOutputItCannotWrite) {
  ProgramRun unknown = drawhost("convert " SVG_FIXTURES "/shapes.svg " + (folder / "shapes.xyz").string());
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.output.find("no writer for .xyz files"), std::string::npos) << unknown.output;

  ProgramRun nowhere = drawhost("convert " SVG_FIXTURES "/shapes.svg " + (folder / "missing" / "shapes.svg").string());
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_NE(nowhere.output.find("does not exist"), std::string::npos) << nowhere.output;
  EXPECT_FALSE(fs::exists(folder / "missing"));
}

}  // namespace

namespace {

TEST_F(ConvertTest, WritesThroughThePluginFormatOfTheExtension) {
  fs::path output = folder / "drawing.tst";
  ProgramRun saved = drawhost("convert " SVG_FIXTURES "/shapes.svg " + output.string() + " --plugin-dir " FRAME_TEST_PLUGIN_DIR);
  EXPECT_EQ(saved.status, 0) << saved.output;
  EXPECT_EQ(saved.output, SVG_FIXTURES "/shapes.svg -> " + output.string() + "\n");
  EXPECT_TRUE(fs::exists(output));

  ProgramRun declined = drawhost("convert " SVG_FIXTURES "/shapes.svg " + (folder / "decline.tst").string() +
                                 " --export --plugin-dir " FRAME_TEST_PLUGIN_DIR);
  EXPECT_EQ(declined.status, 1);
  EXPECT_NE(declined.output.find("not written: FrameTestConverter Format declined or its options were cancelled"),
            std::string::npos)
      << declined.output;
  EXPECT_FALSE(fs::exists(folder / "decline.tst"));

  ProgramRun noFolder = drawhost("convert " SVG_FIXTURES "/shapes.svg " + (folder / "missing" / "drawing.tst").string() +
                                 " --plugin-dir " FRAME_TEST_PLUGIN_DIR);
  EXPECT_EQ(noFolder.status, 1);
  EXPECT_NE(noFolder.output.find("not written: FrameTestConverter Format could not write it"), std::string::npos)
      << noFolder.output;
}

}  // namespace

namespace {

TEST_F(ConvertTest, WritesDxfThroughTheConverterAndCatchesWhatItCouldNotWrite) {
  fs::path output = folder / "bracket.dxf";
  ProgramRun saved = drawhost("convert " EXAMPLES "/bracket.svg " + output.string());
  ASSERT_EQ(saved.status, 0) << saved.output;
  EXPECT_TRUE(saved.output.starts_with(EXAMPLES "/bracket.svg -> " + output.string() + ": ")) << saved.output;

  // The converter reports success whatever happened; a target it cannot replace stays as it was.
  fs::path blocked = folder / "blocked.dxf";
  fs::create_directory(blocked);
  ProgramRun failed = drawhost("convert " EXAMPLES "/bracket.svg " + blocked.string());
  EXPECT_EQ(failed.status, 1) << failed.output;
  EXPECT_NE(failed.output.find(blocked.string() + ": not written: Drawing Interchange(DXF) could not write it"),
            std::string::npos)
      << failed.output;
  EXPECT_TRUE(fs::is_directory(blocked));
}

}  // namespace

namespace {

/// Copies the example into the test's folder under name.
fs::path exampleCopy(const fs::path& folder, const std::string& name) {
  fs::path copy = folder / name;
  fs::copy_file(EXAMPLES "/bracket.svg", copy, fs::copy_options::overwrite_existing);
  return copy;
}

TEST_F(ConvertTest, NamesOutputsAfterTheirDrawingsBesideThemOrInAFolder) {
  fs::path first = exampleCopy(folder, "first.svg");
  fs::path second = exampleCopy(folder, "second.svg");
  ProgramRun beside = drawhost("convert " + first.string() + " " + second.string());
  EXPECT_EQ(beside.status, 0) << beside.output;
  EXPECT_TRUE(fs::exists(folder / "first.dxf"));
  EXPECT_TRUE(fs::exists(folder / "second.dxf"));
  // One line per file: what it holds and how long it took.
  EXPECT_NE(beside.output.find(first.string() + " -> " + (folder / "first.dxf").string() + ": "), std::string::npos)
      << beside.output;
  EXPECT_NE(beside.output.find(" entities, "), std::string::npos) << beside.output;
  EXPECT_NE(beside.output.find(" layers, "), std::string::npos) << beside.output;

  fs::create_directory(folder / "out");
  ProgramRun intoFolder = drawhost("convert " + first.string() + " " + second.string() + " " + (folder / "out").string() +
                                   " --to svg --quiet");
  EXPECT_EQ(intoFolder.status, 0) << intoFolder.output;
  EXPECT_EQ(intoFolder.output, "");
  EXPECT_TRUE(fs::exists(folder / "out" / "first.svg"));
  EXPECT_TRUE(fs::exists(folder / "out" / "second.svg"));
}

TEST_F(ConvertTest, LeavesAnExistingOutputAloneUnlessForced) {
  fs::path drawing = exampleCopy(folder, "plan.svg");
  fs::path output = folder / "plan.dxf";
  std::ofstream(output) << "mine\n";
  ProgramRun refused = drawhost("convert " + drawing.string() + " " + output.string());
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.output.find(output.string() + ": exists; not replaced (--force replaces it)"), std::string::npos)
      << refused.output;
  std::ifstream kept(output);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "mine\n");

  ProgramRun forced = drawhost("convert --force " + drawing.string() + " " + output.string());
  EXPECT_EQ(forced.status, 0) << forced.output;
  EXPECT_GT(fs::file_size(output), 1000u);
}

TEST_F(ConvertTest, OneFailedDrawingFailsTheRunButNotTheOthers) {
  fs::path good = exampleCopy(folder, "good.svg");
  ProgramRun run = drawhost("convert " + good.string() + " " SVG_FIXTURES "/malformed-not-xml.svg " + folder.string() + "/");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_TRUE(fs::exists(folder / "good.dxf"));
  EXPECT_FALSE(fs::exists(folder / "malformed-not-xml.dxf"));

  ProgramRun clash = drawhost("convert " + good.string() + " " + good.string());
  EXPECT_EQ(clash.status, 2);
  EXPECT_NE(clash.output.find("two drawings would be written to the same file"), std::string::npos) << clash.output;
}

}  // namespace
