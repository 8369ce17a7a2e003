#include "installer/ui/SetupListing.h"

#include <array>
#include <cstddef>

#include "installer/script/Language.h"
#include "installer/script/Selection.h"
#include "installer/ui/SizeText.h"

namespace installer {
namespace {

// The numbers of the declared choices that are on, "1,3", or "none".
std::string numbersOn(const std::array<Choice, kChoiceLimit>& declared, const std::array<bool, kChoiceLimit>& on) {
  std::string numbers;
  for (size_t index = 0; index < kChoiceLimit; ++index) {
    if (declared[index].exists && on[index]) numbers += (numbers.empty() ? "" : ",") + std::to_string(index);
  }
  return numbers.empty() ? "none" : numbers;
}

// One mode or option: number, label, size and comment; the label's tab column becomes two spaces.
std::string choiceLine(const SetupConfig& config, size_t number, const Choice& choice) {
  std::string size = sizeColumn(choice.sizeKb);
  if (!size.empty() && size.front() == '\t') size.erase(0, 1);
  std::string line = "  " + std::to_string(number) + "  " + textToUtf8(choice.label, config.language) + "  " + size;
  if (!choice.comment.empty()) line += "  (" + textToUtf8(choice.comment, config.language) + ")";
  return line + "\n";
}

}  // namespace

std::string listSetup(const SetupConfig& config) {
  std::string text = "install sets (answers: set = NAME):\n";
  for (const InstallSet& set : config.installSets) {
    Selection selection = selectionOf(config, set.specification);
    text += "  \"" + textToUtf8(set.name, config.language) + "\"  " + std::string(installTypeName(selection.type)) +
            (isInstallType(selection.type) ? " install" : " delete") + ", modes " +
            (selection.modesAreRadio ? "(one of) " : "") + numbersOn(config.modes, selection.modeOn) + ", options " +
            numbersOn(config.options, selection.optionOn);
    if (!set.comment.empty()) text += "  (" + textToUtf8(set.comment, config.language) + ")";
    text += "\n";
  }
  for (const auto& [title, choices] : {std::pair{"install modes (answers: modes = N,...):", &config.modes},
                                       std::pair{"options (answers: options = N,...):", &config.options}}) {
    text += std::string(title) + "\n";
    bool any = false;
    for (size_t number = 0; number < kChoiceLimit; ++number) {
      if (!(*choices)[number].exists) continue;
      text += choiceLine(config, number, (*choices)[number]);
      any = true;
    }
    if (!any) text += "  none\n";
  }
  return text;
}

}  // namespace installer
