#include "ExportTestSupport.h"

#include <stdlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace converter::test {

std::string dxfLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::vector<DxfPair> dxfPairs(std::string_view text) {
  std::vector<std::string_view> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = std::min(text.find("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(lines.size() % 2, 0u) << "a group code without its value";
  std::vector<DxfPair> pairs;
  for (size_t index = 0; index + 1 < lines.size(); index += 2) {
    std::string_view codeLine = lines[index];
    // Readers take the code with its leading blanks, right-justified in three columns.
    size_t digits = codeLine.find_first_not_of(' ');
    int code = 0;
    auto [end, error] = std::from_chars(codeLine.data() + std::min(digits, codeLine.size()),
                                        codeLine.data() + codeLine.size(), code);
    EXPECT_TRUE(error == std::errc{} && end == codeLine.data() + codeLine.size())
        << "line " << index + 1 << " is no group code: \"" << codeLine << "\"";
    pairs.emplace_back(code, std::string(lines[index + 1]));
  }
  return pairs;
}

std::vector<std::string> valuesOf(const std::vector<DxfPair>& pairs, int code) {
  std::vector<std::string> values;
  for (const DxfPair& pair : pairs) {
    if (pair.first == code) values.push_back(pair.second);
  }
  return values;
}

size_t countOf(const std::vector<DxfPair>& pairs, const DxfPair& pair) {
  return static_cast<size_t>(std::count(pairs.begin(), pairs.end(), pair));
}

bool holdsRun(const std::vector<DxfPair>& pairs, const std::vector<DxfPair>& run) {
  return std::search(pairs.begin(), pairs.end(), run.begin(), run.end()) != pairs.end();
}

MemoryRecords::MemoryRecords(plugin::ConverterOptions options)
    : converterOptions(options), exportContext(std::make_unique<ExportContext>()),
      recordWriter(output, *exportContext, converterOptions) {
  exportContext->unitFactor = 1.0;
}

HostResult RecordingPasses::collectAndRegisterLineTypes(DxfRecordWriter& writer) {
  calls.push_back("lineTypes");
  return lineTypes ? lineTypes(writer) : 0;
}

HostResult RecordingPasses::writeBlocks(DxfRecordWriter& writer, int16_t depth) {
  calls.push_back("blocks " + std::to_string(depth));
  return blocks ? blocks(writer, depth) : 0;
}

HostResult RecordingPasses::writeEntities(DxfRecordWriter& writer) {
  calls.push_back("entities");
  return entities ? entities(writer) : 0;
}

void RecordingPasses::redrawProgress(int16_t percent) { calls.push_back("progress " + std::to_string(percent)); }

ExportDocument newDocument() {
  ExportDocument document;
  document.page.paper = {0, 0, 595, 842};
  document.page.printableArea = document.page.paper;
  document.page.pageOrigin = {0, 0};
  document.layers.push_back({"Layer 1", true, true, nullptr});
  return document;
}

}  // namespace converter::test
