// drawhost as a person runs it: its output, messages and exit codes.

#include <gtest/gtest.h>

#include <string>

#include "tests/apps/drawhost/ProgramRun.h"

namespace {

using drawhost::testing::drawhost;
using drawhost::testing::ProgramRun;

TEST(Drawhost, ListsEveryModuleWithItsRegistrations) {
  ProgramRun run = drawhost("plugins --plugin-dir " FRAME_TEST_PLUGIN_DIR);  // options may follow the command
  EXPECT_EQ(run.status, 0) << run.output;
  for (const char* expected : {
           "FrameTestConverter  " FRAME_TEST_PLUGIN_DIR "/FrameTestConverter.so\n",
           "  file format  \"FrameTestConverter Format\"  title \"FrameTestConverter Drawing\"  extensions tst  flags 519  priority 10000\n",
           "  menu item    \"FrameTestConverter_about\"  in \"About\"  title \"FrameTestConverter...\"\n",
           "  tool         \"FrameTestDrafting Tool\"  title \"FrameTestDrafting Tool\"  tooltip \"A tool that does nothing\"\n",
           "  timer        \"FrameTestConverter_timer\"  every 10 ticks\n",
           "  notifier     \"FrameTestDrafting_started\"  for \"AI Application Started Notifier\"\n",
           "FrameTestDrafting  " FRAME_TEST_PLUGIN_DIR "/FrameTestDrafting.so\n",
       }) {
    EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\nin:\n" << run.output;
  }
  EXPECT_EQ(run.output.find("warning"), std::string::npos) << run.output;
}

TEST(Drawhost, WritesTheJournalAndWorksWithIdlePluginsUnloaded) {
  ProgramRun run = drawhost("--journal - --unload-idle --plugin-dir " FRAME_TEST_PLUGIN_DIR " plugins");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("menu.item.add \"FrameTestDrafting_about\" group \"About\" title \"FrameTestDrafting...\""),
            std::string::npos)
      << run.output;
}

TEST(Drawhost, FailuresSayWhatAndExitNonZero) {
  struct Case {
    const char* arguments;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"--plugin-dir /nonexistent/plugins plugins", 1, "drawhost: /nonexistent/plugins: the plug-in folder does not exist"},
      {"--plugin-dir " BROKEN_PLUGIN_DIR " plugins", 1, "NoEntryModule.so: the module has no PluginMain"},
      {"--answer /OK --plugin-dir " FRAME_TEST_PLUGIN_DIR " plugins", 2, "names no dialog"},
      {"--no-such-option plugins", 2, "no-such-option"},
      {"frobnicate --plugin-dir " FRAME_TEST_PLUGIN_DIR, 2, "unknown command \"frobnicate\""},
      {"help frobnicate", 2, "help: unknown command \"frobnicate\""},
      {"", 2, "subcommand"},
  };
  for (const Case& failure : cases) {
    ProgramRun run = drawhost(failure.arguments);
    EXPECT_EQ(run.status, failure.status) << failure.arguments << "\n" << run.output;
    EXPECT_NE(run.output.find(failure.message), std::string::npos) << failure.arguments << "\n" << run.output;
  }
}

TEST(Drawhost, HelpDescribesTheAnswers) {
  ProgramRun run = drawhost("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("DIALOG[/ITEM[=VALUE]]"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("plugins"), std::string::npos);
}

TEST(Drawhost, UnusedAnswersAreReported) {
  // Each --answer takes one value: the command after it is not taken for a second answer.
  ProgramRun run = drawhost("--answer 'Nothing/1' --answer Other plugins --plugin-dir " FRAME_TEST_PLUGIN_DIR);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("drawhost: warning: answer not used: Nothing/1\ndrawhost: warning: answer not used: Other\n"),
            std::string::npos)
      << run.output;
}

TEST(Drawhost, TellsItsVersionAndDescribesEachCommand) {
  ProgramRun version = drawhost("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.output.starts_with("drawhost ")) << version.output;

  ProgramRun overview = drawhost("help");
  EXPECT_EQ(overview.status, 0) << overview.output;
  EXPECT_NE(overview.output.find("Usage: drawhost [OPTIONS] SUBCOMMAND"), std::string::npos) << overview.output;
  EXPECT_NE(overview.output.find("convert"), std::string::npos) << overview.output;

  ProgramRun convert = drawhost("help convert");
  EXPECT_EQ(convert.status, 0) << convert.output;
  EXPECT_NE(convert.output.find("Usage: drawhost convert [OPTIONS] FILES..."), std::string::npos) << convert.output;
  EXPECT_NE(convert.output.find("--force"), std::string::npos) << convert.output;
}

TEST(Drawhost, OptionsMayStandBeforeOrAfterTheCommand) {
  for (const char* arguments : {"--quiet --to dxf --unload-idle convert " SVG_FIXTURES "/no-such.svg",
                                "convert " SVG_FIXTURES "/no-such.svg --unload-idle --quiet --to dxf"}) {
    ProgramRun run = drawhost(arguments);
    // Parsed alike: the drawing is missing, nothing about the options.
    EXPECT_EQ(run.status, 1) << arguments << "\n" << run.output;
    EXPECT_NE(run.output.find("drawhost: " SVG_FIXTURES "/no-such.svg: "), std::string::npos) << arguments << "\n"
                                                                                            << run.output;
  }
}

}  // namespace
