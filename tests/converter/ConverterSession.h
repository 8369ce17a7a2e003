#pragma once
// KELMO-Pro in a headless host with a documents folder of its own, and what a saved DXF file holds.

#include <filesystem>
#include <string>
#include <vector>

#include "host/Host.h"
#include "tests/platform/TestSupport.h"

namespace converter::test {

/// A headless host whose documents folder holds KELMO-Pro's settings file with the given lines.
class ConverterSession {
public:
  /// Loads and starts KELMO-Pro with settingsLines as its settings file (none when empty).
  void start(const std::string& settingsLines);
  /// Replaces the document with the SVG text; false (and a test failure) when it does not read.
  bool open(const std::string& svg);
  /// Saves the document through KELMO-Pro as name in the documents folder; returns the host's result.
  HostResult save(const std::string& name);

  [[nodiscard]] bool journalHas(const std::string& prefix);
  [[nodiscard]] std::string journalText();
  [[nodiscard]] std::filesystem::path file(const std::string& name) const { return documents.path() / name; }

  platform::test::TemporaryFolder documents;
  platform::test::ScopedEnvironment environment;
  host::Host host;
  host::PluginModule* module = nullptr;
};

/// One entity of a DXF file: its type, layer (group 8) and, for an INSERT, the block it inserts (group 2).
struct DxfEntity {
  std::string type;
  std::string layer;
  std::string block;
};

/// One BLOCK with its entities.
struct DxfBlock {
  std::string name;
  std::vector<DxfEntity> entities;
};

/// The blocks (in file order) and the entities of the ENTITIES section of a DXF file.
struct DxfContents {
  std::vector<DxfBlock> blocks;
  std::vector<DxfEntity> entities;
  std::vector<std::string> lineTypes;

  /// The entity types of entities, joined by spaces ("POLYLINE VERTEX ... SEQEND INSERT").
  [[nodiscard]] std::string entityTypes() const;
};

/// Reads the group pairs of a DXF file (CR LF or LF line ends) into its blocks and entities.
[[nodiscard]] DxfContents readDxfContents(const std::filesystem::path& path);

}  // namespace converter::test
