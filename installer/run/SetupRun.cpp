#include "installer/run/SetupRun.h"

#include <optional>
#include <system_error>

#include "installer/commands/CommandContext.h"
#include "installer/commands/RunState.h"
#include "installer/run/DirectoryCheck.h"
#include "installer/run/ExistingInstallation.h"
#include "installer/script/Conditions.h"
#include "installer/script/Script.h"
#include "installer/ui/MessageTable.h"
#include "installer/ui/PageViews.h"
#include "installer/ui/SizeText.h"
#include "platform/AsciiText.h"

namespace installer {
namespace {

// A name as a summary shows it: a line of any length (a damaged file's, say) is cut after 40 bytes, between
// UTF-8 characters.
std::string shortenedName(std::string name) {
  constexpr std::size_t kShownBytes = 40;
  if (name.size() <= kShownBytes) return name;
  std::size_t cut = kShownBytes;
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  name.resize(cut);
  return name + "...";
}

namespace fs = std::filesystem;

constexpr std::string_view kCoverBitmap = "COVER.BMP";
constexpr std::string_view kTitleWendrix = "WENDRIX";

// A start-up file: its path template and the fallback name used when it is missing.
struct StartupFileNames {
  std::string_view name;
  std::string_view pathTemplate;
  std::string_view fallbackName;
};

constexpr StartupFileNames kStartupFiles[] = {
    {"CONFIG.SYS", "$R\\\\CONFIG.SYS", "CONFIG.ADD"},
    {"AUTOEXEC.BAT", "$R\\\\AUTOEXEC.BAT", "AUTOEXEC.ADD"},
    {"SYSTEM.INI", "$W\\\\SYSTEM.INI", "SYSTEM.ADD"},
    {"WIN.INI", "$W\\\\WIN.INI", "WIN.ADD"},
};

bool existsCaseInsensitive(const platform::DriveMap& drives, const std::string& windowsPath) {
  platform::Result<fs::path> path = drives.toLinux(windowsPath);
  std::error_code error;
  return path && fs::exists(*path, error);
}

// The entry of folder named name without regard to case, or folder / name.
fs::path entryIgnoringCase(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (fs::exists(folder / name, error)) return folder / name;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (platform::equalsIgnoringAsciiCase(entry.path().filename().string(), name)) return entry.path();
  }
  return folder / name;
}

// The run: pages, then the script in timer ticks.
class SetupRun final : public ProgressDriver {
public:
  SetupRun(const Setup& setup, const platform::DriveMap& drives, UserInterface& ui, std::span<const CommandEntry> table)
      : setup(setup),
        config(setup.config),
        drives(drives),
        ui(ui),
        table(table),
        macros(macroValuesFor(config.language, {})),
        context(state, ui, drives, config, macros, setup.setupDirectory) {}

  RunOutcome run();

  platform::Result<bool> tick() override;
  platform::Result<bool> pressBreak() override;
  size_t currentStep() const override { return state.step < 0 ? 0 : static_cast<size_t>(state.step); }

private:
  std::string text(int number) const { return std::string(message(number, config.language)); }
  std::string utf8(std::string_view configText) const { return textToUtf8(configText, config.language); }
  platform::Result<ButtonCode> ask(int number, std::string body, std::string title, uint32_t style) {
    return ui.showMessage(MessageBoxRequest{number, std::move(body), std::move(title), style});
  }

  void searchExistingInstallation();
  PageView pageView(Page page) const;
  platform::Result<bool> startRun();
  platform::Result<bool> enterDiskGroup();
  platform::Result<void> finishRun();
  RunOutcome ended(RunEnd end, std::string problem = {});

  const Setup& setup;
  const SetupConfig& config;
  const platform::DriveMap& drives;
  UserInterface& ui;
  std::span<const CommandEntry> table;
  MacroValues macros;
  RunState state;
  CommandContext context;
  SetupControls controls;

