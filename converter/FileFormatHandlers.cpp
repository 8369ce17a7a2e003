#include "converter/FileFormatHandlers.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "converter/Companion.h"
#include "converter/ExportDriver.h"
#include "converter/PluginGlobals.h"
#include "host/sdk/DialogSuites.h"
#include "host/sdk/ErrorCodes.h"
#include "plugin-common/LengthPrefixed.h"
#include "plugin-common/PluginFrame.h"
#include "platform/WindowOwner.h"

namespace converter {
namespace {

constexpr const char* kFormatName = "Drawing Interchange(DXF)";
constexpr const char* kTiipFormatTitle = "AutoCAD DXF/TIIP";
constexpr int32_t kFormatCapabilities = FILE_FORMAT_READ | FILE_FORMAT_EXPORT | FILE_FORMAT_IMPORT_ART | FILE_FORMAT_WRITE;
constexpr int32_t kFormatPriority = 10000;

/// The "Select Filter" dialog (one for every language): 2 this plug-in, 3 the host's own reader.
constexpr int32_t kSelectFilterDialog = 16158;
constexpr int32_t kOwnReaderItem = 2;
constexpr int32_t kHostReaderItem = 3;

/// The host's Place window, by its title in English and in Japanese (Shift-JIS bytes).
constexpr std::string_view kPlaceTitle = "Place";
constexpr std::string_view kPlaceTitleJapanese = "\x94\x7A\x92\x75";
/// Window titles are compared over their first 79 characters.
constexpr size_t kWindowTitleLength = 79;

/// The message's file as a path text, or empty.
std::string pathOf(FileFormatMessage* message) {
  const FilePathSuite* paths = plugin::pluginFrame().suites().get<FilePathSuite>();
  char path[1024];
  if (paths == nullptr || paths->getFullPath(message->file, path, sizeof path) != HOST_NO_ERROR) return {};
  return path;
}

/// Exactly ".DXF" or ".dxf" ends a path of more than four characters; other mixes of case are not ours.
bool hasDxfExtension(std::string_view path) {
  if (path.size() <= 4) return false;
  std::string_view extension = path.substr(path.size() - 4);
  return extension == ".DXF" || extension == ".dxf";
}

/// A window of the host's Place command is open: the place was asked from there, so the file is ours.
bool placeWindowOpen() {
  for (const std::string& title : platform::topLevelWindowTitles()) {
    std::string_view shown = std::string_view(title).substr(0, kWindowTitleLength);
    if (shown == kPlaceTitle || shown == kPlaceTitleJapanese) return true;
  }
  return false;
}

void confirmFilter(ItemRef item, DialogNotifierRef notifier) {
  const plugin::HostSuites& suites = plugin::pluginFrame().suites();
  const AdmItemSuite* items = suites.get<AdmItemSuite>();
  DialogRef dialog = items->getDialog(item);
  globals().useOwnReader = items->getBooleanValue(suites.get<AdmDialogSuite>()->getItem(dialog, kOwnReaderItem)) != 0 ? 1 : 0;
  items->defaultNotify(item, notifier);
}

HostResult initSelectFilter(DialogRef dialog) {
  const plugin::HostSuites& suites = plugin::pluginFrame().suites();
  const AdmDialogSuite* dialogs = suites.get<AdmDialogSuite>();
  const AdmItemSuite* items = suites.get<AdmItemSuite>();
  bool ownReader = globals().useOwnReader != 0;
  items->setBooleanValue(dialogs->getItem(dialog, kOwnReaderItem), ownReader ? 1 : 0);
  items->setBooleanValue(dialogs->getItem(dialog, kHostReaderItem), ownReader ? 0 : 1);
  items->setNotifyProc(dialogs->getItem(dialog, DIALOG_ITEM_OK), confirmFilter);
  return HOST_NO_ERROR;
}

}  // namespace

HostResult registerFileFormat(PluginMessage* message) {
  const FileFormatSuite* formats = plugin::pluginFrame().suites().get<FileFormatSuite>();
  char title[256];
  std::snprintf(title, sizeof title, "%s", globals().options.kelmot != 0 ? kTiipFormatTitle : kFormatName);
  FileFormatData data{0, 0, plugin::toLengthPrefixed(title), "dxf"};
  FileFormatHandle format = nullptr;
  if (HostResult error = formats->addFileFormat(message->self, kFormatName, &data, kFormatCapabilities, &format)) return error;
  return formats->setFileFormatPriority(format, kFormatPriority);
}

HostResult checkFile(FileFormatMessage* message) {
  if (message == nullptr) return HOST_STOP;
  if (!hasDxfExtension(pathOf(message))) return HOST_STOP;
  if ((message->option & FILE_FORMAT_PLACE) != 0 && placeWindowOpen()) return HOST_NO_ERROR;
  globals().useOwnReader = 1;
  if (plugin::readCompanionDialogFlag() != 0) return HOST_NO_ERROR;
  int32_t answer = plugin::pluginFrame().suites().get<AdmDialogSuite>()->modal(
      message->d.self, "Select Filter", kSelectFilterDialog, DIALOG_STYLE_MODAL, initSelectFilter, nullptr, 0);
  return answer == DIALOG_ITEM_OK && globals().useOwnReader == 1 ? HOST_NO_ERROR : HOST_STOP;
}

HostResult getParameters(FileFormatMessage*) {
  // FIXME: the export and import option dialogs; until they exist the stored options stand, as when the
  // companion product's flag skips them or the dialog is confirmed with OK.
  return HOST_NO_ERROR;
}

HostResult runFileFormat(FileFormatMessage* message) {
  globals().operationBusy = 1;
  std::string path = pathOf(message);
  if ((message->option & (FILE_FORMAT_WRITE | FILE_FORMAT_EXPORT)) != 0) {
    exportDxf(message->d.self, path);
  }
  // FIXME: reading and placing a DXF file arrive with the import.
  globals().operationBusy = 0;
  return HOST_NO_ERROR;
}

}  // namespace converter
