#include "apps/drawhost/OutputSummary.h"

#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

#include "host/document/ArtWalk.h"
#include "host/document/Document.h"

namespace drawhost {
namespace {

/// The value of a line without its line end and the right-aligned spaces of a group code.
std::string_view trimmed(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  return line;
}

}  // namespace

std::optional<OutputSummary> summariseDxf(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return std::nullopt;
  // Drawings reach hundreds of megabytes: a large buffer keeps the scan at disk speed.
  std::vector<char> buffer(1 << 20);
  stream.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  OutputSummary summary;
  std::string code;
  std::string value;
  std::string section;
  bool nextIsSectionName = false;
  while (std::getline(stream, code) && std::getline(stream, value)) {
    if (trimmed(code) != "0") {
      if (nextIsSectionName && trimmed(code) == "2") section = trimmed(value);
      nextIsSectionName = false;
      continue;
    }
    const std::string_view type = trimmed(value);
    nextIsSectionName = type == "SECTION";
    if (type == "ENDSEC") section.clear();
    if (section == "TABLES" && type == "LAYER") ++summary.layers;
    if (section == "BLOCKS" && type == "BLOCK") ++summary.blocks;
    const bool entitySection = section == "ENTITIES" || section == "BLOCKS";
    if (entitySection && type != "VERTEX" && type != "SEQEND" && type != "BLOCK" && type != "ENDBLK" && type != "ENDSEC") {
      ++summary.entities;
    }
  }
  return summary;
}

OutputSummary summariseDocument(const host::Document& document) {
  OutputSummary summary;
  summary.layers = document.layerCount();
  for (int32_t index = 0; index < document.layerCount(); ++index) {
    (void)host::walkArt(*document.layerAt(index)->group(), [&](const host::Art& art) {
      if (art.type() == host::ArtType::GROUP) {
        ++summary.blocks;
      } else if (art.type() == host::ArtType::PATH || art.type() == host::ArtType::TEXT_FRAME) {
        ++summary.entities;
      }
      return host::WalkStep::CONTINUE;
    });
  }
  return summary;
}

std::string summaryLine(const std::filesystem::path& input, const std::filesystem::path& output,
                        const OutputSummary& summary, double seconds) {
  char counts[160];
  std::snprintf(counts, sizeof counts, ": %lld entities, %lld blocks, %lld layers, %.2f s",
                static_cast<long long>(summary.entities), static_cast<long long>(summary.blocks),
                static_cast<long long>(summary.layers), seconds);
  return input.string() + " -> " + output.string() + counts;
}

}  // namespace drawhost
