// drawhost convert: a drawing read and written back, what was skipped said, and bad input refused with the
// file and the place, writing nothing.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
  EXPECT_NE(failed.output.find(blocked.string() + ": is a folder, not a drawing; not replaced"), std::string::npos)
      << failed.output;
  EXPECT_TRUE(fs::is_directory(blocked));

  // Why a write failed is said in words.
  fs::path nowhere = folder / "missing" / "bracket.dxf";
  ProgramRun lost = drawhost("convert " EXAMPLES "/bracket.svg " + nowhere.string());
  EXPECT_EQ(lost.status, 1) << lost.output;
  EXPECT_NE(lost.output.find(nowhere.string() + ": not written: Drawing Interchange(DXF) could not write it (the folder " +
                             (folder / "missing").string() + " does not exist)"),
            std::string::npos)
      << lost.output;
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
  ProgramRun beside = drawhost("convert --to dxf " + first.string() + " " + second.string());
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
  ProgramRun run =
      drawhost("convert --to dxf " + good.string() + " " SVG_FIXTURES "/malformed-not-xml.svg " + folder.string() + "/");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_TRUE(fs::exists(folder / "good.dxf"));
  EXPECT_FALSE(fs::exists(folder / "malformed-not-xml.dxf"));

  ProgramRun clash = drawhost("convert --to dxf " + good.string() + " " + good.string());
  EXPECT_EQ(clash.status, 2);
  EXPECT_NE(clash.output.find("two drawings would be written to the same file"), std::string::npos) << clash.output;
}

}  // namespace

namespace {

TEST_F(ConvertTest, TwoDrawingsAreAlwaysADrawingAndItsOutputAndNoDrawingIsWrittenOver) {
  fs::path plan = exampleCopy(folder, "plan.svg");
  fs::path other = exampleCopy(folder, "other.svg");
  const std::string original = platform::test::readText(plan);
  // An existing second drawing is the output, not a second input: left alone without --force, replaced with it.
  ProgramRun kept = drawhost("convert " + plan.string() + " " + other.string());
  EXPECT_EQ(kept.status, 1) << kept.output;
  EXPECT_NE(kept.output.find(other.string() + ": exists; not replaced"), std::string::npos) << kept.output;
  EXPECT_FALSE(fs::exists(folder / "plan.dxf"));
  ProgramRun replaced = drawhost("convert --force " + plan.string() + " " + other.string());
  EXPECT_EQ(replaced.status, 0) << replaced.output;
  EXPECT_TRUE(replaced.output.starts_with(plan.string() + " -> " + other.string() + ": ")) << replaced.output;

  // A drawing of the run is never an output: not by its name, not through a link, not with --force.
  fs::create_symlink(plan, folder / "alias.svg");
  const std::string refusals[] = {
      "convert --force --to svg " + plan.string(),
      "convert --force " + plan.string() + " " + plan.string(),
      "convert --force " + plan.string() + " " + (folder / "alias.svg").string(),
      "convert --force --to svg " + plan.string() + " " + other.string() + " " + folder.string() + "/",
  };
  for (const std::string& arguments : refusals) {
    ProgramRun refused = drawhost(arguments);
    EXPECT_EQ(refused.status, 2) << arguments << "\n" << refused.output;
    EXPECT_NE(refused.output.find("drawings are never written over"), std::string::npos) << arguments << "\n"
                                                                                         << refused.output;
  }
  EXPECT_EQ(platform::test::readText(plan), original);
  EXPECT_TRUE(fs::is_symlink(folder / "alias.svg"));
}

TEST_F(ConvertTest, CommandLinesThatNameNoOutputAreUsageErrors) {
  fs::path plan = exampleCopy(folder, "plan.svg");
  struct Case {
    std::string arguments;
    const char* message;
  };
  const Case cases[] = {
      {"convert " + plan.string(), "name the output"},
      {"convert " + plan.string() + " " + plan.string() + " " + plan.string(), "several drawings need --to EXT"},
      {"convert " + plan.string() + " ''", "an empty file name"},
  };
  for (const Case& usage : cases) {
    ProgramRun run = drawhost(usage.arguments);
    EXPECT_EQ(run.status, 2) << usage.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(usage.message), std::string::npos) << usage.arguments << "\n" << run.output;
  }
  // One drawing with --to, or into a folder, is written beside it or there.
  ProgramRun beside = drawhost("convert --to dxf " + plan.string());
  EXPECT_EQ(beside.status, 0) << beside.output;
  EXPECT_TRUE(fs::exists(folder / "plan.dxf"));
}

