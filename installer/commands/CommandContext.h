#pragma once
// What a command handler works with: the run's state, the drive map, the macros and the user interface.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "installer/commands/RunState.h"
#include "installer/script/CommandEntry.h"
#include "installer/script/SetupConfig.h"
#include "installer/script/Tokens.h"
#include "installer/ui/UserInterface.h"
#include "platform/ContainedPath.h"
#include "platform/DriveMap.h"

namespace installer {

/// The run as a command sees it.
class CommandContext {
public:
  /// A context over the run's parts (none owned).
  CommandContext(RunState& state, UserInterface& ui, const platform::DriveMap& drives, const SetupConfig& config,
                 const MacroValues& macros, const std::filesystem::path& setupDirectory)
      : state(state), ui(ui), drives(drives), config(config), macros(macros), setupDirectory(setupDirectory) {}

  /// The run's state.
  RunState& state;
  /// The pages and boxes.
  UserInterface& ui;
  /// Windows paths to Linux paths.
  const platform::DriveMap& drives;
  /// The configuration.
  const SetupConfig& config;
  /// The macro values ($A and the others), in the configuration's code page.
  const MacroValues& macros;
  /// The setup directory (Linux).
  const std::filesystem::path& setupDirectory;
  /// The name of the command that runs.
  std::string_view commandName;

  /// Sets the progress page's status line (UTF-8) and shows it.
  void setStatus(std::string text) {
    state.status = std::move(text);
    ui.showStatus(state.status);
  }

  /// Records a problem of the command that runs, for the summary at the end, and writes it to the log.
  void recordProblem(std::string why) {
    ui.note("problem: line " + std::to_string(state.line) + " " + std::string(commandName) + ": " + why);
    state.problems.push_back(RunProblem{state.line, std::string(commandName), std::move(why)});
  }

  /// The folders the run may change: the drives, the setup directory and the current disk group's folder.
  [[nodiscard]] const platform::WriteScope& writeScope() {
    if (!scope || scopeFolder != state.sourceFolder) {
      scope.emplace();
      drives.allowDrives(*scope);
      scope->allow(setupDirectory);
      // A disk folder beside the setup directory is changed beneath that parent: a link there is not followed.
      if (!state.sourceFolder.empty() && state.sourceFolder != setupDirectory) {
        scope->allow(state.sourceFolder.parent_path(), state.sourceFolder.filename());
      }
      scopeFolder = state.sourceFolder;
    }
    return *scope;
  }

private:
  std::optional<platform::WriteScope> scope;
  std::filesystem::path scopeFolder;
};

}  // namespace installer
