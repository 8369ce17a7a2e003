#include "installer/ui/HeadlessUi.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "installer/script/Language.h"

namespace installer {
namespace {

std::string pageName(Page page) {
  switch (page) {
    case Page::COVER:
      return "0 cover";
    case Page::SET_AND_DIRECTORY:
      return "1 set and directory";
    case Page::OPTIONS:
      return "2 options";
    case Page::PROGRESS:
      return "3 progress";
  }
  return "?";
}

std::string withoutAmpersands(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != '&') out += c;
  }
  return out;
}

std::string joinNumbers(const std::vector<int>& numbers) {
  if (numbers.empty()) return "none";
  std::string out;
  for (int number : numbers) out += (out.empty() ? "" : ",") + std::to_string(number);
  return out;
}

std::string buttonList(const std::vector<ButtonCode>& buttons) {
  std::string out;
  for (ButtonCode button : buttons) out += (out.empty() ? "" : ", ") + std::string(buttonName(button));
  return out;
}

/// Switches on exactly the numbered choices the answers name (numbers 0 to 255, as the answers file allows);
/// each must be declared by the configuration.
platform::Result<void> switchOnExactly(const std::vector<int>& numbers, const std::array<Choice, kChoiceLimit>& declared,
                                       std::array<bool, kChoiceLimit>& on, std::string_view what) {
  on.fill(false);
  for (int number : numbers) {
    if (!declared[static_cast<size_t>(number)].exists) {
      return platform::fail("the answers switch on " + std::string(what) + " " + std::to_string(number) +
                            ", which the configuration does not declare");
    }
    on[static_cast<size_t>(number)] = true;
  }
  return {};
}

}  // namespace

HeadlessUi::HeadlessUi(const Answers& answers, const SetupConfig& config, RunLog& log)
    : answers(answers), config(config), log(log) {}

void HeadlessUi::logPage(const PageView& view) {
  log.write("page", pageName(view.page));
  for (const std::string& line : view.lines) log.write("  text", line);
}

platform::Result<void> HeadlessUi::applyChoices(SetupControls& controls) const {
  if (answers.set) {
    std::vector<std::string> names;
    bool found = false;
    for (size_t index = 0; index < config.installSets.size(); ++index) {
      std::string name = textToUtf8(config.installSets[index].name, config.language);
      if (name == *answers.set || withoutAmpersands(name) == *answers.set) {
        selectInstallSet(controls, config, index);
        found = true;
        break;
      }
      names.push_back("\"" + name + "\"");
    }
    if (!found) {
      std::string known;
      for (const std::string& name : names) known += (known.empty() ? "" : ", ") + name;
      return platform::fail("the answers name the install set \"" + *answers.set + "\", but the configuration has " +
                            (known.empty() ? std::string("none") : known));
    }
  }
  if (answers.modes) {
    if (platform::Result<void> switched =
            switchOnExactly(*answers.modes, config.modes, controls.selection.modeOn, "install mode");
        !switched) {
      return switched;
    }
  }
  if (answers.options) {
    if (platform::Result<void> switched =
            switchOnExactly(*answers.options, config.options, controls.selection.optionOn, "option");
        !switched) {
      return switched;
    }
  }
  if (answers.directory) controls.directory = *answers.directory;
  return {};
}

