#pragma once
// What a command handler works with: the run's state, the drive map, the macros and the user interface.

#include <filesystem>
#include <string>
#include <string_view>

#include "installer/run/RunState.h"
#include "installer/script/CommandTable.h"
#include "installer/script/SetupConfig.h"
#include "installer/script/Tokens.h"
#include "installer/ui/UserInterface.h"
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
};

}  // namespace installer
