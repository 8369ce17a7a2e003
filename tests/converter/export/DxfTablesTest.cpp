#include "converter/export/DxfTableEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportTestSupport.h"
#include "converter/export/DxfLayerNames.h"

namespace converter {
namespace {

using test::dxfLines;
using test::DxfPair;
using test::dxfPairs;
using test::MemoryRecords;
using test::valuesOf;

TEST(DxfTables, LineTypeOfAnOddPatternDropsItsLastDash) {
  MemoryRecords records;
  records.context().unitFactor = 0.5;
  LineTypeEntry pattern{3, {6, 3, 2, 0, 0, 0}};
  writeLineTypeEntry(records.writer(), 0, pattern);
  EXPECT_EQ(records.text(), dxfLines({"  0", "LTYPE", "  2", "AIGENLINE001", " 70", "64", "  3",
                                      "generate AI->DXF Converter", " 72", "65", " 73", "2", " 40", "4.500000", " 49",
                                      "3.000000", " 49", "-1.500000"}));
}

TEST(DxfTables, LineTypeOfSixElementsAndTheLastIndex) {
  MemoryRecords records;
  LineTypeEntry pattern{6, {1, 2, 3, 4, 5, 6}};
  writeLineTypeEntry(records.writer(), 255, pattern);
  EXPECT_EQ(records.text(), dxfLines({"  0", "LTYPE", "  2", "AIGENLINE256", " 70", "64", "  3",
                                      "generate AI->DXF Converter", " 72", "65", " 73", "6", " 40", "21.000000",
                                      " 49", "1.000000", " 49", "-2.000000", " 49", "3.000000", " 49", "-4.000000",
                                      " 49", "5.000000", " 49", "-6.000000"}));
}

TEST(DxfTables, LineTypeCountBeyondTheStoredElementsIsCut) {
  MemoryRecords records;
  LineTypeEntry pattern{1000, {1, 1, 1, 1, 1, 1}};
  writeLineTypeEntry(records.writer(), 0, pattern);
  std::vector<DxfPair> pairs = dxfPairs(records.text());
  EXPECT_EQ(valuesOf(pairs, 73), std::vector<std::string>{"6"});
  EXPECT_EQ(valuesOf(pairs, 49).size(), 6u);
}

TEST(DxfTables, LayerEntryIsOffUnlessVisibleAndPrintable) {
  MemoryRecords records;
  writeLayerEntry(records.writer(), "Cut", true, true);
  writeLayerEntry(records.writer(), "Hidden", false, true);
  writeLayerEntry(records.writer(), "Draft", true, false);
  EXPECT_EQ(records.text(), dxfLines({"  0", "LAYER", "  2", "Cut", " 70", "64", " 62", "7", "  6", "CONTINUOUS",
                                      "  0", "LAYER", "  2", "Hidden", " 70", "64", " 62", "-7", "  6", "CONTINUOUS",
                                      "  0", "LAYER", "  2", "Draft", " 70", "64", " 62", "-7", "  6", "CONTINUOUS"}));
}

struct LayerNameCase {
  const char* name;
  int16_t fuselname;
  int16_t ftiipcomp;
  std::vector<std::string> expected;
};

TEST(DxfLayerNames, NumberedTitledAndTiip) {
  std::vector<ExportLayer> layers;
  for (const char* title : {"Cut", "Plan Configuration Layer", "Cut", "Fold", "Cut"}) {
    layers.push_back({title, true, true, nullptr});
  }
  const LayerNameCase cases[] = {
      // Configuration layers keep their titles and are not counted.
      {"numbered", 0, plugin::TIIP_NONE, {"LAYER_1", "Plan Configuration Layer", "LAYER_2", "LAYER_3", "LAYER_4"}},
      {"titled", 1, plugin::TIIP_NONE, {"Cut", "Plan Configuration Layer", "Cut_1", "Fold", "Cut_2"}},
      {"TIIP general numbers too", 0, plugin::TIIP_GENERAL,
       {"LAYER_1", "Plan Configuration Layer", "LAYER_2", "LAYER_3", "LAYER_4"}},
      {"TIIP one layer", 1, plugin::TIIP_ASAHI_KASEI_AGMS, {"1", "Plan Configuration Layer", "1", "1", "1"}},
      {"TIIP one layer, numbered", 0, plugin::TIIP_TORAY_CREACOMPO, {"1", "Plan Configuration Layer", "1", "1", "1"}},
  };
  for (const LayerNameCase& test : cases) {
    SCOPED_TRACE(test.name);
    plugin::ConverterOptions options = plugin::defaultConverterOptions();
    options.fuselname = test.fuselname;
    options.ftiipcomp = test.ftiipcomp;
    EXPECT_EQ(layerNames(layers, options), test.expected);
  }
}

}  // namespace
}  // namespace converter
