#include "ExportTestSupport.h"

#include <stdlib.h>

#include <algorithm>
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
