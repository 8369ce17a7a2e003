#include "installer/ui/SetupControls.h"

namespace installer {

void selectInstallSet(SetupControls& controls, const SetupConfig& config, size_t index) {
  controls.selectedSet = index;
  std::string_view specification = index < config.installSets.size()
                                       ? std::string_view(config.installSets[index].specification)
                                       : std::string_view{};
  controls.selection = selectionOf(config, specification);
}

void setMode(SetupControls& controls, size_t number, bool on) {
  if (number >= kChoiceLimit) return;
  if (on && controls.selection.modesAreRadio) controls.selection.modeOn.fill(false);
  controls.selection.modeOn[number] = on;
}

void chooseDrive(SetupControls& controls, char letter) {
  std::string& directory = controls.directory;
  if (directory.size() >= 2 && directory[1] == ':') {
    directory[0] = letter;
  } else {
    directory = std::string(1, letter) + ":\\";
  }
}

void nextFoundFolder(SetupControls& controls) {
  if (controls.foundFolders.empty()) return;
  controls.foundFolderIndex = (controls.foundFolderIndex + 1) % controls.foundFolders.size();
  controls.directory = controls.foundFolders[controls.foundFolderIndex];
}

}  // namespace installer
