#include "tests/converter/ConverterSession.h"

#include <gtest/gtest.h>

#include <fstream>

#include "host/sdk/FileFormatSuite.h"
#include "host/svg/SvgReader.h"

namespace converter::test {

void ConverterSession::start(const std::string& settingsLines) {
  environment.set("PLATFORM_DOCUMENTS", documents.path().string());
  if (!settingsLines.empty()) {
    platform::test::writeText(documents.path() / "Adobe/Illustrator/Prefs/KELMO-Pro.ini", settingsLines);
  }
  platform::Result<host::PluginModule*> loaded = host.loadPlugin(CONVERTER_MODULE);
  ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
  module = *loaded;
  ASSERT_TRUE(host.startPlugins().empty());
}

bool ConverterSession::open(const std::string& svg) {
  const std::filesystem::path path = documents.path() / "drawing.svg";
  platform::test::writeText(path, svg);
  platform::Result<host::svg::SvgReadResult> drawing = host::svg::readSvgFile(path);
  EXPECT_TRUE(drawing.ok()) << drawing.error().describe();
  if (!drawing) return false;
  host.replaceDocument(std::move(drawing->document));
  return true;
}

HostResult ConverterSession::save(const std::string& name) {
  const host::FileFormat* format = host.registrations().fileFormats.find("Drawing Interchange(DXF)");
  EXPECT_NE(format, nullptr);
  if (format == nullptr) return -1;
  return host.saveDocument(*format, FILE_FORMAT_WRITE, documents.path() / name);
}

bool ConverterSession::journalHas(const std::string& prefix) {
  return !host.journal().linesStartingWith(prefix).empty();
}

std::string ConverterSession::journalText() {
  std::string text;
  for (const std::string& line : host.journal().lines()) text += line + "\n";
  return text;
}

std::string DxfContents::entityTypes() const {
  std::string types;
  for (const DxfEntity& entity : entities) types += (types.empty() ? "" : " ") + entity.type;
  return types;
}

DxfContents readDxfContents(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::pair<int, std::string>> pairs;
  for (std::string code, value; std::getline(file, code) && std::getline(file, value);) {
    if (!code.empty() && code.back() == '\r') code.pop_back();
    if (!value.empty() && value.back() == '\r') value.pop_back();
    pairs.emplace_back(std::stoi(code), value);
  }
  DxfContents contents;
  std::string section;
  std::string table;
  std::vector<DxfEntity>* target = nullptr;
  DxfEntity* current = nullptr;
  for (const auto& [code, value] : pairs) {
    if (code == 0) {
      current = nullptr;
      if (value == "SECTION" || value == "ENDSEC" || value == "EOF") {
        section.clear();
        target = nullptr;
        continue;
      }
      if (section == "BLOCKS") {
        if (value == "BLOCK") {
          contents.blocks.push_back(DxfBlock{});
          target = &contents.blocks.back().entities;
          continue;
        }
        if (value == "ENDBLK") {
          target = nullptr;
          continue;
        }
      }
      if (section == "TABLES" && value == "LTYPE") table = value;
      if (target != nullptr) {
        target->push_back(DxfEntity{value, {}, {}});
        current = &target->back();
      }
      continue;
    }
    if (code == 2 && section.empty()) {
      section = value;
      if (section == "ENTITIES") target = &contents.entities;
      continue;
    }
    if (code == 2 && section == "BLOCKS" && target != nullptr && target->empty() && current == nullptr) {
      contents.blocks.back().name = value;
      continue;
    }
    if (code == 2 && section == "TABLES" && table == "LTYPE") {
      contents.lineTypes.push_back(value);
      table.clear();
      continue;
    }
    if (current != nullptr && code == 8) current->layer = value;
    if (current != nullptr && code == 2 && current->type == "INSERT") current->block = value;
  }
  return contents;
}

}  // namespace converter::test
