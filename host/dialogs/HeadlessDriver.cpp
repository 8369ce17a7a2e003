#include "host/dialogs/HeadlessDriver.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "host/dialogs/DialogManager.h"
#include "host/dialogs/ProgressLine.h"

namespace host {
namespace {

std::optional<bool> parseSwitch(std::string_view text) {
  constexpr std::array<std::string_view, 4> kOn{"1", "on", "yes", "true"};
  constexpr std::array<std::string_view, 4> kOff{"0", "off", "no", "false"};
  if (std::find(kOn.begin(), kOn.end(), text) != kOn.end()) return true;
  if (std::find(kOff.begin(), kOff.end(), text) != kOff.end()) return false;
  return std::nullopt;
}

std::optional<int32_t> parseWhole(std::string_view text) {
  int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<float> parseReal(std::string_view text) {
  float value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

bool answerNames(const Answer& answer, const Dialog& dialog) {
  return answer.dialog == std::to_string(dialog.id()) || answer.dialog == dialog.title || answer.dialog == dialog.name();
}

void HeadlessDriver::runModal(Dialog& dialog, DialogManager& manager) {
  while (!dialog.modalResult && !answers.empty() && answerNames(answers.front(), dialog)) {
    Answer answer = std::move(answers.front());
    answers.pop_front();
    apply(answer, dialog, manager);
  }
  if (!dialog.modalResult) {
    if (DialogItem* ok = dialog.item(DIALOG_ITEM_OK); ok != nullptr && ok->resource.type == ItemType::BUTTON) {
      press(*ok, manager);
    } else {
      manager.endModal(dialog, DIALOG_ITEM_OK);
    }
  }
  if (!dialog.modalResult) {
    manager.journal().record("dialog.stuck " + dialog.describe() + " cancelled");
    manager.endModal(dialog, DIALOG_ITEM_CANCEL);
  }
}

void HeadlessDriver::modelessChanged(Dialog& dialog) {
  if (progressStream == nullptr || !dialog.visible) return;
  for (const auto& item : dialog.items()) {
    std::optional<int> percent = barPercent(item->drawing);
    if (!percent || *percent == shownPercent) continue;
    showProgress(dialog.title, *percent);
    return;
  }
}

void HeadlessDriver::modelessDestroyed(Dialog&) { endProgress(); }

void HeadlessDriver::showProgress(std::string_view title, int percent) {
  if (progressStream == nullptr || percent == shownPercent) return;
  shownPercent = percent;
  // The bar redraws in place: carriage return, the line, and erase what a longer line left behind.
  std::fprintf(progressStream, "\r%s\033[K", progressLine(title, percent, 40).c_str());
  std::fflush(progressStream);
}

void HeadlessDriver::endProgress() {
  if (progressStream == nullptr || shownPercent < 0) return;
  std::fputc('\n', progressStream);
  std::fflush(progressStream);
  shownPercent = -1;
}

void HeadlessDriver::apply(const Answer& answer, Dialog& dialog, DialogManager& manager) {
  if (!answer.item) {
    if (DialogItem* ok = dialog.item(DIALOG_ITEM_OK)) press(*ok, manager);
    return;
  }
  DialogItem* item = dialog.itemNamed(*answer.item);
  if (item == nullptr) {
    manager.journal().record("dialog.unanswered " + dialog.describe() + " no item " + quote(*answer.item));
    return;
  }
  if (answer.value) {
    setValue(*item, *answer.value, manager);
  } else {
    press(*item, manager);
  }
}

void HeadlessDriver::setValue(DialogItem& item, const std::string& value, DialogManager& manager) {
  std::string journalLine = "dialog.answer " + std::to_string(item.dialog->id()) + " " + std::to_string(item.id()) + " " + quote(value);
  switch (item.resource.type) {
    case ItemType::CHECKBOX:
    case ItemType::RADIO: {
      std::optional<bool> on = parseSwitch(value);
      if (!on) {
        manager.journal().record(journalLine + " not a switch");
        return;
      }
      item.boolValue = *on;
      item.intValue = *on ? 1 : 0;
      break;
    }
    case ItemType::POPUP: {
      auto entry = std::find(item.resource.entries.begin(), item.resource.entries.end(), value);
      std::optional<int32_t> index = entry != item.resource.entries.end()
                                         ? std::optional<int32_t>(static_cast<int32_t>(entry - item.resource.entries.begin()))
                                         : parseWhole(value);
      if (!index || *index < 0 || *index >= static_cast<int32_t>(item.resource.entries.size())) {
        manager.journal().record(journalLine + " not an entry");
        return;
      }
      item.intValue = *index;
      item.text = item.resource.entries[static_cast<size_t>(*index)];
      break;
    }
    default:
      item.text = value;
      item.floatValue = parseReal(value).value_or(0.0f);
      item.intValue = static_cast<int32_t>(item.floatValue);
      break;
  }
  manager.journal().record(std::move(journalLine));
  manager.userChanged(item);
}

void HeadlessDriver::press(DialogItem& item, DialogManager& manager) {
  manager.journal().record("dialog.press " + std::to_string(item.dialog->id()) + " " + std::to_string(item.id()) + " " +
                           quote(item.words()));
  if (item.resource.type == ItemType::CHECKBOX) item.boolValue = !item.boolValue;
  if (item.resource.type == ItemType::RADIO) item.boolValue = true;
  manager.userChanged(item);
}

}  // namespace host