  size_t scriptPosition = 0;
  std::optional<DiskLabel> pendingGroup;  // the group whose folder is made current before its first command
  std::optional<RunEnd> end;
  std::string interfaceFailure;  // set when a command's box could not be answered
  size_t stepsRun = 0;
};

RunOutcome SetupRun::ended(RunEnd how, std::string problem) {
  RunOutcome outcome;
  outcome.end = how;
  outcome.problem = std::move(problem);
  outcome.stepsRun = stepsRun;
  outcome.totalSteps = state.total;
  outcome.notAvailable = state.notAvailable;
  outcome.problems = state.problems;
  return outcome;
}

void SetupRun::searchExistingInstallation() {
  if (config.searchKeys.empty() || controls.directory.size() < 2) return;
  platform::Result<uint64_t> free = drives.freeSpaceKb(controls.directory);
  if (!free) return;
  ui.note(text(MSG_UNDER_REFERENCE));
  std::vector<std::string> keys;
  for (const std::string& key : config.searchKeys) keys.push_back(utf8(key));
  controls.foundFolders = findExistingInstallation(drives, controls.directory[0], keys);
  ui.note("existing installation: " + std::to_string(controls.foundFolders.size()) + " folder(s) found");
}

PageView SetupRun::pageView(Page page) const {
  if (page == Page::COVER) return coverView(entryIgnoringCase(setup.setupDirectory, std::string(kCoverBitmap)));
  uint64_t freeKb = freeSpaceOf(controls.directory, drives);
  return page == Page::SET_AND_DIRECTORY ? setPageView(config, controls, drives, freeKb)
                                         : optionsPageView(config, controls, freeKb);
}

// OK on page 1 or 2: the disk-space question, then the script. False when the run stays on the page.
platform::Result<bool> SetupRun::startRun() {
  macros = macroValuesFor(config.language, controls.directory);
  uint64_t total = selectedTotalKb(config, controls.selection);
  uint64_t free = freeSpaceOf(controls.directory, drives);
  std::string title = text(MSG_TITLE_MESSAGE);
  if (isInstallType(controls.selection.type)) {
    if (total >= free) {
      platform::Result<ButtonCode> shown = ask(
          MSG_SPACE_CANNOT_INSTALL, formatMessage(text(MSG_SPACE_CANNOT_INSTALL), {spaceText(total), spaceText(free)}),
          title, kInformationOk);
      if (!shown) return shown.error();
      return false;
    }
    platform::Result<ButtonCode> answer =
        ask(MSG_SPACE_INSTALL, formatMessage(text(MSG_SPACE_INSTALL), {spaceText(total), spaceText(free)}), title,
            kInformationOkCancel);
    if (!answer) return answer.error();
    if (*answer != ButtonCode::OK) return false;
  } else {
    platform::Result<ButtonCode> answer =
        ask(MSG_SPACE_DELETE, formatMessage(text(MSG_SPACE_DELETE), {spaceText(total), spaceText(free)}), title,
            kInformationOkCancel);
    if (!answer) return answer.error();
    if (*answer != ButtonCode::OK) return false;
  }

  state.step = 0;
  state.diskGroup = 0;
  std::string_view header = scriptHeader(controls.selection.type);
  std::optional<size_t> section = findSection(setup.text.bytes, header, config.language);
  scriptPosition = section ? *section : setup.text.bytes.size();
  state.line = lineNumberAt(setup.text.bytes, scriptPosition) - 1;
  state.total = section ? totalSteps(countCommands(setup.text.bytes, *section, config, controls.selection, table)) : 0;
  if (!section) ui.note("the configuration has no " + std::string(header) + " section");
  // A line that names no command is skipped and not counted, but the run says so: it is the script's fault.
  if (section) {
    for (const UnknownCommand& unknown : unknownCommands(setup.text.bytes, *section, config.language, table)) {
      std::string name = shortenedName(utf8(unknown.name));
      std::string why = "\"" + name + "\" is no command; the line was skipped";
      ui.note("problem: line " + std::to_string(unknown.line) + " " + name + ": " + why);
      state.problems.push_back(RunProblem{unknown.line, name, why});
    }
  }
  pendingGroup = DiskLabel{std::string(kSetupDiskLabel), {}};
  return true;
}

// Before the first command of a disk group: its folder becomes the source folder, asking for the disk while it
// is missing. False when the user abandoned the run.
platform::Result<bool> SetupRun::enterDiskGroup() {
  DiskLabel group = std::move(*pendingGroup);
  pendingGroup.reset();
  ++state.diskGroup;
  state.comment = utf8(group.description);
  ui.showDiskGroup(state.diskGroup, utf8(group.label), state.comment);
  bool setupDisk = group.label == kSetupDiskLabel;
  // A label names a folder beside the setup directory and nothing else: "..\\x" or "/etc" name none.
  bool plain = setupDisk || isPlainDiskLabel(group.label);
  if (!plain) ui.note("the disk label \"" + utf8(group.label) + "\" names no folder beside the setup directory");
  while (true) {
    fs::path folder =
        setupDisk ? setup.setupDirectory : entryIgnoringCase(setup.setupDirectory.parent_path(), utf8(group.label));
    std::error_code error;
    if (plain && fs::is_directory(folder, error)) {
      state.sourceFolder = folder;
      ui.note("source folder " + folder.string());
      return true;
    }
    int number = setupDisk ? MSG_CHANGE_SYSTEM_DISK : MSG_CHANGE_DISK;
    std::string body = setupDisk ? text(number) : formatMessage(text(number), {utf8(group.label)});
    platform::Result<ButtonCode> answer = ask(number, body, text(MSG_TITLE_MESSAGE), kInformationOkCancel);
    if (!answer) return answer.error();
    if (*answer == ButtonCode::OK) continue;
    platform::Result<ButtonCode> abort =
        ask(MSG_ABORT_QUESTION, text(MSG_ABORT_QUESTION), text(MSG_TITLE_ABORT), kQuestionYesNoNo);
    if (!abort) return abort.error();
    if (*abort == ButtonCode::YES) return false;
  }
}

platform::Result<bool> SetupRun::tick() {
  if (state.busy) return true;
  state.busy = true;
  struct Release {
    bool& flag;
    ~Release() { flag = false; }
  } release{state.busy};

  ++state.step;
  if (state.step > static_cast<int64_t>(state.total)) {
    if (platform::Result<void> finished = finishRun(); !finished) return finished.error();
    return false;
  }

  while (std::optional<std::string> line = readLine(setup.text.bytes, scriptPosition, config.language)) {
    ++state.line;
    if (line->empty()) continue;
    if (line->starts_with('[')) break;
    if (std::optional<DiskLabel> label = diskLabelOf(*line)) {
      // The group's folder is made current before its first command that runs; a group without one is passed.
      pendingGroup = std::move(*label);
      continue;
    }
    CommandLine command = commandLineOf(*line);
    const CommandEntry* entry = findCommand(table, command.name);
    if (entry == nullptr || !conditionHolds(parseCondition(*line), config, controls.selection)) continue;

    if (pendingGroup) {
      platform::Result<bool> entered = enterDiskGroup();
      if (!entered) return entered.error();
      if (!*entered) {
        end = RunEnd::CANCELLED;
        return false;
      }
    }
    ui.showStep(static_cast<size_t>(state.step), state.total, utf8(lineAsWritten(*line, config.language)));
    context.commandName = command.name;
    StepResult result = entry->handler(context, command.arguments);
    context.commandName = {};  // it views the line, which ends here
    ++stepsRun;
    if (state.interfaceFailed) {
      interfaceFailure = "the user interface could not answer a box at line " + std::to_string(state.line) +
                         " (see the log); the run stops there";
      return false;
    }
    if (result == StepResult::ABORT) {
      ui.note("the installation was abandoned at step " + std::to_string(state.step));
      end = RunEnd::CANCELLED;
      return false;
    }
    return true;
  }
  // The section ended before the count said it would: nothing is left to run.
  if (platform::Result<void> finished = finishRun(); !finished) return finished.error();
  return false;
}

platform::Result<bool> SetupRun::pressBreak() {
  platform::Result<ButtonCode> answer =
      ask(MSG_ABORT_QUESTION, text(MSG_ABORT_QUESTION), text(MSG_TITLE_ABORT), kQuestionYesNoNo);
  if (!answer) return answer.error();
  if (*answer != ButtonCode::YES) return true;
  ui.note("the installation was abandoned at step " + std::to_string(currentStep()) + "; what was done stays");
  end = RunEnd::CANCELLED;
  return false;
}

platform::Result<void> SetupRun::finishRun() {
  std::string title = text(MSG_TITLE_MESSAGE);
  for (size_t index = 0; index < std::size(kStartupFiles); ++index) {
    const StartupFileNames& file = kStartupFiles[index];
    if (!state.changed[index]) continue;
    size_t position = 0;
    std::string path = utf8(nextToken('\0', position, file.pathTemplate, macros));
    if (existsCaseInsensitive(drives, path)) continue;
    state.changed[index] = false;
    std::string fallback = path.substr(0, path.size() - 3) + "ADD";
    platform::Result<ButtonCode> shown =
        existsCaseInsensitive(drives, fallback)
            ? ask(MSG_REFER_TO_FILE, formatMessage(text(MSG_REFER_TO_FILE), {file.name, file.fallbackName}), title,
                  kInformationOk)
            : ask(MSG_REFER_TO_DOCUMENT, formatMessage(text(MSG_REFER_TO_DOCUMENT), {file.name}), title,
                  kInformationOk);
    if (!shown) return shown.error();
  }

  auto marked = [&](StartupFile file) { return state.changed[static_cast<size_t>(file)]; };
  int closing = isInstallType(controls.selection.type) ? MSG_INSTALL_SUCCESSFUL : MSG_UNINSTALL_COMPLETED;
  end = RunEnd::SUCCEEDED;
  if (marked(StartupFile::CONFIG_SYS) || marked(StartupFile::AUTOEXEC_BAT)) {
    closing = MSG_SYSTEM_RESTART;
    end = RunEnd::RESTART_NEEDED;
  } else if (marked(StartupFile::WIN_INI) || marked(StartupFile::SYSTEM_INI)) {
    closing = MSG_WINDOWS_RESTART;
    end = RunEnd::RESTART_NEEDED;
  }
  platform::Result<ButtonCode> shown = ask(closing, text(closing), title, kInformationOk);
  if (!shown) return shown.error();
  return {};
}

RunOutcome SetupRun::run() {
  selectInstallSet(controls, config, 0);
  controls.directory = utf8(config.installDirectory);

  searchExistingInstallation();
  if (!controls.foundFolders.empty()) {
    if (!config.findMessage.empty()) {
      platform::Result<ButtonCode> answer =
          ask(0, utf8(config.findMessage), std::string(kTitleWendrix), kInformationOkCancel);
      if (!answer) return ended(RunEnd::FAILED, answer.error().describe());
      if (*answer != ButtonCode::OK) return ended(RunEnd::CANCELLED);
    }
    controls.directory = controls.foundFolders.front();
  }

  Page page = config.coverPage ? Page::COVER : Page::SET_AND_DIRECTORY;
  while (page != Page::PROGRESS) {
    PageView view = pageView(page);
    platform::Result<PageButton> button = ui.runPage(view, controls);
    if (!button) return ended(RunEnd::FAILED, button.error().describe());

    if (page == Page::COVER) {
      if (*button != PageButton::OK) return ended(RunEnd::CANCELLED);
      page = Page::SET_AND_DIRECTORY;
      continue;
    }
    if (page == Page::OPTIONS && *button != PageButton::OK) {
      page = Page::SET_AND_DIRECTORY;
      continue;
    }
    if (page == Page::SET_AND_DIRECTORY) {
      if (*button != PageButton::OK) return ended(RunEnd::CANCELLED);
      if (!directoryIsValid(controls.directory, controls.selection.type, drives)) {
        std::optional<std::string> examined = examinedDirectory(controls.directory, controls.selection.type);
        platform::Result<ButtonCode> shown =
            ask(MSG_DIRECTORY_INVALID,
                formatMessage(text(MSG_DIRECTORY_INVALID), {examined ? *examined : controls.directory}),
                text(MSG_TITLE_MESSAGE), kInformationOk);
        if (!shown) return ended(RunEnd::FAILED, shown.error().describe());
        continue;
      }
      if (showsOptionsPage(controls.selection.type)) {
        page = Page::OPTIONS;
        continue;
      }
    }
    platform::Result<bool> started = startRun();
    if (!started) return ended(RunEnd::FAILED, started.error().describe());
    if (*started) page = Page::PROGRESS;
  }

  ui.note("install set \"" +
          (controls.selectedSet < config.installSets.size() ? utf8(config.installSets[controls.selectedSet].name)
                                                            : std::string()) +
          "\" (" + std::string(installTypeName(controls.selection.type)) + ") into " + controls.directory + ": " +
          std::to_string(state.total) + " step(s)");
  ui.showProgressPage(PageView{Page::PROGRESS, {"steps: " + std::to_string(state.total)}});
  platform::Result<void> timer = ui.runTimer(kStepPeriod, *this);
  if (!timer) return ended(RunEnd::FAILED, timer.error().describe());
  if (!interfaceFailure.empty()) return ended(RunEnd::FAILED, interfaceFailure);
  return ended(end.value_or(RunEnd::SUCCEEDED));
}

}  // namespace

platform::Result<Setup> openSetup(const fs::path& setupDirectory) {
  platform::Result<ConfigText> text = loadConfiguration(setupDirectory);
  if (!text) return text.error();
  Setup setup;
  setup.setupDirectory = setupDirectory;
  setup.text = std::move(text).value();
  LanguageId language = readLanguage(setup.text.bytes);
  setup.config = readSetupConfig(setup.text.bytes, macroValuesFor(language, {}));
  return setup;
}

MacroValues macroValuesFor(LanguageId language, std::string_view installDirectory) {
  MacroValues macros;
  macros.installDirectory = utf8ToText(installDirectory, language);
  macros.windowsDirectory = utf8ToText(platform::DriveMap::windowsDirectory(), language);
  macros.systemDirectory = utf8ToText(platform::DriveMap::systemDirectory(), language);
  macros.specialFolder = [language](int number) {
    return utf8ToText(platform::DriveMap::specialFolder(number), language);
  };
  return macros;
}

RunOutcome runSetup(const Setup& setup, const platform::DriveMap& drives, UserInterface& ui,
                    std::span<const CommandEntry> table) {
  SetupRun run(setup, drives, ui, table);
  return run.run();
}

}  // namespace installer
