// KELMO-Pro loaded by the real loader into a headless host: what it registers, which files it takes, the
// page-setup snapshot, and a drawing saved as DXF that a peer reads.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "converter/PluginGlobals.h"
#include "host/Host.h"
#include "host/document/ArtWalk.h"
#include "host/text/TextEditing.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/FileFormatSuite.h"
#include "host/svg/SvgReader.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "tests/converter/ConverterSession.h"

namespace {

namespace fs = std::filesystem;

class ConverterDispatch : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(folder);
    platform::setRegistryFile(folder / "registry.reg");
    platform::Result<host::PluginModule*> loaded = host.loadPlugin(CONVERTER_MODULE);
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    module = *loaded;
    ASSERT_TRUE(host.startPlugins().empty());
    format = host.registrations().fileFormats.find("Drawing Interchange(DXF)");
    ASSERT_NE(format, nullptr);
  }

  void TearDown() override {
    platform::setRegistryFile({});
    fs::remove_all(folder);
  }

  HostResult check(const fs::path& file, int32_t option) {
    host.journal().clear();
    return host.sendFileFormat(*format, SELECTOR_CHECK, option, file);
  }

  bool askedForFilter() { return !host.journal().linesStartingWith("dialog.open 16158").empty(); }

  fs::path folder = fs::temp_directory_path() / ("converter-test-" + std::to_string(::getpid()));
  host::Host host;
  host::PluginModule* module = nullptr;
  const host::FileFormat* format = nullptr;
};

TEST_F(ConverterDispatch, RegistersItsFormatAndItsTimer) {
  EXPECT_EQ(format->title, "Drawing Interchange(DXF)");
  EXPECT_EQ(format->extensions, std::vector<std::string>{"dxf"});
  EXPECT_EQ(format->options, 519);
  EXPECT_EQ(format->priority, 10000);
  const host::Timer* timer = host.registrations().timers.find("KELMO-Pro_timer");
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->period, 10);
}

TEST_F(ConverterDispatch, TakesOnlyFilesEndingInDotDxfOrDotDXF) {
  struct Case {
    const char* file;
    HostResult result;
  };
  const Case cases[] = {{"/drawings/plan.dxf", HOST_NO_ERROR},
                        {"/drawings/plan.DXF", HOST_NO_ERROR},
                        {"/drawings/plan.Dxf", HOST_STOP},
                        {"/drawings/plan.svg", HOST_STOP},
                        {".dxf", HOST_STOP}};
  for (const Case& expected : cases) {
    EXPECT_EQ(check(expected.file, FILE_FORMAT_READ), expected.result) << expected.file;
    // Only a file it may read leads to the question of which reader to use.
    EXPECT_EQ(askedForFilter(), expected.result == HOST_NO_ERROR) << expected.file;
  }
}

TEST_F(ConverterDispatch, TheFilterQuestionDecides) {
  host.headless().queue(*host::parseAnswer("Select Filter/AutoCAD Interchange File (Adobe DXF)"));
  EXPECT_EQ(check("/drawings/plan.dxf", FILE_FORMAT_READ), HOST_STOP);
  EXPECT_TRUE(askedForFilter());
  EXPECT_TRUE(host.headless().pending().empty());
}

TEST_F(ConverterDispatch, TheCompanionFlagSkipsTheFilterQuestion) {
  ASSERT_TRUE(platform::writeRegistryDword(platform::RegistryRoot::HKEY_CURRENT_USER, "Software\\QUILLMERE\\Pelmgate",
                                           "DXFTOAI_DLGFLG", 1)
                  .ok());
  EXPECT_EQ(check("/drawings/plan.dxf", FILE_FORMAT_READ), HOST_NO_ERROR);
  EXPECT_FALSE(askedForFilter());
}

TEST_F(ConverterDispatch, PlacingFromThePlaceWindowIsTakenWithoutAQuestion) {
  host::ResourceSet resources;
  ASSERT_TRUE(resources.addXml("place.xml", "<resources><dialog id=\"1\" title=\"Place\" width=\"400\" height=\"300\"/></resources>").ok());
  host::Dialog* place = host.dialogs().createModeless(nullptr, resources, "Place", 1, nullptr, nullptr);
  ASSERT_NE(place, nullptr);
  place->visible = true;
  EXPECT_EQ(check("/drawings/plan.dxf", FILE_FORMAT_PLACE), HOST_NO_ERROR);
  EXPECT_FALSE(askedForFilter());
  // Opening (not placing) still asks.
  EXPECT_EQ(check("/drawings/plan.dxf", FILE_FORMAT_READ), HOST_NO_ERROR);
  EXPECT_TRUE(askedForFilter());
  host.dialogs().destroy(*place);
}

