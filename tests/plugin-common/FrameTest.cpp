// The entry frame as the host sees it: the frame test plug-in, built once with each suite table, loaded by the
// real loader into a headless host.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "host/Host.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/SuiteTable.h"
#include "tests/plugin-common/FrameTestMessage.h"

namespace {

struct TableCase {
  const char* module;
  std::span<const plugin::SuiteImport> (*table)();
  size_t size;
};

void PrintTo(const TableCase& table, std::ostream* out) { *out << table.module; }

const TableCase kTables[] = {{"FrameTestConverter", plugin::converterSuiteTable, 115},
                             {"FrameTestDrafting", plugin::draftingSuiteTable, 112}};

class FrameTest : public ::testing::TestWithParam<TableCase> {
protected:
  void SetUp() override { load(); }

  void load() {
    platform::Result<host::PluginModule*> loaded =
        host.loadPlugin(std::filesystem::path(FRAME_TEST_PLUGIN_DIR) / (std::string(GetParam().module) + ".so"));
    ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
    module = *loaded;
    ASSERT_TRUE(host.startPlugins().empty());
  }

  FrameTestMessage send(const char* selector, int32_t code = 0) {
    FrameTestMessage message{};
    message.code = code;
    result = host.send(*module, CALLER_FRAME_TEST, selector, message.d);
    return message;
  }

  /// How often each suite of the table has been acquired, in table order.
  std::vector<int64_t> acquisitions() {
    std::vector<int64_t> counts;
    for (const plugin::SuiteImport& row : GetParam().table()) counts.push_back(host.suites().timesAcquired(row.name, row.version));
    return counts;
  }

  bool journalHas(const std::string& line) {
    const auto& lines = host.journal().lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  host::Host host;
  host::PluginModule* module = nullptr;
  HostResult result = 0;
};

INSTANTIATE_TEST_SUITE_P(BothSuiteTables, FrameTest, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.module); });

TEST_P(FrameTest, AcquiresEverySuiteOfItsTableAroundEachCallAndReleasesThem) {
  EXPECT_EQ(acquisitions(), std::vector<int64_t>(GetParam().size, 1));  // start-up
  FrameTestMessage seen = send(SELECTOR_INSPECT);
  EXPECT_EQ(result, HOST_NO_ERROR);
  EXPECT_EQ(seen.heldSuites, static_cast<int32_t>(GetParam().size));
  EXPECT_EQ(seen.nestCount, 1);
  EXPECT_EQ(acquisitions(), std::vector<int64_t>(GetParam().size, 2));
  EXPECT_EQ(host.suites().totalOpen(), 0);
}

TEST_P(FrameTest, NestedAcquisitionsAcquireAndReleaseEachSuiteOnce) {
  send(SELECTOR_NESTED);
  EXPECT_EQ(result, HOST_NO_ERROR);
  EXPECT_EQ(acquisitions(), std::vector<int64_t>(GetParam().size, 2));
  EXPECT_EQ(host.suites().totalOpen(), 0);
}

TEST_P(FrameTest, ReloadRestartsTheNestingAndKeepsTheGlobalRecord) {
  host.advanceClock(25);  // the plug-in's timer (10 ticks) fires twice and counts it in its global record
  send(SELECTOR_HOLD);    // leaves one acquisition open
  EXPECT_EQ(host.suites().totalOpen(), static_cast<int64_t>(GetParam().size));
  std::vector<int64_t> before = acquisitions();

  host.unloadPlugin(*module);
  EXPECT_FALSE(module->codeLoaded());
  FrameTestMessage seen = send(SELECTOR_INSPECT);

  EXPECT_TRUE(module->codeLoaded());
  EXPECT_EQ(seen.nestCount, 1);
  EXPECT_EQ(seen.timerFirings, 2);
  std::vector<int64_t> after = acquisitions();
  for (size_t row = 0; row < after.size(); ++row) EXPECT_EQ(after[row], before[row] + 1) << GetParam().table()[row].name;
}

TEST_P(FrameTest, UnloadingIdlePluginsReloadsThemForEveryMessage) {
  host.setUnloadIdle(true);
  send(SELECTOR_NESTED);
  EXPECT_FALSE(module->codeLoaded());
  host.advanceClock(30);  // three timer messages, each to freshly loaded code
  FrameTestMessage seen = send(SELECTOR_INSPECT);
  EXPECT_EQ(result, HOST_NO_ERROR);
  EXPECT_EQ(seen.timerFirings, 3);
  EXPECT_FALSE(module->codeLoaded());
  EXPECT_EQ(host.suites().totalOpen(), 0);
}

TEST_P(FrameTest, AccessCallWithAnotherSelectorTouchesNothing) {
  void* kept = module->globals;
  std::vector<int64_t> before = acquisitions();
  PluginMessage message{};
  EXPECT_EQ(host.send(*module, CALLER_SP_ACCESS, "Flush", message), HOST_NO_ERROR);
  EXPECT_EQ(acquisitions(), before);
  EXPECT_EQ(module->globals, kept);
}

TEST_P(FrameTest, AboutReturnsZero) {
  PluginMessage message{};
  EXPECT_EQ(host.send(*module, CALLER_SP_INTERFACE, SELECTOR_ABOUT, message), HOST_NO_ERROR);
  EXPECT_TRUE(journalHas("alert message \"" + std::string(GetParam().module) + " about box\""));
}

