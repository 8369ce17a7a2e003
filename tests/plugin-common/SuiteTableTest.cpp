#include "plugin-common/SuiteTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using plugin::SuiteImport;

size_t rowOf(std::span<const SuiteImport> table, const std::string& name) {
  for (size_t row = 0; row < table.size(); ++row) {
    if (table[row].name == name) return row;
  }
  return table.size();
}

TEST(SuiteTable, EachTableHasItsSizeAndNoSuiteTwice) {
  for (auto [table, size] : {std::pair{plugin::converterSuiteTable(), size_t{115}}, {plugin::draftingSuiteTable(), size_t{112}}}) {
    EXPECT_EQ(table.size(), size);
    std::set<std::string> names;
    std::set<plugin::SuiteSlot> slots;
    for (const SuiteImport& row : table) {
      names.insert(row.name);
      slots.insert(row.destination);
    }
    EXPECT_EQ(names.size(), size);
    EXPECT_EQ(slots.size(), size);
  }
}

TEST(SuiteTable, TextEngineBlockStandsWhereEachPluginWantsIt) {
  auto converter = plugin::converterSuiteTable();
  size_t first = rowOf(converter, "ATE ApplicationPaint Suite");
  EXPECT_EQ(first, rowOf(converter, "AI Legacy Text Conversion Suite") + 1);
  EXPECT_EQ(rowOf(converter, "ATE WordsIterator Suite") + 1, rowOf(converter, "AI Art Set Suite"));
  auto drafting = plugin::draftingSuiteTable();
  EXPECT_EQ(rowOf(drafting, "ATE ApplicationPaint Suite"), rowOf(drafting, "AIATE Paint Suite") + 1);
  EXPECT_EQ(rowOf(drafting, "ATE WordsIterator Suite") + 1, rowOf(drafting, "AI Undo Suite"));
  EXPECT_STREQ(drafting.back().name, "ADM Image Suite");
  EXPECT_STREQ(converter.back().name, "ADM Icon Suite");
}

TEST(SuiteTable, VersionsDifferWhereThePluginsAskForDifferentOnes) {
  struct Case {
    const char* name;
    int32_t drafting;
    int32_t converter;
  };
  const Case cases[] = {{"AI Art Suite", 10, 12},        {"AI Path Suite", 5, 6},          {"AI Document Suite", 8, 9},
                        {"AI Document View Suite", 7, 8}, {"AI Path Style Suite", 5, 8},    {"AI Font Suite", 1, 2},
                        {"AI Foreign Object Suite", 1, 2}, {"ADM Dialog Suite", 5, 5},       {"SP Blocks Suite", 2, 2}};
  auto converter = plugin::converterSuiteTable();
  auto drafting = plugin::draftingSuiteTable();
  for (const Case& expected : cases) {
    EXPECT_EQ(drafting[rowOf(drafting, expected.name)].version, expected.drafting) << expected.name;
    EXPECT_EQ(converter[rowOf(converter, expected.name)].version, expected.converter) << expected.name;
  }
  EXPECT_EQ(rowOf(drafting, "AI File Format Suite"), drafting.size());
  EXPECT_EQ(rowOf(converter, "AI Tool Suite"), converter.size());
}

}  // namespace