TEST_F(ConverterDispatch, TheTimerKeepsAPageSetupSnapshot) {
  host.advanceClock(10);
  host.unloadPlugin(*module);  // the global record comes back to the host at "Unload"
  const auto* state = static_cast<const converter::PluginGlobals*>(module->globals);
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(state->snapshotValid, 1);
  EXPECT_EQ(state->snapshotPageSetup.paper.right, 595);
  EXPECT_EQ(state->snapshotPageSetup.paper.bottom, 842);
  EXPECT_EQ(state->operationBusy, 0);
}

TEST(ConverterPeer, ASavedDrawingIsReadByAPeer) {
  // The peer reads release 12 files without HATCH entities, so fills are not converted here.
  converter::test::ConverterSession run;
  run.start("fcnvFill = 0\n");
  platform::Result<host::svg::SvgReadResult> drawing = host::svg::readSvgFile(SVG_FIXTURES "/layers.svg");
  ASSERT_TRUE(drawing.ok());
  run.host.replaceDocument(std::move(drawing->document));
  EXPECT_EQ(run.save("layers.dxf"), HOST_NO_ERROR);
  const fs::path output = run.file("layers.dxf");
  ASSERT_TRUE(fs::exists(output));
  std::string audit = std::string(PEER_PYTHON) + " -m ezdxf audit " + output.string() + " > /dev/null 2>&1";
  EXPECT_EQ(std::system(audit.c_str()), 0) << "ezdxf found errors in " << output;
}

}  // namespace

namespace {

class CompanionPreparation : public ConverterDispatch {
protected:
  void SetUp() override {
    ConverterDispatch::SetUp();
    platform::setProcessSnapshotSource([]() -> platform::Result<std::vector<platform::ProcessEntry>> {
      return std::vector<platform::ProcessEntry>{{7, "Pelmorix.exe"}};
    });
    host::PathData square;
    const host::PathSegment corners[] = {host::cornerSegment({0, 0}), host::cornerSegment({100, 0}),
                                         host::cornerSegment({100, 100}), host::cornerSegment({0, 100})};
    ASSERT_TRUE(square.assignSegments(corners).ok());
    square.setClosed(true);
    host::PathStyle filled;
    filled.fill.paint = true;
    filled.fill.color = host::Color(host::ThreeColor{1, 0, 0});
    filled.stroke.paint = false;
    platform::Result<host::Art*> path = host.document().newPath(host::PaintOrder::PLACE_ABOVE_ALL, nullptr, square, filled);
    ASSERT_TRUE(path.ok());
    filledPath = *path;
    platform::Result<host::TextFrameData> text = host::makePointText({10, 200}, "Note");
    ASSERT_TRUE(text.ok());
    platform::Result<host::Art*> frame = host::newTextFrame(host.document(), host::PaintOrder::PLACE_ABOVE_ALL, nullptr, *text);
    ASSERT_TRUE(frame.ok());
    textFrame = *frame;
  }

  void TearDown() override {
    platform::setProcessSnapshotSource(nullptr);
    ConverterDispatch::TearDown();
  }

  HostResult save() { return host.saveDocument(*format, FILE_FORMAT_WRITE, folder / "prepared.dxf"); }

  host::Art* filledPath = nullptr;
  host::Art* textFrame = nullptr;
};

TEST_F(CompanionPreparation, FillsBecomeThinStrokesAndTextStaysWhenTheCompanionSaysSo) {
  ASSERT_TRUE(platform::writeRegistryDword(platform::RegistryRoot::HKEY_CURRENT_USER, "Software\\QUILLMERE\\Pelmgate",
                                           "DXF_CNV_OUTL", 0)
                  .ok());
  EXPECT_EQ(save(), HOST_NO_ERROR);
  const host::PathStyle& style = filledPath->style();
  EXPECT_FALSE(style.fill.paint);
  EXPECT_TRUE(style.stroke.paint);
  EXPECT_EQ(style.stroke.color, host::Color(host::ThreeColor{1, 0, 0}));
  EXPECT_FLOAT_EQ(style.stroke.width, 0.143f);
  EXPECT_TRUE(host.document().isLiveArt(textFrame));
}

TEST_F(CompanionPreparation, TextBecomesOutlinesUnlessTheCompanionSaysOtherwise) {
  EXPECT_EQ(save(), HOST_NO_ERROR);  // no DXF_CNV_OUTL value: outlines
  EXPECT_FALSE(host.document().isLiveArt(textFrame));
  EXPECT_EQ(host::countArtOfType(host.document(), host::ArtType::TEXT_FRAME), 0);
  EXPECT_GT(host::countArtOfType(host.document(), host::ArtType::PATH), 1);
}

}  // namespace