struct ReportCase {
  HostResult code;
  const char* message;  // null: no dialog
  const char* codeText;
};

constexpr const char* kMemory = "The filter cannot complete because there isn't enough memory (RAM) available.";
constexpr const char* kUnknown = "The filter cannot complete because of an unknown error.";
const ReportCase kReports[] = {
    {1, nullptr, nullptr},
    {HOST_SUITE_NOT_FOUND, nullptr, nullptr},
    {HOST_STOP, nullptr, nullptr},
    {-108, kMemory, "-108"},
    {271, kMemory, "271"},
    {HOST_LAYER_LOCKED_OR_HIDDEN, "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
    {HOST_TOO_MANY_POINTS, "The filter cannot complete because a path has too many anchor points.", "NESS"},
    {HOST_BAD_SELECTION, "The selection is not valid for this filter.", "!sel"},
    {5, kUnknown, "5"},
    {-2, kUnknown, "-2"},
    {HOST_FOUR_CHAR('A', 'B', 'C', 'D'), kUnknown, "ABCD"},
};

TEST_P(FrameTest, FailingResultsShowTheErrorDialogWithMessageAndCode) {
  for (const ReportCase& report : kReports) {
    host.journal().clear();
    send(SELECTOR_RETURN, report.code);
    EXPECT_EQ(result, report.code);
    std::vector<std::string> opened = host.journal().linesStartingWith("dialog.open");
    if (report.message == nullptr) {
      EXPECT_TRUE(opened.empty()) << report.code;
      continue;
    }
    ASSERT_EQ(opened.size(), 1u) << report.code;
    EXPECT_EQ(opened[0], "dialog.open 16151 \"Plug-in Error\" name \"Error Dialog\" modal");
    EXPECT_TRUE(journalHas(std::string("dialog.item 16151 2 text \"") + report.message + "\"")) << report.code;
    EXPECT_TRUE(journalHas(std::string("dialog.item 16151 3 text \"") + report.codeText + "\"")) << report.code;
    EXPECT_TRUE(journalHas("dialog.close 16151 \"Plug-in Error\" result 1")) << report.code;
  }
  EXPECT_EQ(host.suites().totalOpen(), 0);
}

TEST_P(FrameTest, FailingAcquisitionAlertsOnceTheDialogSuiteIsHeldAndSkipsTheHandler) {
  host.suites().withdraw("ADM List Suite", 1, true);  // acquired after "ADM Basic Suite" in both tables
  FrameTestMessage seen = send(SELECTOR_RETURN);
  EXPECT_EQ(result, HOST_SUITE_NOT_FOUND);
  EXPECT_EQ(seen.handlerRuns, 0);
  EXPECT_TRUE(journalHas("alert error \"Error: " + std::to_string(HOST_SUITE_NOT_FOUND) + ", suite: ADM List Suite, version: 1!\""));
  EXPECT_EQ(host.suites().totalOpen(), 0);

  host.suites().withdraw("ADM List Suite", 1, false);
  host.suites().withdraw("SP Access Suite", 3, true);  // acquired before it: nothing to show the alert with
  host.journal().clear();
  seen = send(SELECTOR_RETURN);
  EXPECT_EQ(result, HOST_SUITE_NOT_FOUND);
  EXPECT_EQ(seen.handlerRuns, 0);
  EXPECT_TRUE(host.journal().linesStartingWith("alert").empty());
  EXPECT_EQ(host.suites().totalOpen(), 0);
}

TEST_P(FrameTest, ShutdownFreesTheGlobalRecordAndReleasesEverySuite) {
  ASSERT_EQ(host.blocks().liveCount(), 1u);
  EXPECT_TRUE(host.blocks().liveBlocks()[0].starts_with("globals "));
  host.shutdownPlugins();
  EXPECT_EQ(host.blocks().liveCount(), 0u);
  EXPECT_EQ(host.suites().totalOpen(), 0);
  EXPECT_TRUE(host.leaks().empty());
  EXPECT_EQ(module->globals, nullptr);
}

}  // namespace

namespace {

TEST_P(FrameTest, WritesTextThroughTheTextSuitesAndReadsItsLinesBack) {
  FrameTestMessage seen = send(SELECTOR_TEXT);
  ASSERT_EQ(result, HOST_NO_ERROR);
  std::string report = seen.report;
  EXPECT_NE(report.find("line \"Ø25±0.1\" justification 0 at 0.00,0.00 size 24 red 1\n"), std::string::npos) << report;
  EXPECT_NE(report.find("line \"Right\" justification 2 at -"), std::string::npos) << report;
  EXPECT_TRUE(report.ends_with("outlines\n")) << report;

  // The frame stands in the document as text, with the outlines above it.
  host::Layer* layer = host.document().currentLayer();
  host::Art* frame = layer->group()->lastChild();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->type(), host::ArtType::TEXT_FRAME);
  EXPECT_EQ(frame->textFrame().text(), "Ø25±0.1\rRight");
  EXPECT_EQ(frame->textFrame().matrix.tx, 100);
  ASSERT_NE(frame->priorSibling(), nullptr);
  EXPECT_EQ(frame->priorSibling()->type(), host::ArtType::GROUP);
  // Every text-engine reference the plug-in took was released (the global record lives on until shutdown).
  for (const std::string& leak : host.leaks()) EXPECT_FALSE(leak.starts_with("text-engine")) << leak;
}

}  // namespace