platform::Result<PageButton> HeadlessUi::runPage(const PageView& view, SetupControls& controls) {
  logPage(view);
  // A question answered Cancel (the disk-space question) leaves the run on its page; a person would then press
  // the page's Cancel, and so does the headless run, so that every Cancel ends the same way.
  bool backAfterCancel = lastAnswer == ButtonCode::CANCEL &&
                         ((view.page == Page::SET_AND_DIRECTORY && setPageVisits > 0) ||
                          (view.page == Page::OPTIONS && optionsPageShown));
  if (backAfterCancel) {
    log.write("press", "Cancel");
    return PageButton::CANCEL;
  }
  if (view.page == Page::SET_AND_DIRECTORY) {
    if (++setPageVisits > 1) {
      return platform::fail("the run came back to page 1 after \"" + RunLog::escaped(lastAnswerText) +
                            "\"; the answers do not lead past it");
    }
    if (!choicesApplied) {
      if (platform::Result<void> applied = applyChoices(controls); !applied) return applied.error();
      choicesApplied = true;
    }
    std::vector<int> modes;
    std::vector<int> options;
    for (size_t index = 0; index < kChoiceLimit; ++index) {
      if (controls.selection.modeOn[index] && config.modes[index].exists) modes.push_back(static_cast<int>(index));
      if (controls.selection.optionOn[index] && config.options[index].exists)
        options.push_back(static_cast<int>(index));
    }
    std::string setName = controls.selectedSet < config.installSets.size()
                              ? textToUtf8(config.installSets[controls.selectedSet].name, config.language)
                              : std::string("(none)");
    log.write("choose", "set \"" + setName + "\", directory " + controls.directory + ", modes " + joinNumbers(modes) +
                            ", options " + joinNumbers(options));
  } else if (view.page == Page::OPTIONS) {
    if (optionsPageShown) {
      return platform::fail("the run came back to page 2 after \"" + RunLog::escaped(lastAnswerText) +
                            "\"; the answers do not lead past it");
    }
    optionsPageShown = true;
  }
  log.write("press", "OK");
  return PageButton::OK;
}

void HeadlessUi::showProgressPage(const PageView& view) { logPage(view); }

platform::Result<ButtonCode> HeadlessUi::showMessage(const MessageBoxRequest& box) {
  std::vector<ButtonCode> buttons = buttonsOf(box.style);
  std::string label = box.number != 0 ? std::to_string(box.number) : std::string("FINDMESSAGE");
  log.write("message " + label, "[" + box.title + "] (" + buttonList(buttons) + ") " + box.text);

  std::optional<ButtonCode> answer;
  std::string source;
  if (box.number != 0) {
    if (auto given = answers.messages.find(box.number); given != answers.messages.end()) {
      answer = given->second;
      source = "message." + label;
    }
  } else if (answers.findMessage) {
    answer = answers.findMessage;
    source = "message.FINDMESSAGE";
  }
  if (!answer && answers.messageDefault &&
      std::find(buttons.begin(), buttons.end(), *answers.messageDefault) != buttons.end()) {
    answer = answers.messageDefault;
  }
  if (!answer) answer = preselectedButton(box.style);
  if (std::find(buttons.begin(), buttons.end(), *answer) == buttons.end()) {
    return platform::fail("the answer " + std::string(buttonName(*answer)) + " (" + source +
                          ") is not a button of message " + label + " \"" + RunLog::escaped(box.text) +
                          "\" (its buttons: " + buttonList(buttons) + ")");
  }

  std::string key = label + "\x1f" + box.text + "\x1f" + std::string(buttonName(*answer));
  seenBoxes[key] += 1;
  if (seenBoxes[key] > kRepeatLimit) {
    return platform::fail("message " + label + " \"" + RunLog::escaped(box.text) +
                          "\" keeps coming back when answered " + std::string(buttonName(*answer)) +
                          "; the answers cannot end it");
  }
  lastAnswerText = box.text;
  lastAnswer = *answer;
  log.write("answer", buttonName(*answer));
  return *answer;
}

void HeadlessUi::showStatus(std::string_view text) { log.write("status", text); }

void HeadlessUi::showDiskGroup(size_t number, std::string_view label, std::string_view description) {
  log.write("group", std::to_string(number) + " " + std::string(label) + " " + std::string(description));
}

void HeadlessUi::showStep(size_t step, size_t total, std::string_view command) {
  log.write("step", std::to_string(step) + "/" + std::to_string(total) + " " + std::string(command));
}

void HeadlessUi::note(std::string_view text) { log.write("note", text); }

platform::Result<void> HeadlessUi::runTimer(std::chrono::milliseconds, ProgressDriver& driver) {
  // Headless time is virtual: the ticks follow each other at once, in the order the timer would give them.
  bool breakPressed = false;
  while (true) {
    if (answers.breakAtStep && !breakPressed && driver.currentStep() >= *answers.breakAtStep) {
      breakPressed = true;
      log.write("press", "Break");
      platform::Result<bool> goOn = driver.pressBreak();
      if (!goOn) return goOn.error();
      if (!*goOn) return {};
    }
    platform::Result<bool> goOn = driver.tick();
    if (!goOn) return goOn.error();
    if (!*goOn) return {};
  }
}

}  // namespace installer
