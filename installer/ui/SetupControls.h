#pragma once
// The state of the controls on pages 1 and 2 that the user changes: the selected install set, the install
// directory and the install modes and options switched on.

#include <cstddef>
#include <string>
#include <vector>

#include "installer/script/Selection.h"
#include "installer/script/SetupConfig.h"

namespace installer {

/// The user's choices, as the set, directory and option controls hold them.
struct SetupControls {
  /// The index of the selected install set in config.installSets (0 when there is none).
  size_t selectedSet = 0;
  /// The modes and options switched on, and the selected set's type.
  Selection selection;
  /// The directory field, a Windows path in UTF-8.
  std::string directory;
  /// The folders of an existing installation that the search found ("Folder" steps through them), UTF-8.
  std::vector<std::string> foundFolders;
  /// The found folder the directory field shows (the "Folder" button's position).
  size_t foundFolderIndex = 0;
};

/// Selects an install set: every mode and option off, then the set's specification applied.
void selectInstallSet(SetupControls& controls, const SetupConfig& config, size_t index);

/// Switches an install mode: as a radio button it switches the others off.
void setMode(SetupControls& controls, size_t number, bool on);

/// A drive button: the directory field's drive letter becomes letter; a field without a drive becomes the
/// drive's root (D:\).
void chooseDrive(SetupControls& controls, char letter);

/// The "Folder" button: the next folder the search found, cyclically; nothing when none was found.
void nextFoundFolder(SetupControls& controls);

}  // namespace installer