TEST_F(ConvertTest, ForceReplacesOnlyDrawingsAndKeepsLinks) {
  fs::path plan = exampleCopy(folder, "plan.svg");
  const fs::path fifo = folder / "pipe.dxf";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(folder / "folder.dxf");
  fs::create_symlink(fifo, folder / "to-pipe.dxf");
  fs::create_symlink(folder / "folder.dxf", folder / "to-folder.dxf");
  struct Case {
    fs::path output;
    const char* message;
  };
  const Case cases[] = {
      {fifo, "is a FIFO, not a drawing; not replaced"},
      {folder / "folder.dxf", "is a folder, not a drawing; not replaced"},
      {folder / "to-pipe.dxf", "which is a FIFO, not a drawing; not replaced"},
      {folder / "to-folder.dxf", "which is a folder, not a drawing; not replaced"},
  };
  for (const Case& refused : cases) {
    ProgramRun run = drawhost("convert --force " + plan.string() + " " + refused.output.string());
    EXPECT_EQ(run.status, 1) << refused.output << "\n" << run.output;
    EXPECT_NE(run.output.find(refused.output.string() + ": "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(refused.message), std::string::npos) << run.output;
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  EXPECT_TRUE(fs::is_symlink(folder / "to-pipe.dxf"));
  EXPECT_TRUE(fs::is_directory(folder / "folder.dxf"));

  // A private device node (a copy of /dev/null) stays one; only root can make it.
  const fs::path device = folder / "device.dxf";
  if (::mknod(device.c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0) {
    ProgramRun run = drawhost("convert --force " + plan.string() + " " + device.string());
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find(device.string() + ": is a device, not a drawing; not replaced"), std::string::npos)
        << run.output;
    EXPECT_EQ(fs::status(device).type(), fs::file_type::character);
  }

  // A link to a drawing replaces the drawing and stays a link.
  platform::test::writeText(folder / "real.dxf", "old\n");
  fs::create_symlink(folder / "real.dxf", folder / "link.dxf");
  ProgramRun linked = drawhost("convert --force " + plan.string() + " " + (folder / "link.dxf").string());
  EXPECT_EQ(linked.status, 0) << linked.output;
  EXPECT_TRUE(fs::is_symlink(folder / "link.dxf"));
  EXPECT_GT(fs::file_size(folder / "real.dxf"), 1000u);
}

TEST_F(ConvertTest, RefusesAnOutputPathThePluginCannotHold) {
  std::string deep = folder.string();
  while (deep.size() < 1100) deep += "/d";
  ProgramRun run = drawhost("convert " EXAMPLES "/bracket.svg " + deep + "/bracket.dxf");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("not written: the path is too long for Drawing Interchange(DXF)"), std::string::npos)
      << run.output;
}

// Ctrl+C, SIGTERM and SIGHUP cancel a conversion, in its reading as in its writing, and leave nothing behind.
TEST_F(ConvertTest, SignalsCancelAndLeaveNoFileBeside) {
  fs::path large = folder / "large.svg";
  {
    std::ofstream svg(large);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1000\" height=\"1000\">\n";
    for (int index = 0; index < 150000; ++index) svg << "<path d=\"M " << index % 900 << " 0 L 10 10 L 20 5\" stroke=\"red\"/>\n";
    svg << "</svg>\n";
  }
  for (const char* signal : {"INT", "TERM", "HUP"}) {
    const fs::path output = folder / "large.dxf";
    ProgramRun run = platform::test::runCommand("(" DRAWHOST_PROGRAM " convert -q '" + large.string() + "' '" +
                                                output.string() + "' 2>&1 & pid=$!; sleep 0.3; kill -" + signal +
                                                " $pid; wait $pid)");
    EXPECT_EQ(run.status, 1) << signal << "\n" << run.output;
    EXPECT_NE(run.output.find(output.string() + ": cancelled; not written"), std::string::npos) << signal << "\n"
                                                                                                  << run.output;
    EXPECT_EQ(platform::test::entryNames(folder), std::vector<std::string>{"large.svg"}) << signal;
  }
}

}  // namespace
