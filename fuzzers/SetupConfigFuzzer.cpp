// WENDRIX.INI as the installer reads it before and during a run: the language and [GENERAL], every install
// set's selection, the lines that name no command, then both script sections line by line as the run meets
// them: disk labels, command names, conditions, and every argument with its escapes and macros.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "installer/commands/CommandTable.h"
#include "installer/script/Conditions.h"
#include "installer/script/ConfigText.h"
#include "installer/script/Script.h"
#include "installer/script/Selection.h"
#include "installer/script/SetupConfig.h"
#include "installer/script/Tokens.h"

namespace {

installer::MacroValues macros() {
  installer::MacroValues values;
  values.installDirectory = "C:\\APP";
  values.windowsDirectory = "C:\\WINDOWS";
  values.systemDirectory = "C:\\WINDOWS\\SYSTEM";
  values.specialFolder = [](int number) { return number == 2 ? std::string("C:\\PROGRAMS") : std::string(); };
  return values;
}

void runScript(std::string_view buffer, const installer::SetupConfig& config, const installer::Selection& selection,
               const installer::MacroValues& values) {
  const std::optional<std::size_t> section =
      installer::findSection(buffer, installer::scriptHeader(selection.type), config.language);
  if (!section) return;
  const auto table = installer::commandTable();
  (void)installer::totalSteps(installer::countCommands(buffer, *section, config, selection, table));
  // Every line named lies in the file.
  const std::size_t lastLine = installer::lineNumberAt(buffer, buffer.size());
  const auto unknown = installer::unknownCommands(buffer, *section, config.language, table);
  for (const installer::UnknownCommand& named : unknown) {
    if (named.line == 0 || named.line > lastLine) __builtin_trap();
  }
  std::size_t position = *section;
  while (std::optional<std::string> line = installer::readLine(buffer, position, config.language)) {
    if (!line->empty() && line->front() == '[') break;
    if (std::optional<installer::DiskLabel> label = installer::diskLabelOf(*line)) {
      (void)installer::isPlainDiskLabel(label->label);
      continue;
    }
    const installer::CommandLine command = installer::commandLineOf(*line);
    if (installer::findCommand(table, command.name) == nullptr) continue;
    if (!installer::conditionHolds(installer::parseCondition(*line), config, selection)) continue;
    for (std::size_t at = 0; at < command.arguments.size();) {
      const std::size_t before = at;
      (void)installer::argumentIsQuoted(command.arguments, at);
      (void)installer::readArgument(command.arguments, at, values);
      if (at <= before) break;  // an argument that takes nothing would not end
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view buffer(reinterpret_cast<const char*>(data), size);
  installer::MacroValues values = macros();
  const installer::SetupConfig config = installer::readSetupConfig(buffer, values);
  for (const installer::InstallSet& set : config.installSets) {
    const installer::Selection selection = installer::selectionOf(config, set.specification);
    (void)installer::selectedTotalKb(config, selection);
    runScript(buffer, config, selection, values);
  }
  // The delete script as well, which a set of type CD runs.
  runScript(buffer, config, installer::selectionOf(config, "CD"), values);
  return 0;
}
