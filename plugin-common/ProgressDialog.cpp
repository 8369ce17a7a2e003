#include "plugin-common/ProgressDialog.h"

#include <string>

#include "host/sdk/DialogSuites.h"
#include "host/sdk/ErrorCodes.h"
#include "host/sdk/DrawerSuite.h"
#include "plugin-common/PluginFrame.h"
#include "plugin-common/ProductWord.h"

namespace plugin {
namespace {

constexpr int32_t kVersionLabelItem = 3;
/// The version label is read with at most 127 characters.
constexpr int32_t kLabelCapacity = 128;

const HostSuites& suites() { return pluginFrame().suites(); }

/// The bar: a frame, and inside it the done part filled from the left; an empty bar is filled white.
void drawBar(ItemRef item, DrawerRef drawer) {
  const AdmItemSuite* items = suites().get<AdmItemSuite>();
  const AdmDrawerSuite* draw = suites().get<AdmDrawerSuite>();
  if (items == nullptr || draw == nullptr) return;
  const auto* percent = static_cast<const int16_t*>(items->getUserData(item));
  const int32_t done = percent != nullptr ? *percent : 0;
  HostRect rect{};
  items->getLocalRect(item, &rect);
  draw->setColor(drawer, ADM_COLOR_BLACK);
  draw->frameRect(drawer, &rect);
  HostRect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  if (done > 0) {
    inner.right = inner.left + (inner.right - inner.left) * done / 100;
    draw->fillRect(drawer, &inner);
  } else {
    draw->setColor(drawer, ADM_COLOR_WHITE);
    draw->fillRect(drawer, &inner);
  }
}

struct ProgressSetup {
  const int16_t* percent;
  bool tiip;
};

HostResult initProgress(DialogRef dialog) {
  const AdmDialogSuite* dialogs = suites().get<AdmDialogSuite>();
  const AdmItemSuite* items = suites().get<AdmItemSuite>();
  if (dialogs == nullptr || items == nullptr) return HOST_SUITE_NOT_FOUND;
  const auto* setup = static_cast<const ProgressSetup*>(dialogs->getUserData(dialog));
  ItemRef bar = dialogs->getItem(dialog, kProgressBarItem);
  items->setUserData(bar, const_cast<int16_t*>(setup->percent));
  items->setDrawProc(bar, drawBar);
  if (setup->tiip) {
    ItemRef label = dialogs->getItem(dialog, kVersionLabelItem);
    char version[kLabelCapacity] = {};
    items->getText(label, version, kLabelCapacity);
    std::string switched = version;
    switchProductWord(switched);
    items->setText(label, switched.c_str());
  }
  return HOST_NO_ERROR;
}

}  // namespace

ProgressDialog::ProgressDialog(PluginRef plugin, LanguageId language, bool tiip, const int16_t* percent) {
  const AdmDialogSuite* dialogs = suites().get<AdmDialogSuite>();
  const AdmBasicSuite* basic = suites().get<AdmBasicSuite>();
  if (dialogs == nullptr || basic == nullptr) return;
  ProgressSetup setup{percent, tiip};
  handle = dialogs->create(plugin, "Progress", dialogNumber(language, kProgressDialog), DIALOG_STYLE_FLOATING,
                           initProgress, &setup, 0);
  if (handle == nullptr) return;
  dialogs->setUserData(handle, nullptr);  // the setup lived only for the initialisation
  barItem = dialogs->getItem(handle, kProgressBarItem);
  HostRect screen{};
  HostRect bounds{};
  basic->getScreenDimensions(&screen);
  dialogs->getBoundsRect(handle, &bounds);
  const int32_t width = bounds.right - bounds.left;
  const int32_t height = bounds.bottom - bounds.top;
  dialogs->move(handle, ((screen.right - screen.left) - width) / 2, ((screen.bottom - screen.top) - height) / 3);
  dialogs->show(handle, 1);
}

ProgressDialog::~ProgressDialog() {
  if (handle == nullptr) return;
  if (const AdmDialogSuite* dialogs = suites().get<AdmDialogSuite>()) dialogs->destroy(handle);
}

void ProgressDialog::redraw() const {
  if (barItem == nullptr) return;
  if (const AdmItemSuite* items = suites().get<AdmItemSuite>()) items->update(barItem);
}

}  // namespace plugin
