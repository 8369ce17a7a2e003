#include "installer/ui/PageViews.h"

#include <string>
#include <string_view>
#include <system_error>

#include "installer/script/Language.h"
#include "installer/script/Selection.h"
#include "installer/ui/MessageTable.h"
#include "installer/ui/SizeText.h"

namespace installer {
namespace {

// A label as the page shows it: "&" marks the mnemonic letter (drawn underlined), "&&" is an ampersand.
std::string visibleLabel(std::string_view label) {
  std::string out;
  for (size_t index = 0; index < label.size(); ++index) {
    if (label[index] == '&' && index + 1 < label.size()) ++index;
    out += label[index];
  }
  return out;
}

// The first "%7.1f" of line replaced by the size in MB.
void putMegabytes(std::string& line, uint64_t sizeKb) {
  size_t format = line.find("%7.1f");
  if (format != std::string::npos) line.replace(format, 5, megabytesText(sizeKb));
}

}  // namespace

PageView coverView(const std::filesystem::path& coverFile) {
  PageView view{Page::COVER, {}};
  std::error_code error;
  view.lines.push_back(std::filesystem::exists(coverFile, error) ? coverFile.filename().string()
                                                                 : std::string("(no cover bitmap)"));
  return view;
}

PageView setPageView(const SetupConfig& config, const SetupControls& controls, const platform::DriveMap& drives,
                     uint64_t freeKb) {
  const auto utf8 = [&](std::string_view configText) { return textToUtf8(configText, config.language); };
  PageView view{Page::SET_AND_DIRECTORY, {}};
  for (size_t index = 0; index < config.installSets.size(); ++index) {
    view.lines.push_back(std::string(index == controls.selectedSet ? "(*) " : "( ) ") +
                         utf8(config.installSets[index].name));
  }
  if (controls.selectedSet < config.installSets.size() && !config.installSets[controls.selectedSet].comment.empty()) {
    view.lines.push_back(std::string(message(MSG_COMMENT, config.language)) + ": " +
                         utf8(config.installSets[controls.selectedSet].comment));
  }
  view.lines.push_back(std::string(message(MSG_INSTALL_DIRECTORY, config.language)) + " " + controls.directory);
  std::string driveButtons;
  for (char letter : drives.drives()) driveButtons += (driveButtons.empty() ? "" : " ") + std::string(1, letter) + ":";
  view.lines.push_back("drives: " + driveButtons);
  if (!controls.foundFolders.empty())
    view.lines.push_back("folders found: " + std::to_string(controls.foundFolders.size()));
  std::string available(message(MSG_AVAILABLE_DISK_SPACE, config.language));
  putMegabytes(available, freeKb);
  view.lines.push_back(available);
  return view;
}

PageView optionsPageView(const SetupConfig& config, const SetupControls& controls, uint64_t freeKb) {
  const auto utf8 = [&](std::string_view configText) { return textToUtf8(configText, config.language); };
  PageView view{Page::OPTIONS, {std::string(message(MSG_OPTION, config.language))}};
  for (size_t index = 0; index < kChoiceLimit; ++index) {
    const Choice& mode = config.modes[index];
    if (!mode.exists) continue;
    bool on = controls.selection.modeOn[index];
    std::string mark = controls.selection.modesAreRadio ? (on ? "(*) " : "( ) ") : (on ? "[x] " : "[ ] ");
    view.lines.push_back(mark + "mode " + std::to_string(index) + " " + visibleLabel(utf8(mode.label)) +
                         sizeColumn(mode.sizeKb));
  }
  view.lines.push_back("--------");
  for (size_t index = 0; index < kChoiceLimit; ++index) {
    const Choice& option = config.options[index];
    if (!option.exists) continue;
    std::string mark = controls.selection.optionOn[index] ? "[x] " : "[ ] ";
    view.lines.push_back(mark + "option " + std::to_string(index) + " " + visibleLabel(utf8(option.label)) +
                         sizeColumn(option.sizeKb));
  }
  std::string totals(message(MSG_TOTAL_AND_AVAILABLE, config.language));
  for (uint64_t value : {selectedTotalKb(config, controls.selection), freeKb}) putMegabytes(totals, value);
  view.lines.push_back(totals);
  return view;
}

}  // namespace installer
