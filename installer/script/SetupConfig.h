#pragma once
// The [GENERAL] section of the setup configuration: language, install sets, install modes and options with their
// sizes and comments, the default install directory, the search for an existing installation and the cover page.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installer/script/ConfigText.h"
#include "installer/script/Language.h"
#include "installer/script/Tokens.h"

namespace installer {

/// What an install set runs: SI, MI and CI the install script, SD and CD the delete script; CI and CD show the
/// options page first.
enum class InstallType : int16_t {
  SI = 1,
  MI = 2,
  CI = 3,
  SD = 4,
  CD = 5,
};

/// True for SI, MI and CI.
[[nodiscard]] constexpr bool isInstallType(InstallType type) {
  return type == InstallType::SI || type == InstallType::MI || type == InstallType::CI;
}
/// True for CI and CD, which show the options page.
[[nodiscard]] constexpr bool showsOptionsPage(InstallType type) {
  return type == InstallType::CI || type == InstallType::CD;
}
/// "SI", "MI", "CI", "SD" or "CD".
[[nodiscard]] std::string_view installTypeName(InstallType type);

/// Install modes and options are numbered from 0 to this limit - 1.
inline constexpr size_t kChoiceLimit = 256;
/// At most this many install sets.
inline constexpr size_t kInstallSetLimit = 256;

/// One install mode or option.
struct Choice {
  /// True when the configuration declares it.
  bool exists = false;
  /// The label shown on the options page (with its mnemonic ampersand).
  std::string label;
  /// Its size in KB.
  uint32_t sizeKb = 0;
  /// The comment shown while it has the focus.
  std::string comment;
};

/// One install set.
struct InstallSet {
  /// The name in the install-set list.
  std::string name;
  /// The specification: type, install mode, options ("CI,0,1,2").
  std::string specification;
  /// The comment shown while the set is selected.
  std::string comment;
};

/// Everything [GENERAL] sets. Text is in the configuration's code page.
struct SetupConfig {
  /// The language; JAPANESE unless LANGUAGE says otherwise.
  LanguageId language = LanguageId::JAPANESE;
  /// The install sets in file order; the first is selected at start.
  std::vector<InstallSet> installSets;
  /// Install modes by number.
  std::array<Choice, kChoiceLimit> modes;
  /// Options by number.
  std::array<Choice, kChoiceLimit> options;
  /// The directory shown at start, macros expanded (default the root of the Windows drive).
  std::string installDirectory;
  /// The file names that mark an existing installation.
  std::vector<std::string> searchKeys;
  /// The question shown when an existing installation is found; empty for none.
  std::string findMessage;
  /// True when the cover page comes first.
  bool coverPage = false;
};

/// The language from the first LANGUAGE line of [GENERAL]: "ENGLISH", "JAPANESE" or "KOREAN" exactly; else
/// JAPANESE.
[[nodiscard]] LanguageId readLanguage(std::string_view buffer);

/// Reads [GENERAL] (the language first, in a pass of its own). Unknown keys and malformed numbered keys are
/// ignored. macros serve the expansion of INSTALLDIR ($A is empty then).
[[nodiscard]] SetupConfig readSetupConfig(std::string_view buffer, const MacroValues& macros);

/// The number glued to a numbered key ("OPTION3" with prefix "OPTION" gives 3): the key is shorter than 20
/// characters and the number has one to four digits and lies from 0 to 255; nothing otherwise.
[[nodiscard]] std::optional<int> numberedKey(std::string_view key, std::string_view prefix);

}  // namespace installer
