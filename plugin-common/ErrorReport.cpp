// The "Plug-in Error" dialog: the error's message from the string list and its code as text.

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>

#include "host/sdk/ErrorCodes.h"
#include "platform/AsciiText.h"
#include "plugin-common/PluginFrame.h"

namespace plugin {
namespace {

/// The string list of error codes and messages: entry 2k-1 a code, entry 2k its message.
constexpr int32_t kErrorStringList = 16050;
/// The modal error dialog: 1 OK, 2 message, 3 code, 4 an empty frame.
constexpr int32_t kErrorDialog = 16151;
constexpr int32_t kMessageItem = 2;
constexpr int32_t kCodeItem = 3;
/// Entries are read with at most 255 characters.
constexpr int32_t kEntryCapacity = 256;

/// What the dialog shows, handed to its initialisation.
struct ErrorTexts {
  char message[257];
  char code[32];
};

/// The code an entry names: a number (leading "-" or digit) through the host's text-to-number, truncated and
/// taken as 16 bits; else its first four characters as a four-character code.
bool entryCode(const char* entry, const UserSuite* user, int32_t* code) {
  if (entry[0] == '-' || platform::isAsciiDigit(entry[0])) {
    double value = 0;
    if (user == nullptr || user->textToNumber(entry, &value) != HOST_NO_ERROR || !std::isfinite(value)) return false;
    *code = static_cast<int16_t>(static_cast<int32_t>(std::trunc(std::fmod(value, 65536.0))));
    return true;
  }
  size_t length = std::strlen(entry);
  uint32_t characters = 0;
  for (size_t index = 0; index < 4; ++index) {
    characters = (characters << 8) | (index < length ? static_cast<uint8_t>(entry[index]) : 0u);
  }
  *code = static_cast<int32_t>(characters);
  return true;
}

void pressDefault(ItemRef item, DialogNotifierRef notifier) {
  if (const AdmItemSuite* items = pluginFrame().suites().get<AdmItemSuite>()) items->defaultNotify(item, notifier);
}

HostResult initErrorDialog(DialogRef dialog) {
  const HostSuites& suites = pluginFrame().suites();
  const AdmDialogSuite* dialogs = suites.get<AdmDialogSuite>();
  const AdmItemSuite* items = suites.get<AdmItemSuite>();
  if (dialogs == nullptr || items == nullptr) return HOST_SUITE_NOT_FOUND;
  const auto* texts = static_cast<const ErrorTexts*>(dialogs->getUserData(dialog));
  items->setNotifyProc(dialogs->getItem(dialog, DIALOG_ITEM_OK), pressDefault);
  items->setText(dialogs->getItem(dialog, kMessageItem), texts->message);
  items->setText(dialogs->getItem(dialog, kCodeItem), texts->code);
  return HOST_NO_ERROR;
}

}  // namespace

void PluginFrame::reportError(PluginMessage* message, HostResult error) {
  const AdmBasicSuite* dialogBasic = held.get<AdmBasicSuite>();
  const AdmDialogSuite* dialogs = held.get<AdmDialogSuite>();
  if (error == HOST_NO_ERROR || error == HOST_STOP || dialogBasic == nullptr || dialogs == nullptr) return;

  ErrorTexts texts{};
  char entry[kEntryCapacity];
  for (int32_t index = 1;; index += 2) {
    if (dialogBasic->getIndexString(message->self, kErrorStringList, index, entry, kEntryCapacity) != HOST_NO_ERROR) {
      return;  // an unreadable list ends the report silently
    }
    int32_t code = 0;
    bool listEnded = entry[0] == '\0';
    bool matches = !listEnded && entryCode(entry, held.get<UserSuite>(), &code) && code == error;
    if (!listEnded && !matches) continue;
    // On a match the message follows the code; at the end of the list the catch-all message precedes it.
    int32_t messageIndex = matches ? index + 1 : index - 1;
    if (dialogBasic->getIndexString(message->self, kErrorStringList, messageIndex, texts.message, sizeof texts.message) != HOST_NO_ERROR) {
      return;
    }
    break;
  }

  auto bits = static_cast<uint32_t>(error);
  if ((bits >> 16) == 0 || (bits >> 16) == 0xFFFF) {
    const UserSuite* user = held.get<UserSuite>();
    if (user == nullptr || user->numberToText(error, 0, texts.code, sizeof texts.code) != HOST_NO_ERROR) {
      std::snprintf(texts.code, sizeof texts.code, "%d", static_cast<int>(error));
    }
  } else {
    for (int index = 0; index < 4; ++index) texts.code[index] = static_cast<char>((bits >> (24 - 8 * index)) & 0xFF);
    texts.code[4] = '\0';
  }

  dialogs->modal(message->self, "Error Dialog", kErrorDialog, DIALOG_STYLE_MODAL, initErrorDialog, &texts, 0);
}

}  // namespace plugin
